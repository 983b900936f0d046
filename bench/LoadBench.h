#pragma once

// The program folders the load benchmarks share, one per catalogue size, and their measure: the
// times of a run as multiples of the floor of reading and decoding the same file on one thread.

#include "BenchSupport.h"

#include "catalogue/CardListLoader.h"
#include "catalogue/EditorState.h"
#include "platform/Cp932.h"
#include "platform/HeadlessUi.h"
#include "platform/ProgramFolder.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <map>
#include <memory>

namespace LoadBench {

using namespace Qt::StringLiterals;

using Clock = std::chrono::steady_clock;

// One program folder per catalogue size, made once.
struct Home {
    QTemporaryDir dir;
    QString catalogue;
    QString deck;
    struct {
        double wall = 1e9, thread = 1e9, process = 1e9;
    } floor;  // best of several runs
    double windowLoad = 0;  // the best wall time of BM_FullLoad_Window, once it has run
    double coreLoad = 0;    // the best wall time of BM_FullLoad_Core, once it has run
};

inline double readAndDecode(const QString& path)
{
    const auto start = Clock::now();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = f.readAll();
    const QString text = Cp932::decode(bytes.constData(), bytes.size(), 1);
    benchmark::DoNotOptimize(text.constData());
    return std::chrono::duration<double>(Clock::now() - start).count();
}

inline double cpuSeconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

inline Home& home(qint32 cards)
{
    static std::map<qint32, std::unique_ptr<Home>> homes;
    auto& h = homes[cards];
    if (!h) {
        h = std::make_unique<Home>();
        h->catalogue = writeGeneratedCatalogue(h->dir.path(), cards);
        // A 50-card main deck and a side board of 10 in and 10 out, as a player saves it.
        QByteArray deck;
        for (int i = 1; i <= 17; ++i)
            deck += QByteArray::number(i == 17 ? 2 : 3) + ',' + QByteArray::number(i * 7).rightJustified(3, '0') + ",x\r\n";
        deck += "--\r\n";
        for (int i = 1; i <= 5; ++i)
            deck += "2," + QByteArray::number(i * 11).rightJustified(3, '0') + ",x\r\n";
        for (int i = 1; i <= 5; ++i)
            deck += "-2," + QByteArray::number(i * 7).rightJustified(3, '0') + ",x\r\n";
        h->deck = h->dir.filePath(u"deck.txt"_s);
        QFile d(h->deck);
        if (d.open(QIODevice::WriteOnly))
            d.write(deck);
        d.close();
        for (int i = 0; i < 15; ++i) {
            const double t0 = cpuSeconds(CLOCK_THREAD_CPUTIME_ID), p0 = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
            h->floor.wall = std::min(h->floor.wall, readAndDecode(h->catalogue));
            h->floor.thread = std::min(h->floor.thread, cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - t0);
            h->floor.process = std::min(h->floor.process, cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - p0);
        }
    }
    ProgramFolder::setOverride(h->dir.path());
    return *h;
}

// Runs body per iteration and reports its best times as multiples of the floor's best: on a
// machine shared with other work the best run is the one least disturbed by it. x_floor is wall
// time; x_floor_thread the CPU time of the calling thread, which is what the wall time comes to
// on an otherwise idle machine when the work on other threads finishes no later; x_floor_process
// the CPU time of all threads, the whole work.
// The catalogue written at the given time; false when its time could not be set.
inline bool setWritten(const Home& h, const QDateTime& when)
{
    QFile f(h.catalogue);
    return f.open(QIODevice::ReadWrite) && f.setFileTime(when, QFileDevice::FileModificationTime);
}

// edited: the catalogue is written anew before each run, as a load after an edit finds it (and
// parses it afresh, never answered from a parse kept earlier).
template <typename F>
double measure(benchmark::State& state, const Home& h, F&& body, bool edited = true)
{
    double wall = 1e9, thread = 1e9, process = 1e9;
    for (auto _ : state) {
        if (edited && !setWritten(h, QDateTime::currentDateTime()))
            state.SkipWithError("the catalogue's time could not be set");
        const auto start = Clock::now();
        const double t0 = cpuSeconds(CLOCK_THREAD_CPUTIME_ID), p0 = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
        body();
        wall = std::min(wall, std::chrono::duration<double>(Clock::now() - start).count());
        thread = std::min(thread, cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - t0);
        process = std::min(process, cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - p0);
    }
    state.counters["x_floor"] = wall / h.floor.wall;
    state.counters["x_floor_thread"] = thread / h.floor.thread;
    state.counters["x_floor_process"] = process / h.floor.process;
    state.counters["floor_cpu_ms"] = h.floor.thread * 1000;
    state.counters["wall_ms"] = wall * 1000;
    return wall;
}

// A full load in the core; its best time is what other cases of the same run report "x_load"
// against, so it runs before them.
inline void BM_FullLoad_Core(benchmark::State& state)
{
    Home& h = home(qint32(state.range(0)));
    HeadlessUi ui;
    EditorState editor;
    const double wall = measure(state, h, [&] { flngLoadCardList(editor, ui, true); });
    h.coreLoad = h.coreLoad > 0 ? std::min(h.coreLoad, wall) : wall;
}

inline void BM_Floor_ReadAndDecode(benchmark::State& state)
{
    Home& h = home(qint32(state.range(0)));
    measure(state, h, [&] { readAndDecode(h.catalogue); });
}

}  // namespace LoadBench
