#pragma once

#include "catalogue/EditorState.h"

#include <QJsonObject>
#include <QString>

// A deck file opened as the editor opens it, and what the companion reports of it.
struct OpenedDeck {
    EditorState state;
    bool readError = false;
    QString error;  // null when none
};

// Why a deck file cannot be read at all, or a null text when it can. The editor opens such a file
// as an empty deck; here that would pass for a deck read completely.
QString unreadableDeck(const QString& file);
void openDeck(const QString& file, OpenedDeck& o);
// Every size check met: the three totals the exit status tests are at their limits.
bool deckComplete(const Totals& t);
QJsonObject deckReport(const QString& file, const OpenedDeck& o);
