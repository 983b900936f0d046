// Catalogue loading and deck opening against the floor of reading and decoding the same file on one
// thread, measured in one run. Each benchmark reports its times as multiples of the floor ("x_floor";
// the aim for a load of 100,000 cards: at most 2.0 in wall time with two cores free). The window's
// loads are in bench_window.

#include "LoadBench.h"

#include "catalogue/CardListLoader.h"
#include "catalogue/EditorState.h"
#include "deck/CountEditing.h"
#include "deck/Deck.h"
#include "deckfile/DeckOpener.h"
#include "platform/HeadlessUi.h"

using namespace LoadBench;

namespace {

// A deck of one copy of every card, read from the grid (range 0) or pressed into it (range 1: a
// deck into an empty grid and back to none, each a change of every card). "x_load" is the best
// time against the best core load of the same catalogue (the aim: under 0.25 each); the loads run
// first.
void BM_DeckOfEveryCard_Core(benchmark::State& state)
{
    Home& h = home(100000);
    HeadlessUi ui;
    EditorState editor;
    flngLoadCardList(editor, ui, false);
    CardGrid& grid = editor.fpsCardList;
    for (qint32 r = 1; r <= grid.rowCount(); ++r)
        fpsCardList_ButtonClicked(grid, editor.totals, editor.limits, colDeckUp, r);
    const Deck every = Deck::fromGrid(grid);
    const Deck none;
    double best = 1e9;
    bool full = true;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (state.range(0) == 0) {
            benchmark::DoNotOptimize(Deck::fromGrid(grid).cards().size());
        } else {
            (full ? none : every).applyTo(grid, editor.totals, editor.limits);
            full = !full;
        }
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    if (every.cards().size() != size_t(grid.rowCount()))
        state.SkipWithError("not every card was counted");
    state.counters["cards"] = double(every.cards().size());
    if (h.coreLoad > 0)
        state.counters["x_load"] = best / h.coreLoad;
}

void BM_DeckOpeningReload_Core(benchmark::State& state)
{
    Home& h = home(qint32(state.range(0)));
    HeadlessUi ui;
    EditorState editor;
    measure(state, h, [&] { flngLoadCardList(editor, ui, false); });
}

void BM_OpenDeck_Core(benchmark::State& state)
{
    Home& h = home(qint32(state.range(0)));
    HeadlessUi ui;
    EditorState editor;
    measure(state, h, [&] {
        QString path = h.deck;
        plngOpenFile(editor, ui, path);
    });
    if (editor.totals.value(TotalLabel::lblSum) != 50)
        state.SkipWithError("the benchmark deck did not load as 50 cards");
}

}  // namespace

BENCHMARK(BM_Floor_ReadAndDecode)->Arg(470)->Arg(100000)->Unit(benchmark::kMillisecond);
// 4096 rows: the smallest catalogue read on two threads.
BENCHMARK(BM_FullLoad_Core)->Arg(470)->Arg(4096)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeckOfEveryCard_Core)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeckOpeningReload_Core)->Arg(470)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDeck_Core)->Arg(470)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
