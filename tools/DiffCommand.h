#pragma once

class QCommandLineParser;
class QTextStream;

// tessarin-deck's "diff": the cards whose counts differ between two decks, as the comparison window lists them.
int diffCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err);
