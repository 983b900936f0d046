#pragma once

class QCommandLineParser;
class QTextStream;

// tessarin-deck's "import": a deck list read as the editor reads pasted text, written as a deck file.
int importCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err);
