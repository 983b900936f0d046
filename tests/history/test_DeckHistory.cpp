#include "history/DeckHistory.h"
#include "history/HistoryText.h"

#include "DeckFixture.h"

#include "deckfile/DeckOpener.h"
#include "deckfile/RecentDecks.h"

#include <gtest/gtest.h>

#include <random>

using namespace Qt::StringLiterals;

namespace {

struct Seen {
    QStringList counts;  // by card number
    Totals totals;
    QString title;
    bool operator==(const Seen&) const = default;
};

Seen seen(const DeckFixture& f) { return {f.cardCounts(), f.state.totals, f.ui.lastTitle()}; }

// Random presses, header sorts, openings (one stops at a bad record) and side-board resets, each
// recorded as the editor records it: undoing every step gives the start back, card by card with
// totals and title, and redoing every step the end.
TEST(DeckHistory, UndoingEverythingGivesTheStartAndRedoingEverythingTheEnd)
{
    DeckFixture f(20);
    const QString decks[] = {f.deckFile(u"a.txt"_s, {u"3,004,x"_s, u"1,P01,x"_s, u"--"_s, u"-1,004,x"_s, u"2,009,x"_s}),
                             f.deckFile(u"bad.txt"_s, {u"2,011,x"_s, u"3"_s, u"1,012,x"_s})};
    std::mt19937 random(2026);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    for (int sequence = 0; sequence < 300; ++sequence) {
        DeckHistory history;
        const Seen start = seen(f);
        for (int step = pick(10); step > 0; --step) {
            switch (pick(5)) {
            case 0:
            case 1:
                history.press(f.state, std::array{colDeckUp, colDeckDown, colSideUp, colSideDown}[size_t(pick(4))],
                              1 + pick(f.state.fpsCardList.rowCount()));
                break;
            case 2:
                f.state.fpsCardList.sort({{1 + pick(kColumnCount), pick(2) == 1}});
                break;
            case 3:
                history.recordChange(f.state, [&] {
                    QString path = decks[pick(2)];
                    plngOpenFile(f.state, f.ui, path);
                }, [&] { return HistoryText::opening(f.state.deckName); });
                break;
            default:
                history.recordChange(f.state, [&] { fsubSideReset(f.state.fpsCardList, f.state.totals, f.ui); },
                                     [] { return HistoryText::sideReset(); });
            }
        }
        const Seen end = seen(f);
        while (history.undo(f.state, f.ui)) {}
        ASSERT_EQ(seen(f), start) << "sequence " << sequence;
        while (history.redo(f.state, f.ui)) {}
        ASSERT_EQ(seen(f), end) << "sequence " << sequence;
    }
}

TEST(DeckHistory, ANewStepDropsWhatCouldBeRedoneAndTheOldestGoPastTheCapacity)
{
    DeckFixture f(10);
    DeckHistory history(3);
    EXPECT_FALSE(history.press(f.state, colDeckDown, 1)) << "absorbed: no step";
    for (qint32 row = 1; row <= 5; ++row)
        history.press(f.state, colDeckUp, row);
    EXPECT_EQ(history.nextUndo()->label, u"札5 メイン +1"_s);
    int undone = 0;
    while (history.undo(f.state, f.ui))
        ++undone;
    EXPECT_EQ(std::pair(undone, f.cardCounts()), std::pair(3, QStringList{u"001:1/0"_s, u"002:1/0"_s}));
    history.redo(f.state, f.ui);
    history.press(f.state, colSideUp, 7);
    EXPECT_EQ(std::tuple(history.nextRedo(), history.nextUndo()->label, f.cardCounts()),
              std::tuple(nullptr, u"ソ表の札 サイド +1"_s, QStringList{u"001:1/0"_s, u"002:1/0"_s, u"003:1/0"_s, u"007:0/1"_s}));
}

// The recent decks: newest first, ten at most, a deck opened again moves to the top; a settings
// file that is damaged or cannot be written changes nothing and says nothing.
TEST(RecentDecks, KeepsTheLastTenAndNeverNeedsItsFile)
{
    Fixtures::TempFolder folder;
    const QString file = folder.file(u"config/tessarin.ini"_s);
    {
        RecentDecks recent(file);
        for (int i = 1; i <= 12; ++i)
            recent.add(folder.file(u"d%1.txt"_s.arg(i)));
        recent.add(folder.file(u"d5.txt"_s));
        recent.setLastFolder(folder.path());
    }
    RecentDecks reread(file);
    QStringList expected{folder.file(u"d5.txt"_s)};
    for (int i = 12; i >= 3; --i)
        if (i != 5)
            expected << folder.file(u"d%1.txt"_s.arg(i));
    EXPECT_EQ(std::pair(reread.files(), reread.lastFolder()), std::pair(expected, folder.path()));

    const QString damaged = folder.withBytes(u"damaged.ini"_s, "[recent\nfiles=\"unclosed\n\xff\xfe");
    const QString below = folder.file(u"damaged.ini/below/tessarin.ini"_s);  // under a regular file
    const QStringList x{folder.file(u"x.txt"_s)};
    EXPECT_EQ(std::pair(RecentDecks(damaged).files(), RecentDecks(below).files()), std::pair(QStringList(), QStringList()));
    RecentDecks(damaged).add(x[0]);
    RecentDecks unwritable(below);
    unwritable.add(x[0]);
    EXPECT_EQ(std::pair(RecentDecks(damaged).files(), unwritable.files()), std::pair(x, x));
}

}  // namespace
