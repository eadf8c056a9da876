// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the write path: any archive files, an append, a correction or a repair that
// fails at any write (or not at all), and then a repair, as the next writer would run it. An archive
// that loaded still loads, with its stored draws unchanged by an append; after the repair the
// sub-archives agree with it and every file has the length its count asks for.
#include "archive/archive.h"
#include "archive/archive_check.h"
#include "archive/archive_loader.h"
#include "archive/archive_update.h"
#include "archive/edit_buffer.h"
#include "demo_archive.h"
#include "fuzz_store.h"

namespace {

ArchiveChange changeOf(int kind, const Archive& archive) {
    ArchiveChange change;
    if (kind == 0 || archive.DrawCount() == 0)
        change.appends.push_back(SampleDraw());
    else if (kind == 1)
        change.corrections.emplace_back(archive.DrawCount(), SampleDraw());
    else
        change.repair = true;
    return change;
}

bool derivedFilesAgree(MemoryFileStore& store) {
    ArchiveUpdate update(store);
    if (update.open() != 0)
        return false;
    for (const ArchiveProblem& problem : CheckArchive(update.files(), update.subArchivesPresent()))
        if (problem.repairable())
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const int failing = data[0] % 12, kind = data[1] % 3;
    MemoryFileStore store = FuzzStore(data + 2, size - 2);
    Archive before;
    const bool loaded = LoadArchive(store, before) == 0;
    if (failing != 0)
        store.failWrite(store.writeCount() + failing, 61);
    {
        ArchiveUpdate update(store);
        if (update.open() != 0)
            return 0;
        update.write(changeOf(kind, update.archive()));
    }
    store.failWrite(0, 0);
    Archive after;
    if (loaded && LoadArchive(store, after) != 0)
        __builtin_trap(); // a write that failed part-way left an archive that does not load
    if (loaded && kind == 0)
        for (int d = 1; d <= before.DrawCount(); ++d)
            if (!(after.DrawDate(d) == before.DrawDate(d)) || after.drawWheels(d) != before.drawWheels(d))
                __builtin_trap(); // an append that changed a stored draw
    if (!loaded)
        return 0;
    {
        ArchiveUpdate update(store);
        if (update.open() != 0 || update.write({.repair = true}).error != 0)
            __builtin_trap(); // the next writer cannot put it right
    }
    if (!derivedFilesAgree(store))
        __builtin_trap(); // the sub-archives or the lengths still disagree with the full archive
    return 0;
}
