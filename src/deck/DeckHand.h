#pragma once

#include "Deck.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <random>
#include <vector>

class CardGrid;

// Which counts a hand is drawn from: the main deck, or the deck after side-boarding (main + side).
enum class DeckPart { Main, AfterSideboard };

// The copies of a card in that part of the deck.
inline qint64 partCopies(CardCounts counts, DeckPart part)
{
    return part == DeckPart::Main ? counts.main : qint64(counts.main) + counts.side;
}

// Every copy of every card of that part, cards in catalogue order: what a shuffle starts from.
std::vector<CardNumber> deckPile(const Deck& deck, DeckPart part);

// A shuffle that gives the same order for the same seed on every machine and every run: the
// generator's output is fixed by the language, the draws from it are our own. A seed is shown
// and typed as a decimal 64-bit unsigned integer.
namespace DeckShuffle {

quint64 randomSeed();
// Uniform in [0, bound), bound > 0, without the bias of a plain remainder.
quint64 below(std::mt19937_64& generator, quint64 bound);
// Fisher–Yates from the last place down.
void shuffle(std::vector<CardNumber>& pile, quint64 seed);

QString seedText(quint64 seed);
// Decimal digits (blanks around them allowed) that fit in 64 bits; nullopt otherwise.
std::optional<quint64> parseSeed(QStringView text);

}  // namespace DeckShuffle

// A trial hand: a deck shuffled by a seed, the opening hand its first cards, then cards drawn one
// by one from the same shuffle.
class HandTrial {
public:
    static constexpr qint32 kMinHand = 1, kMaxHand = 20, kDefaultHand = 5;

    HandTrial(const Deck& deck, DeckPart part, qint32 handSize, quint64 seed);

    DeckPart part() const { return part_; }
    qint32 handSize() const { return handSize_; }
    quint64 seed() const { return seed_; }

    // A new shuffle ("引き直し", or a seed typed in): the opening hand of that seed.
    void reshuffle(quint64 seed);
    // The next card of the same shuffle ("1枚引く"); nullopt when none is left.
    std::optional<CardNumber> drawOne();
    // The same shuffle dealt again with another hand size (held to 1 to 20), or from the other
    // part of the deck; the seed stays, so the companion with it shows the same hand.
    void setHandSize(qint32 size);
    void setPart(DeckPart part);
    // A change to the part dealt from starts a new shuffle with seed; any other change keeps the
    // shuffle (false) and is dealt from when the part changes.
    bool setDeck(const Deck& deck, quint64 seed);

    // The opening hand (fewer cards when the deck is smaller), the cards drawn after it: copies,
    // so that they outlive the trial.
    std::vector<CardNumber> hand() const;
    std::vector<CardNumber> draws() const;
    qint32 deckSize() const { return qint32(pile_.size()); }
    qint32 drawn() const { return drawn_; }  // hand and draws
    qint32 left() const { return deckSize() - drawn_; }
    qint32 openingSize() const { return std::min(handSize_, deckSize()); }

private:
    void deal();

    Deck deck_;
    DeckPart part_;
    qint32 handSize_;
    quint64 seed_;
    std::vector<CardNumber> pile_;  // shuffled
    qint32 drawn_ = 0;
};

// A card's name as the grid shows it; "" for a card the grid lacks.
QString cardName(const CardGrid& grid, CardNumber number);
