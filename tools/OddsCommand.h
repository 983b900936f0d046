#pragma once

class QCommandLineParser;
class QTextStream;

// tessarin-deck's "odds": the chance of each card, type and cost among the first cards drawn.
int oddsCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err);
