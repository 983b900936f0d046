// Trying a deck, comparing two and reading a deck list, on a catalogue of 100,000 cards with a
// deck of 100,000 counted cards (one copy of every card). Each case reports its best wall time
// ("wall_ms") and that time against the best core load of the same run ("x_load"). The aims: the
// odds table under 100 ms; a comparison, and a list of 10,000 lines read, under 0.5 of a load.

#include "LoadBench.h"

#include "deck/CountEditing.h"
#include "deck/DeckOdds.h"
#include "deckfile/DeckComparison.h"
#include "deckfile/DeckList.h"

using namespace LoadBench;

namespace {

constexpr qint32 kCards = 100000;

// The catalogue loaded, and every card's main count (or, with every > 1, every every-th card's
// side-board count too) pressed up once.
void loadWithEveryCard(EditorState& editor, qint32 sideEvery = 0)
{
    HeadlessUi ui;
    flngLoadCardList(editor, ui, false);
    CardGrid& grid = editor.fpsCardList;
    for (qint32 r = 1; r <= grid.rowCount(); ++r) {
        fpsCardList_ButtonClicked(grid, editor.totals, editor.limits, colDeckUp, r);
        if (sideEvery > 0 && r % sideEvery == 0)
            fpsCardList_ButtonClicked(grid, editor.totals, editor.limits, colSideUp, r);
    }
}

template <typename F>
void report(benchmark::State& state, const Home& h, F&& body)
{
    double best = 1e9;
    for (auto _ : state) {
        const auto start = Clock::now();
        body();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    state.counters["wall_ms"] = best * 1000;
    if (h.coreLoad > 0)
        state.counters["x_load"] = best / h.coreLoad;
}

void BM_OddsTable(benchmark::State& state)
{
    Home& h = home(kCards);
    EditorState editor;
    loadWithEveryCard(editor);
    qsizetype rows = 0;
    report(state, h, [&] { rows = deckOdds(editor.fpsCardList, DeckPart::Main, 7, 5).rows.size(); });
    if (rows < kCards)
        state.SkipWithError("not every card has a row");
    state.counters["rows"] = double(rows);
}

// The deck on screen, sorted by name as a player may have left it, against one whose side board
// brings in a copy of every tenth card.
void BM_CompareDecks(benchmark::State& state)
{
    Home& h = home(kCards);
    EditorState a, b;
    loadWithEveryCard(a);
    loadWithEveryCard(b, 10);
    a.fpsCardList.sort({{colName, false}});
    qsizetype differing = 0;
    report(state, h, [&] { differing = compareDecks(a.fpsCardList, b.fpsCardList).cards.size(); });
    if (differing != kCards / 10)
        state.SkipWithError("the comparison missed cards");
}

// 10,000 lines, each naming a different card: range 0 by number and name ("3 001 名前"), 1 by name
// alone, 2 by a name written with a blank that only the loose look-up finds.
void BM_ReadList(benchmark::State& state)
{
    Home& h = home(kCards);
    EditorState editor;
    HeadlessUi ui;
    flngLoadCardList(editor, ui, false);
    const CardGrid& grid = editor.fpsCardList;
    QString text;
    for (qint32 i = 1; i <= 10000; ++i) {
        const qint32 row = i * (kCards / 10000) - 3;
        const QString name = grid.cellText(colName, row);
        if (state.range(0) == 0)
            text += u"3 "_s + grid.cellText(colNo, row) + u' ' + name + u'\n';
        else if (state.range(0) == 1)
            text += u"3 "_s + name + u'\n';
        else
            text += u"3 "_s + name.left(2) + u' ' + name.mid(2) + u'\n';
    }
    qsizetype cards = 0, unmatched = 0;
    report(state, h, [&] {
        const DeckList list = readDeckList(text, grid, editor.limits);
        cards = qsizetype(list.deck.cards().size());
        unmatched = list.unmatched.size();
    });
    if (cards != 10000 || unmatched != 0)
        state.SkipWithError("the list did not read as 10,000 cards");
}

}  // namespace

BENCHMARK(BM_FullLoad_Core)->Arg(kCards)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OddsTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompareDecks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadList)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
