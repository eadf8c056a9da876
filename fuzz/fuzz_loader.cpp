// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes for each data file (or no file at all) must load and be checked, or
// fail with a file error, never crash. Then, as the commit does, a new draw is appended: either
// the save fails, or the archive reloads with every earlier draw as it was and the new one last.
#include "archive/archive.h"
#include "archive/archive_check.h"
#include "archive/archive_loader.h"
#include "archive/archive_update.h"
#include "archive/edit_buffer.h"
#include "demo_archive.h"
#include "fuzz_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryFileStore store = FuzzStore(data, size);
    // An archive that does not load is saved into as an empty one, as the window does.
    const Archive archive = LoadCheckedArchive(store).archive;
    const int count = archive.DrawCount();
    if (SaveArchive(store, archive, count + 1, SampleDraw()).error)
        return 0;
    const auto [reloaded, error] = LoadArchive(store);
    if (error || reloaded.DrawCount() != count + 1)
        __builtin_trap(); // a saved draw that does not load back
    for (int d = 1; d <= count; ++d)
        if (!(reloaded.DrawDate(d) == archive.DrawDate(d)) ||
            reloaded.DrawWeekday(d) != archive.DrawWeekday(d))
            __builtin_trap(); // an earlier draw garbled by the append
    if (!(reloaded.DrawDate(count + 1) == PackedDate{9, 10, 4}) ||
        reloaded.DrawNumbers(10, count + 1, 5) != 55)
        __builtin_trap();
    return 0;
}
