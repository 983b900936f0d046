#pragma once

class QCommandLineParser;
class QTextStream;

// tessarin-deck's "text": the deck as the text the editor copies.
int textCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err);
