// One preview and one card window against a full catalogue load, measured in one run. Each
// benchmark reports its time as a fraction of the load ("x_load") and in milliseconds. A step
// button press with the statistics window open (the press, the figures and the charts drawn) is
// also reported against one frame of 16 ms ("x_frame", the aim under 1).

#include "BenchSupport.h"

#include "app/CardGridView.h"
#include "app/frmTessarin.h"
#include "catalogue/CardListLoader.h"
#include "catalogue/EditorState.h"
#include "cardview/frmCard2.h"
#include "decktools/frmDeckStats.h"
#include "platform/HeadlessUi.h"
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <map>

using namespace Qt::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;

// Cards previewed in turn; each has a picture.
constexpr qint32 kPictured = 16;

struct Home {
    QTemporaryDir dir;
    QString catalogue;
    double loadSeconds = 0;
};

void setModified(const QString& path, const QDateTime& when)
{
    QFile f(path);
    if (f.open(QIODevice::ReadWrite))
        f.setFileTime(when, QFileDevice::FileModificationTime);
}

Home& home(qint32 cards)
{
    static std::map<qint32, std::unique_ptr<Home>> homes;
    auto& h = homes[cards];
    if (!h) {
        h = std::make_unique<Home>();
        h->catalogue = writeGeneratedCatalogue(h->dir.path(), cards);
        // A catalogue being browsed, not one just saved.
        setModified(h->catalogue, QDateTime::currentDateTime().addSecs(-3600));
        QImage picture(240, 336, QImage::Format_RGB32);
        for (qint32 i = 1; i <= kPictured; ++i) {
            picture.fill(QColor::fromHsv(i * 20 % 360, 120, 200));
            picture.save(h->dir.filePath(u"card/%1.jpg"_s.arg(i, 3, 10, QChar(u'0'))), "JPG");
        }
        ProgramFolder::setOverride(h->dir.path());
        HeadlessUi ui;
        EditorState editor;
        double best = 1e9;
        for (int i = 0; i < 3; ++i) {
            const auto start = Clock::now();
            flngLoadCardList(editor, ui, true);
            best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
        }
        h->loadSeconds = best;
    }
    ProgramFolder::setOverride(h->dir.path());
    return *h;
}

template <typename F>
void measure(benchmark::State& state, const Home& h, F&& body)
{
    const double mean = meanSeconds(state, body);
    state.counters["x_load"] = mean / h.loadSeconds;
    state.counters["ms"] = mean * 1000;
    state.counters["load_ms"] = h.loadSeconds * 1000;
}

// A cell move onto the next pictured card, as holding an arrow key does.
void BM_Preview(benchmark::State& state)
{
    Home& h = home(qint32(state.range(0)));
    frmTessarin window;
    flngLoadCardList(window.state(), window.ui(), true);
    window.show();
    qint32 row = 1;
    measure(state, h, [&] {
        const qint32 next = row % kPictured + 1;
        Q_EMIT window.grid()->LeaveCell(2, row, 2, next, nullptr);
        row = next;
    });
}

// The first preview after the catalogue was saved (the file's time is set to now, which takes
// microseconds): the file is parsed again.
void BM_PreviewAfterEdit(benchmark::State& state)
{
    Home& h = home(qint32(state.range(0)));
    frmTessarin window;
    flngLoadCardList(window.state(), window.ui(), true);
    window.show();
    measure(state, h, [&] {
        setModified(h.catalogue, QDateTime::currentDateTime());
        Q_EMIT window.grid()->LeaveCell(2, 1, 2, 2, nullptr);
    });
    setModified(h.catalogue, QDateTime::currentDateTime().addSecs(-3600));
}

void BM_CardWindow(benchmark::State& state)
{
    Home& h = home(qint32(state.range(0)));
    qint32 card = 0;
    measure(state, h, [&] {
        frmCard2 window;
        window.plngSetCard(QString::number(card++ % kPictured + 1));
        window.show();
        QCoreApplication::processEvents();
    });
}

void BM_PressWithStatistics(benchmark::State& state)
{
    Home& h = home(qint32(state.range(0)));
    frmTessarin window;
    flngLoadCardList(window.state(), window.ui(), true);
    window.show();
    for (qint32 row = 1; row <= 60; row += 3)  // a deck of forty cards
        for (qint32 col : {colDeckUp, colDeckUp})
            Q_EMIT window.grid()->ButtonClicked(col, row, 0);
    window.showDeckStats();
    QCoreApplication::processEvents();
    // A card of the deck one copy down and up again: the charts keep their captions.
    qint32 presses = 0;
    measure(state, h, [&] {
        Q_EMIT window.grid()->ButtonClicked(presses++ % 2 ? colDeckUp : colDeckDown, 1, 0);
        QCoreApplication::processEvents();
    });
    state.counters["x_frame"] = state.counters["ms"] / 16;
}

}  // namespace

BENCHMARK(BM_Preview)->Arg(470)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewAfterEdit)->Arg(470)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CardWindow)->Arg(470)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PressWithStatistics)->Arg(100000)->Unit(benchmark::kMillisecond);
