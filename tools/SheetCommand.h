#pragma once

class QCommandLineParser;
class QTextStream;

// tessarin-deck's "sheet": a deck file opened as the editor opens it and drawn as the editor's
// "デッキ画像を保存..." draws it.
int sheetCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err);
