#pragma once

#include "CardGrid.h"

#include <QList>
#include <QString>

#include <vector>

// Copies of one section of the deck that share a grid text (a type, a cost or a node value).
struct DeckTally {
    QString text;
    qint64 copies = 0;
    bool operator==(const DeckTally&) const = default;
};

// One section of the deck split three ways. Texts are the cells as the grid shows them, so "" and
// unusual texts keep tallies of their own; texts whose copies sum to 0 are left out.
struct DeckSection {
    qint64 total = 0;
    QList<DeckTally> type;  // "Character", "Spell", "Command", then other texts in header-sort order
    QList<DeckTally> cost;  // in the order a header sort of colCost gives
    QList<DeckTally> node;  // in the order a header sort of colNode gives
    // Copies by cost and type: costByType[c * type.size() + t] for cost[c] and type[t].
    std::vector<qint64> costByType;

    qint64 copies(qsizetype costIndex, qsizetype typeIndex) const
    {
        return costByType[size_t(costIndex * type.size() + typeIndex)];
    }
};

// The deck's figures: the main deck (colDeck), the side-board changes (colSide, which may be
// negative) and the deck after side-boarding (their sum per card).
struct DeckStats {
    DeckSection main, side, after;
    bool sideBoarded = false;  // some card has a non-zero side-board change
};

DeckStats deckStats(const CardGrid& grid);

// The order types are listed in: "Character", "Spell", "Command", then other texts as a header
// sort orders them.
bool typeBefore(QStringView a, QStringView b);
