#pragma once

#include "CatalogueGenerator.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <benchmark/benchmark.h>

#include <chrono>

// Makes folder a program folder holding a generated catalogue of the given size (with three
// promotional cards) and answers the catalogue's path.
inline QString writeGeneratedCatalogue(const QString& folder, qint32 cards)
{
    QDir(folder).mkpath(QStringLiteral("card"));
    const QString path = folder + QStringLiteral("/card/cardlist.ini");
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(generateCatalogue(cards, 3, 2026));
    return path;
}

// Runs body once per benchmark iteration and answers the mean wall time of one run in seconds,
// for reporting as a ratio against another measure taken in the same run.
template <typename F>
double meanSeconds(benchmark::State& state, F&& body)
{
    using Clock = std::chrono::steady_clock;
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        body();
        total += std::chrono::duration<double>(Clock::now() - start).count();
    }
    return total / double(state.iterations());
}
