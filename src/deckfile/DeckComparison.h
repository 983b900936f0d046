#pragma once

#include "DeckOpener.h"

#include "deck/Deck.h"

#include <QList>
#include <QString>

class CardGrid;
struct EditorState;

// A deck's copies in the three ways the editor counts them.
struct SectionCounts {
    qint64 main = 0, side = 0, after = 0;
    bool operator==(const SectionCounts&) const = default;
    SectionCounts& operator+=(const SectionCounts& o)
    {
        main += o.main;
        side += o.side;
        after += o.after;
        return *this;
    }
};
// A card's; a whole deck's.
SectionCounts sectionCounts(CardCounts c);
SectionCounts sectionCounts(const Deck& deck);
// A change of a count as the editor writes it: "+2", "0", "-1".
QString signedCount(qint64 v);

// Two decks side by side: the cards whose counts differ, and the totals per type of each.
struct DeckComparison {
    struct Card {
        CardNumber number;
        QString type, name;  // as the grid shows them
        CardCounts a, b;
    };
    struct TypeTotals {
        QString type;  // "Character", "Spell", "Command", then other texts as the statistics order them
        SectionCounts a, b;
    };
    QList<Card> cards;  // in catalogue order, whatever order either grid's rows are in
    QList<TypeTotals> types;  // types either deck has copies of (main, side or after)
    SectionCounts totalA, totalB;

    bool same() const { return cards.isEmpty(); }
};

// Compares the decks two grids hold. Names and types come from a, or from b for a card a's
// catalogue lacks.
DeckComparison compareDecks(const CardGrid& a, const CardGrid& b);

// Opens a deck file into a state of its own as the editor opens it (its own catalogue load, every
// limit applied), leaving the editor and its title alone. told, when given, receives what the
// opening would have shown the user (a catalogue that failed to load).
OpenResult openDeckAside(EditorState& aside, const QString& path, QString* told = nullptr);
