#include "DeckHand.h"

#include "CardGrid.h"

#include <QRandomGenerator>

#include <algorithm>
#include <limits>

std::vector<CardNumber> deckPile(const Deck& deck, DeckPart part)
{
    std::vector<CardNumber> pile;
    for (const Deck::Card& card : deck.cards())
        for (qint64 i = partCopies(card.counts, part); i > 0; --i)
            pile.push_back(card.number);
    return pile;
}

namespace DeckShuffle {

quint64 randomSeed() { return QRandomGenerator::system()->generate64(); }

quint64 below(std::mt19937_64& generator, quint64 bound)
{
    // The lowest 2^64 mod bound values would make the low results likelier: drawn again.
    const quint64 threshold = (0 - bound) % bound;
    for (;;) {
        const quint64 x = generator();
        if (x >= threshold)
            return x % bound;
    }
}

void shuffle(std::vector<CardNumber>& pile, quint64 seed)
{
    std::mt19937_64 generator(seed);
    for (size_t i = pile.size(); i > 1; --i)
        std::swap(pile[i - 1], pile[size_t(below(generator, i))]);
}

QString seedText(quint64 seed) { return QString::number(seed); }

std::optional<quint64> parseSeed(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    quint64 v = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const quint64 digit = c.unicode() - u'0';
        if (v > (std::numeric_limits<quint64>::max() - digit) / 10)
            return std::nullopt;
        v = v * 10 + digit;
    }
    return v;
}

}  // namespace DeckShuffle

HandTrial::HandTrial(const Deck& deck, DeckPart part, qint32 handSize, quint64 seed)
    : deck_(deck), part_(part), handSize_(std::clamp(handSize, kMinHand, kMaxHand)), seed_(seed)
{
    deal();
}

void HandTrial::deal()
{
    pile_ = deckPile(deck_, part_);
    DeckShuffle::shuffle(pile_, seed_);
    drawn_ = openingSize();
}

void HandTrial::reshuffle(quint64 seed)
{
    seed_ = seed;
    deal();
}

std::optional<CardNumber> HandTrial::drawOne()
{
    if (left() == 0)
        return std::nullopt;
    return pile_[size_t(drawn_++)];
}

void HandTrial::setHandSize(qint32 size)
{
    handSize_ = std::clamp(size, kMinHand, kMaxHand);
    drawn_ = openingSize();
}

void HandTrial::setPart(DeckPart part)
{
    part_ = part;
    deal();
}

bool HandTrial::setDeck(const Deck& deck, quint64 seed)
{
    // The side board changes nothing in a hand of the main deck: the player keeps the shuffle.
    const auto dealt = [this](const Deck& d) {
        std::vector<std::pair<CardNumber, qint64>> cards;
        for (const Deck::Card& card : d.cards())
            if (const qint64 copies = partCopies(card.counts, part_); copies > 0)
                cards.emplace_back(card.number, copies);
        return cards;
    };
    const bool samePile = dealt(deck) == dealt(deck_);
    deck_ = deck;
    if (samePile)
        return false;
    reshuffle(seed);
    return true;
}

std::vector<CardNumber> HandTrial::hand() const { return {pile_.begin(), pile_.begin() + openingSize()}; }

std::vector<CardNumber> HandTrial::draws() const { return {pile_.begin() + openingSize(), pile_.begin() + drawn_}; }

QString cardName(const CardGrid& grid, CardNumber number)
{
    const qint32 row = grid.rowOf(number);
    return row == 0 ? QString() : grid.cellText(colName, row);
}
