#pragma once

class QCommandLineParser;
class QTextStream;

// tessarin-deck's "stats": the deck's figures as the statistics window shows them.
int statsCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err);
