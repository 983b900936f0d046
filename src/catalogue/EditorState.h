#pragma once

#include "deck/CardGrid.h"
#include "deck/Limits.h"
#include "deck/Totals.h"

#include <QStringList>

// The largest values the search dialog offers in its bound lists: the copy limit, then the
// attributes' maxima over the catalogue.
struct SearchMaxima {
    qint32 pNumberMax = 0;
    qint32 pGlazeMax = 0;
    qint32 pNodeMax = 0;
    qint32 pCostMax = 0;
    qint32 pUpkeepMax = 0;
    qint32 pAttackMax = 0;
    qint32 pToughnessMax = 0;
};

// What catalogue loading hands the search dialog: the maxima and the three item lists (in the
// order first found; the dialog shows them sorted).
struct SearchSetup : SearchMaxima {
    QStringList lstSpell;
    QStringList lstClass;
    QStringList lstSkill;
};

// Everything the main window's routines work on: the grid holds all deck state, the totals only
// follow it, the limits and the card total come from the last catalogue load.
struct EditorState {
    CardGrid fpsCardList;
    Totals totals;
    Limits limits;
    qint32 mlngCardTotal = 0;
    SearchSetup serch;
    bool searchEnabled = true;  // cmdSerch, as the last load left it
    quint64 catalogueLoads = 0;  // successful loads: a caller can tell whether a routine reloaded
    QString deckName;            // the deck file the title names, "" when it names none
};

// What one catalogue load builds aside from the editor; it is put in place only when the whole
// load succeeded, so a failed load leaves the editor as it was.
struct CatalogueLoad {
    CardGrid grid;
    Totals totals;
    Limits limits;
    qint32 mlngCardTotal = 0;
    SearchSetup serch;
    bool searchEnabled = true;
};
