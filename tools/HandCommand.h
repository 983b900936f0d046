#pragma once

class QCommandLineParser;
class QTextStream;

// tessarin-deck's "hand": the hand the editor's trial window deals for a seed.
int handCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err);
