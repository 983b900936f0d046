#pragma once

#include "CardNumber.h"
#include "DeckHand.h"

#include <QList>
#include <QString>

#include <optional>

class CardGrid;

// The chance of at least one of copies among drawn cards drawn from a deck of deckSize, exactly
// (hypergeometric): 1 - C(deckSize - copies, drawn) / C(deckSize, drawn). Drawn is held to the
// deck's size; no copies, or nothing drawn, is 0.
double chanceOfAny(qint64 deckSize, qint64 copies, qint64 drawn);

// One line of the odds table: a card, or all copies of one type or one cost text.
struct OddsRow {
    enum class Kind { Card, Type, Cost };
    Kind kind = Kind::Card;
    std::optional<CardNumber> number;  // a card's
    QString text;                      // the card's name, or the type or cost text as the grid shows it
    qint64 copies = 0;
    double drawn = 0;    // among the cards drawn so far (hand and draws)
    double opening = 0;  // in the opening hand
    qsizetype listed = 0;  // the row's place in the table as made
};

struct DeckOdds {
    qint64 deckSize = 0;
    qint64 drawn = 0, opening = 0;  // as asked, before they are held to the deck's size
    // The cards with copies in catalogue order, then the types, then the cost texts, each in the
    // order the statistics list them.
    QList<OddsRow> rows;
};

// The odds for the chosen part of the deck the grid holds.
DeckOdds deckOdds(const CardGrid& grid, DeckPart part, qint64 drawn, qint64 opening);
// The same table after another card is drawn: only the chances among the cards drawn move, and
// the grid is not read again.
void setOddsDrawn(DeckOdds& odds, qint64 drawn);

// The columns a window sorts the table by. The kinds stay apart, cards first; ties keep the
// table's order. Listed: the table's own order (catalogue order for the cards).
enum class OddsColumn { Listed, Text, Copies, Drawn, Opening };
void sortOdds(QList<OddsRow>& rows, OddsColumn column, bool descending);
