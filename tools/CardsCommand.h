#pragma once

#include <QCommandLineOption>
#include <QList>

class QCommandLineParser;
class QTextStream;

// tessarin-deck's "cards": the card rows the filter shows, in catalogue or header-sort order.
QList<QCommandLineOption> cardsOptions();
int cardsCommand(const QCommandLineParser& args, QTextStream& out, QTextStream& err);
