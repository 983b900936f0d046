#pragma once

class QCommandLineParser;
class QTextStream;

// tessarin-deck's "save": a deck file opened and written back exactly as the editor does.
int saveCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err);
