#pragma once

#include "CardNumber.h"

#include <QList>

#include <vector>

class CardGrid;
struct Limits;
class Totals;

// A card's two counts: main-deck copies, and the signed side-board change.
struct CardCounts {
    qint32 main = 0;
    qint32 side = 0;
    bool isZero() const { return main == 0 && side == 0; }
    bool operator==(const CardCounts&) const = default;
};

// A deck as a value: for each card number its counts, zero counts not stored, cards in catalogue
// order. The grid holds the deck on screen; this is what a deck is anywhere else (an earlier deck
// to go back to, a deck file read, two decks compared).
class Deck {
public:
    struct Card {
        CardNumber number;
        CardCounts counts;
        bool operator==(const Card&) const = default;
    };

    // The deck the grid shows, whatever order its rows are in. With rows, also the grid row of
    // each card, in the same order as cards().
    static Deck fromGrid(const CardGrid& grid, std::vector<qint32>* rows = nullptr);

    const std::vector<Card>& cards() const { return cards_; }
    CardCounts counts(CardNumber number) const;
    // Counts of 0 and 0 remove the card.
    void set(CardNumber number, CardCounts counts);

    // Makes the grid show this deck through the step handler, press by press, so every limit,
    // colour and total is what a player's presses give: each card's side-board change to 0, its
    // main count to the deck's, then its side-board change to the deck's. Cards the grid lacks are
    // left out, as a deck opening leaves them out. Answers the cards whose counts changed.
    qint32 applyTo(CardGrid& grid, Totals& totals, const Limits& limits) const;
    // The same for the listed cards only, whatever the rest of the grid holds.
    static qint32 pressInto(CardGrid& grid, Totals& totals, const Limits& limits, const std::vector<Card>& cards);
    // This deck as presses from nothing give it under the limits, apart from any grid on screen.
    Deck underLimits(const Limits& limits) const;
    // A row for the card after the last of a grid without a catalogue, its counts 0: where counts
    // are pressed apart from the grid on screen.
    static qint32 addScratchRow(CardGrid& grid, CardNumber number);

    // The cards whose counts differ between a and b, in catalogue order.
    struct Difference {
        CardNumber number;
        CardCounts a, b;
        bool operator==(const Difference&) const = default;
    };
    static QList<Difference> difference(const Deck& a, const Deck& b);

    bool operator==(const Deck&) const = default;

private:
    std::vector<Card> cards_;  // ascending by number
};
