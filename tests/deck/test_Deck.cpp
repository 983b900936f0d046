#include "deck/Deck.h"

#include "DeckFixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

CardNumber no(qint32 n) { return CardNumber::regular(n); }

// A deck read from the grid, the grid sorted and emptied, the deck pressed back: the same counts
// on the same cards, and the totals and colours the presses gave the first time.
TEST(Deck, ReadFromTheGridAndPressedBackWhateverTheRowsOrder)
{
    DeckFixture f(12);
    f.press(colDeckUp, 7, 2);
    f.press(colSideDown, 7);
    f.press(colDeckUp, 14);  // promotional card 2
    f.press(colSideUp, 3, 2);
    f.state.fpsCardList.sort({{colName, true}});
    std::vector<qint32> rows;
    const Deck deck = Deck::fromGrid(f.state.fpsCardList, &rows);
    const std::vector<Deck::Card> expected{
        {no(3), {0, 2}}, {no(7), {2, -1}}, {CardNumber::promotional(2), {1, 0}}};
    EXPECT_EQ(deck.cards(), expected);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(f.state.fpsCardList.cellText(colNo, rows[1]), u"007"_s);

    const QStringList counts = f.cardCounts();
    const Totals totals = f.state.totals;
    DeckFixture g(12);
    g.press(colDeckUp, 1, 3);  // a card the deck does not hold goes back to 0
    g.state.fpsCardList.sort({{colType, true}, {colName, false}});
    EXPECT_EQ(deck.applyTo(g.state.fpsCardList, g.state.totals, g.state.limits), 4);
    EXPECT_EQ(std::tuple(g.cardCounts(), g.state.totals, Deck::fromGrid(g.state.fpsCardList)),
              std::tuple(counts, totals, deck));
    EXPECT_EQ(deck.applyTo(g.state.fpsCardList, g.state.totals, g.state.limits), 0) << "already there";
}

// The limits cut what cannot be pressed; cards the grid lacks are left out.
TEST(Deck, PressedBackUnderTheLimits)
{
    DeckFixture f(12);
    Deck deck;
    deck.set(no(1), {5, 0});
    deck.set(no(2), {1, 4});
    deck.set(no(3), {2, -3});
    deck.set(no(99), {1, 0});
    deck.set(no(4), {1, 0});
    deck.set(no(4), {});  // set to nothing: gone
    deck.applyTo(f.state.fpsCardList, f.state.totals, f.state.limits);
    EXPECT_EQ(f.cardCounts(), (QStringList{u"001:3/0"_s, u"002:1/2"_s, u"003:2/-2"_s}));
    EXPECT_EQ(std::pair(deck.counts(no(2)), deck.counts(no(4))), std::pair(CardCounts{1, 4}, CardCounts{}));
}

TEST(Deck, DifferenceListsTheCardsWhoseCountsDiffer)
{
    Deck a, b;
    a.set(no(1), {3, 0});
    a.set(no(2), {1, 0});
    a.set(CardNumber::promotional(1), {1, 0});
    b.set(no(2), {1, 0});
    b.set(no(5), {0, 1});
    b.set(CardNumber::promotional(1), {2, -1});
    using D = Deck::Difference;
    EXPECT_EQ(Deck::difference(a, b), (QList<D>{{no(1), {3, 0}, {}}, {no(5), {}, {0, 1}},
                                                {CardNumber::promotional(1), {1, 0}, {2, -1}}}));
    EXPECT_TRUE(Deck::difference(a, a).isEmpty());
}

}  // namespace
