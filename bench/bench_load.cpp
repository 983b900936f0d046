// Catalogue loading and deck opening against the floor of reading and decoding the same file on one
// thread, measured in one run. Each benchmark reports its times as multiples of the floor ("x_floor";
// the aim for a load of 100,000 cards: at most 2.0 in wall time with two cores free). The window's
// loads are in bench_window.

#include "LoadBench.h"

#include "catalogue/CardListLoader.h"
#include "catalogue/EditorState.h"
#include "deckfile/DeckOpener.h"
#include "platform/HeadlessUi.h"

using namespace LoadBench;

namespace {

void BM_FullLoad_Core(benchmark::State& state)
{
    Home& h = home(qint32(state.range(0)));
    HeadlessUi ui;
    EditorState editor;
    measure(state, h, [&] { flngLoadCardList(editor, ui, true); });
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
BENCHMARK(BM_DeckOpeningReload_Core)->Arg(470)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDeck_Core)->Arg(470)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
