#pragma once

#include <QStringList>

class QCommandLineParser;
class QTextStream;

// The names --sort takes, colNo ... colIllustration.
QStringList columnNames();
// tessarin-deck's "cards": the card rows the filter shows, in catalogue or header-sort order.
int cardsCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err);
