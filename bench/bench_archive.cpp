// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the archive from disk: the demo archive and the largest one the files can hold.
#include "archive/archive_loader.h"
#include "archive/archive_update.h"
#include "archive/archive_writer.h"
#include "archive/edit_buffer.h"
#include "archive/file_store.h"
#include "archive/super_enalotto.h"
#include "cli/csv_export.h"
#include "demo_archive.h"
#include "storico/storico_writer.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A folder holding `archive`, kept for the whole run.
class ArchiveFolder {
public:
    explicit ArchiveFolder(const Archive& archive) {
        DiskFileStore files(path());
        if (WriteWholeArchive(files, archive))
            std::abort();
    }
    QString path() const { return dir_.path() + u'/'; }

private:
    QTemporaryDir dir_;
};

const ArchiveFolder& demoFolder() {
    static const ArchiveFolder folder(MakeDemoArchive());
    return folder;
}

const ArchiveFolder& largestFolder() {
    static const ArchiveFolder folder(MakeDemoArchive(QDate(2400, 1, 1), MaxDrawCount));
    return folder;
}

void loadFrom(benchmark::State& state, const ArchiveFolder& folder) {
    int draws = 0;
    for (auto _ : state) {
        const auto loaded = LoadArchive(folder.path());
        if (loaded.error)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(loaded);
        draws = loaded.value.DrawCount();
    }
    state.counters["draws"] = draws;
}

void BM_LoadDemoArchive(benchmark::State& state) {
    loadFrom(state, demoFolder());
}
void BM_LoadLargestArchive(benchmark::State& state) {
    loadFrom(state, largestFolder());
}

void BM_DeriveSuperNumbersLargest(benchmark::State& state) {
    Archive archive = MakeDemoArchive(QDate(2400, 1, 1), MaxDrawCount);
    for (auto _ : state) {
        DeriveSuperNumbers(archive);
        benchmark::DoNotOptimize(archive);
    }
}

// A commit of a corrected draw on disk: the "SM" set and its sub-archive written, then a reload.
void BM_CommitCorrection(benchmark::State& state) {
    const ArchiveFolder folder(MakeDemoArchive());
    Archive archive = LoadArchive(folder.path()).value;
    DiskFileStore files(folder.path());
    // Two corrections in turn, so that every commit changes the files.
    std::array<EditBuffer, 2> edits{SampleDraw(), SampleDraw()};
    edits[1].EditNumbers[1][1] = 90;
    const int d = archive.DrawCount() - 1;
    std::size_t turn = 0;
    for (auto _ : state) {
        if (SaveArchive(files, archive, d, edits[turn++ % 2]).error)
            state.SkipWithError("commit failed");
        auto reloaded = LoadArchive(files);
        if (reloaded.error)
            state.SkipWithError("reload failed");
        archive = std::move(reloaded.value);
    }
}

void BM_ExportLargestCsv(benchmark::State& state) {
    const Archive archive = MakeDemoArchive(QDate(2400, 1, 1), MaxDrawCount);
    for (auto _ : state) {
        const QByteArray csv = ExportCsv(archive);
        benchmark::DoNotOptimize(csv.size());
        state.counters["bytes"] = double(csv.size());
    }
}

} // namespace

BENCHMARK(BM_ExportLargestCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CommitCorrection)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDemoArchive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLargestArchive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeriveSuperNumbersLargest)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
