// libFuzzer target: any bytes for each data file of the full archive (or no file at all) must load
// or fail with an error number, never crash. Then, as the commit does, a new draw is appended
// where the files' own count says: either the save fails, or the archive reloads with every
// earlier draw as it was and the new one last.
#include "archive/archive.h"
#include "archive/archive_loader.h"
#include "archive/archive_update.h"
#include "archive/data_file_layout.h"
#include "archive/edit_buffer.h"
#include "demo_archive.h"
#include "support/memory_file_store.h"

#include <cstddef>
#include <cstdint>

namespace {

// Input: one byte whose bits say which files exist, then for each existing file a 16-bit
// little-endian length and that many bytes (cut short by the end of the input).
MemoryFileStore storeOf(const uint8_t* data, size_t size) {
    static const QString names[] = {DataFileName::SmDates, DataFileName::SmNumbers, DataFileName::Weekdays,
                                    DataFileName::National};
    MemoryFileStore store;
    if (size == 0)
        return store;
    const uint8_t present = data[0];
    size_t at = 1;
    for (int i = 0; i < 4; ++i) {
        if (!(present & (1u << i)))
            continue;
        size_t length = at + 2 <= size ? size_t(data[at] | (data[at + 1] << 8)) : 0;
        at = std::min(at + 2, size);
        length = std::min(length, size - at);
        store.setFile(names[i], QByteArray(reinterpret_cast<const char*>(data + at), qsizetype(length)));
        at += length;
    }
    return store;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryFileStore store = storeOf(data, size);
    Archive archive;
    LoadArchive(store, archive);

    const int count = archive.DrawCount();
    if (SaveArchive(store, archive, count + 1, SampleDraw()).error != 0)
        return 0;
    Archive reloaded;
    if (LoadArchive(store, reloaded) != 0 || reloaded.DrawCount() != count + 1)
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
