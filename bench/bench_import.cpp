// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and matching pasted text: a published draw padded with other text up to a size.
#include "archive/constant_tables.h"
#include "demo_archive.h"
#include "paste/paste_analysis.h"

#include <benchmark/benchmark.h>

namespace {

const Archive& demo() {
    static const Archive archive = MakeDemoArchive();
    return archive;
}

// A text of about `bytes` bytes: lines of other games first, then the draw of 5 March 2005.
QString pastedText(int bytes) {
    QString text;
    const QString noise =
        QStringLiteral("10eLotto 3 7 12 18 22 29 33 41 45 50 52 58 61 66 70 74 79 83 86 90\r\n");
    while (text.size() < bytes - 400)
        text += noise;
    text += QStringLiteral("Sabato 05/03/2005\r\n");
    const int d = 3462;
    for (int w = 1; w <= 10; ++w) {
        text += WheelName(w);
        for (int p = 1; p <= 5; ++p)
            text += u' ' + QString::number(demo().DrawNumbers(w, d, p));
        text += QStringLiteral("\r\n");
    }
    return text;
}

void BM_AnalysePastedText(benchmark::State& state) {
    const QString text = pastedText(int(state.range(0)));
    for (auto _ : state) {
        const PasteAnalysis result = AnalysePastedText(text, demo());
        benchmark::DoNotOptimize(result.outcome);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_AnalysePastedText)
    ->Arg(1 << 10)
    ->Arg(1 << 16)
    ->Arg(1 << 18)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
