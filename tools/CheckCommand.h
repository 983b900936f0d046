#pragma once

class QCommandLineParser;
class QTextStream;

// tessarin-deck's "check": each deck file replayed as the editor opens it, and its totals and size checks.
int checkCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err);
