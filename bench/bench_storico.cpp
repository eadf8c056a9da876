// SPDX-License-Identifier: GPL-3.0-or-later
// Importing the official results file: into an empty folder, and over a complete archive (every
// draw verified, nothing written). The real file is used when the reference data is beside the
// sources; otherwise the demo archive in the same format, about as large.
#include "archive/file_store.h"
#include "cli/csv_export.h"
#include "demo_archive.h"
#include "storico/storico_import.h"
#include "storico/storico_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QByteArray& officialFile() {
    static const QByteArray bytes = [] {
        QFile file(QStringLiteral(VOREL_SHARED_DATA "/storico.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : ExportStorico(MakeDemoArchive());
    }();
    return bytes;
}

void removeArchive(const QString& folder) {
    QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.dtb")}, QDir::Files))
        dir.remove(name);
}

void BM_ImportIntoEmptyFolder(benchmark::State& state) {
    QTemporaryDir folder;
    DiskFileStore files(folder.path());
    for (auto _ : state) {
        state.PauseTiming();
        removeArchive(folder.path());
        state.ResumeTiming();
        const ImportReport report = ImportStorico(files, officialFile(), {});
        if (report.status != ImportReport::Agrees)
            state.SkipWithError("the import failed");
    }
}

void BM_ImportOverCompleteArchive(benchmark::State& state) {
    QTemporaryDir folder;
    DiskFileStore files(folder.path());
    ImportStorico(files, officialFile(), {});
    for (auto _ : state) {
        const ImportReport report = ImportStorico(files, officialFile(), {});
        if (report.verified != report.read || report.added != 0)
            state.SkipWithError("the archive does not agree");
    }
}

} // namespace

BENCHMARK(BM_ImportIntoEmptyFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportOverCompleteArchive)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
