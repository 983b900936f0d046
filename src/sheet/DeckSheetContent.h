#pragma once

#include "deck/Totals.h"

#include <QList>
#include <QString>

struct EditorState;

// One card on a deck sheet: its grid texts, its count in that section and its picture file.
struct SheetCard {
    QString no, type, name;
    qint32 count = 0;
    QString picture;  // full path, or empty for none
};

// What a deck sheet shows, read from the editor's state: the deck's name, the six totals as the
// main window shows them, the main-deck cards and the side-board changes, each in catalogue order.
struct DeckSheetContent {
    QString deckName;
    Totals totals;
    QList<SheetCard> main;
    QList<SheetCard> side;
};

DeckSheetContent deckSheetContent(const EditorState& state);
