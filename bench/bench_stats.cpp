// SPDX-License-Identifier: GPL-3.0-or-later
// The figures and the search over the whole history: the real draws when the reference data is
// beside the sources, otherwise the demo archive, about as large.
#include "archive/archive_loader.h"
#include "archive/file_store.h"
#include "demo_archive.h"
#include "stats/draw_search.h"
#include "stats/draw_stats.h"
#include "storico/storico_import.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const Archive& history() {
    static const Archive archive = [] {
        QFile file(QStringLiteral(VOREL_SHARED_DATA "/storico.txt"));
        QTemporaryDir folder;
        DiskFileStore files(folder.path());
        if (!file.open(QIODevice::ReadOnly) ||
            ImportStorico(files, file.readAll(), {}).status != ImportReport::Agrees)
            return MakeDemoArchive();
        return LoadArchive(files).value;
    }();
    return archive;
}

void BM_NumbersOfOneWheel(benchmark::State& state) {
    const DrawPeriod period = PeriodOf(history(), 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(NumberFigures(history(), 1, period));
    state.counters["draws"] = period.size();
}

void BM_NumbersOfAllWheels(benchmark::State& state) {
    const DrawPeriod period = PeriodOf(history(), AnyWheel);
    for (auto _ : state)
        benchmark::DoNotOptimize(NumberFigures(history(), AnyWheel, period));
}

void BM_PairsOfOneWheel(benchmark::State& state) {
    const DrawPeriod period = PeriodOf(history(), 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(PairFigures(history(), 1, period));
}

// The period itself, worked out each time the window changes it.
void BM_PeriodOfAllWheels(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(PeriodOf(history(), AnyWheel));
}

void BM_SearchTwoNumbersOnAnyWheel(benchmark::State& state) {
    const DrawPeriod period = PeriodOf(history(), AnyWheel);
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<DrawMatch> matches = FindDraws(history(), {7, 45}, AnyWheel, period);
        found = matches.size();
        benchmark::DoNotOptimize(matches);
    }
    state.counters["found"] = double(found);
}

} // namespace

BENCHMARK(BM_NumbersOfOneWheel)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NumbersOfAllWheels)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PairsOfOneWheel)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PeriodOfAllWheels)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchTwoNumbersOnAnyWheel)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
