#include "deck/DeckHand.h"
#include "deck/DeckOdds.h"

#include "DeckFixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

CardNumber no(qint32 n) { return CardNumber::regular(n); }

std::vector<qint32> values(const std::vector<CardNumber>& cards)
{
    std::vector<qint32> out;
    for (CardNumber c : cards)
        out.push_back(c.value());
    return out;
}

TEST(DeckOdds, ChanceOfAnyIsTheExactHypergeometricValue)
{
    struct Case {
        qint64 deck, copies, drawn;
        double expected;
    };
    const Case cases[] = {
        {40, 3, 5, 667.0 / 1976},
        {40, 1, 7, 7.0 / 40},
        {60, 4, 7, 38962.0 / 97527},
        {50, 3, 45, 1959.0 / 1960},
        {100000, 3, 100, 1664967239.0 / 555538889000},
        {100000, 300, 300, 0.5945286086569411},  // 300 factors
        // No copies, nothing drawn, no deck; every card drawn, more than the deck, too few others.
        {40, 0, 5, 0},
        {40, 3, 0, 0},
        {0, 0, 5, 0},
        {40, 3, 40, 1},
        {10, 2, 12, 1},
        {10, 2, 9, 1},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(chanceOfAny(c.deck, c.copies, c.drawn), c.expected, 1e-13)
            << c.deck << " cards, " << c.copies << " copies, " << c.drawn << " drawn";
}

// Cards, types and costs of the part asked for; the window's sorts keep the kinds apart.
TEST(DeckOdds, TableOfTheChosenPartSortsWithinEachKind)
{
    DeckFixture f(12);  // types Character, Spell, Command in turn; no costs
    f.press(colDeckUp, 1, 3);
    f.press(colDeckUp, 2, 1);
    f.press(colSideUp, 3, 2);
    f.state.fpsCardList.sort({{colName, true}});
    // "number text copies", and "=" where the hand alone gives the same chance as all cards drawn.
    const auto rows = [](const DeckOdds& odds) {
        QStringList out;
        for (const OddsRow& r : odds.rows)
            out << u"%1 %2 %3 %4"_s.arg(r.number ? r.number->text() : u"-"_s, r.text.isEmpty() ? u"-"_s : r.text)
                       .arg(r.copies)
                       .arg(r.drawn == r.opening ? u"="_s : u"<"_s);
        return out;
    };
    DeckOdds main = deckOdds(f.state.fpsCardList, DeckPart::Main, 3, 2);
    EXPECT_EQ(std::pair(main.deckSize, rows(main)),
              std::pair(qint64(4), QStringList{u"001 札1 3 ="_s, u"002 札2 1 <"_s, u"- Character 3 ="_s, u"- Spell 1 <"_s,
                                               u"- - 4 ="_s}));
    EXPECT_EQ(std::pair(main.rows[1].drawn, main.rows[1].opening), std::pair(0.75, 0.5));
    DeckOdds drawnLater = deckOdds(f.state.fpsCardList, DeckPart::Main, 2, 2);
    setOddsDrawn(drawnLater, 3);
    EXPECT_EQ(std::tuple(drawnLater.drawn, rows(drawnLater), drawnLater.rows[1].drawn), std::tuple(qint64(3), rows(main), 0.75));
    const DeckOdds after = deckOdds(f.state.fpsCardList, DeckPart::AfterSideboard, 6, 6);
    EXPECT_EQ(std::pair(after.deckSize, rows(after).mid(2, 2)),
              std::pair(qint64(6), QStringList{u"003 札3 2 ="_s, u"- Character 3 ="_s}));

    sortOdds(main.rows, OddsColumn::Copies, false);
    EXPECT_EQ(rows(main).mid(0, 4), (QStringList{u"002 札2 1 <"_s, u"001 札1 3 ="_s, u"- Spell 1 <"_s, u"- Character 3 ="_s}));
    sortOdds(main.rows, OddsColumn::Listed, false);
    EXPECT_EQ(main.rows[0].text, u"札1"_s);
}

// The shuffle is the language's 64-bit Mersenne Twister and our own Fisher–Yates: the order for a
// seed is fixed everywhere (worked out apart from this code).
TEST(HandTrial, DealsAndDrawsFromOneShuffleOfTheSeed)
{
    Deck deck;
    for (qint32 n = 1; n <= 12; ++n)
        deck.set(no(n), {1, n == 12 ? 1 : 0});
    HandTrial trial(deck, DeckPart::Main, 5, 42);
    EXPECT_EQ(values(trial.hand()), (std::vector<qint32>{10, 4, 2, 3, 8}));
    EXPECT_EQ(trial.drawOne(), no(5));
    EXPECT_EQ(std::tuple(values(trial.draws()), trial.drawn(), trial.left()), std::tuple(std::vector<qint32>{5}, 6, 6));
    trial.setHandSize(7);  // the same shuffle dealt again
    EXPECT_EQ(std::tuple(values(trial.hand()), trial.draws().size(), trial.left()),
              std::tuple(std::vector<qint32>{10, 4, 2, 3, 8, 5, 9}, size_t(0), 5));
    Deck sided = deck;
    sided.set(no(3), {1, 2});
    EXPECT_FALSE(trial.setDeck(sided, 7)) << "a side-board change keeps the main deck's shuffle";
    trial.setPart(DeckPart::AfterSideboard);
    EXPECT_EQ(std::pair(trial.seed(), trial.deckSize()), std::pair(quint64(42), 15));

    EXPECT_FALSE(trial.setDeck(sided, 7)) << "the same deck keeps its shuffle";
    Deck small;
    small.set(no(1), {3, 0});
    EXPECT_TRUE(trial.setDeck(small, 7));
    trial.setHandSize(25);
    EXPECT_EQ(std::tuple(trial.seed(), trial.handSize(), values(trial.hand()), trial.left(), trial.drawOne()),
              std::tuple(quint64(7), 20, std::vector<qint32>{1, 1, 1}, 0, std::optional<CardNumber>()));

    const std::pair<QString, std::optional<quint64>> seeds[] = {
        {u" 42 "_s, 42}, {u"18446744073709551615"_s, ~quint64(0)}, {u"18446744073709551616"_s, std::nullopt},
        {u"-1"_s, std::nullopt}, {u"4x"_s, std::nullopt}, {u""_s, std::nullopt}};
    for (const auto& [text, seed] : seeds)
        EXPECT_EQ(DeckShuffle::parseSeed(text), seed) << text.toStdString();
}

// Over many seeds, how often a hand holds a card is what its odds say.
TEST(HandTrial, EachCardTurnsUpAsOftenAsItsOddsSay)
{
    Deck deck;
    const qint32 copies[] = {3, 2, 1, 1, 3, 2, 3, 1, 2, 2};  // 20 cards
    for (qint32 n = 1; n <= 10; ++n)
        deck.set(no(n), {copies[n - 1], 0});
    constexpr int kSeeds = 20000;
    std::array<int, 11> held{};
    HandTrial trial(deck, DeckPart::Main, 5, 0);
    for (quint64 seed = 1; seed <= kSeeds; ++seed) {
        trial.reshuffle(seed);
        std::array<bool, 11> in{};
        for (CardNumber c : trial.hand())
            in[size_t(c.value())] = true;
        for (qint32 n = 1; n <= 10; ++n)
            held[size_t(n)] += in[size_t(n)];
    }
    // Four standard deviations of 20,000 hands at most.
    for (qint32 n = 1; n <= 10; ++n)
        EXPECT_NEAR(double(held[size_t(n)]) / kSeeds, chanceOfAny(20, copies[n - 1], 5), 0.015) << "card " << n;
}

}  // namespace
