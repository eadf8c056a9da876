// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the write path: any archive files, an append, a correction or a repair that
// is killed at any change (or not at all). The first reader after it must find the files as they
// were or as the write leaves them, byte for byte. Then a repair, which must keep every sound value:
// a date that is a calendar day, a wheel of five distinct numbers, and every draw up to the count.
#include "archive/archive.h"
#include "archive/archive_check.h"
#include "archive/archive_loader.h"
#include "archive/archive_repair.h"
#include "archive/archive_update.h"
#include "archive/data_file_layout.h"
#include "archive/edit_buffer.h"
#include "demo_archive.h"
#include "fuzz_store.h"

#include <QDate>

namespace {

void write(MemoryFileStore& store, int kind) {
    if (kind == 2) {
        ArchiveUpdate update(store);
        if (!update.open())
            update.write({.files = PlanRepair(update.snapshot()).files});
        return;
    }
    // An archive that does not load is saved into as an empty one, as the window does.
    const Archive loaded = LoadArchive(store).value;
    SaveArchive(store, loaded,
                kind == 0 || loaded.DrawCount() == 0 ? loaded.DrawCount() + 1 : loaded.DrawCount(),
                SampleDraw());
}

ArchiveSnapshot seenFirst(MemoryFileStore& store) {
    auto read = ReadArchive(store);
    if (read.error)
        __builtin_trap(); // a write left files that cannot be read
    return std::move(read.value);
}

bool calendarDay(const QByteArray& dates, int d) {
    const PackedDate date = dateAt(dates, dateRecordOffset(d));
    return date.yearCode <= 99 && QDate(FullYear(date.yearCode), date.month, date.day).isValid();
}

// Every value the repair must keep: the draws up to the count the records bear out, their dates
// that are calendar days, their wheels of five distinct numbers.
void checkSoundValuesKept(const FileSetBytes& before, const FileSetBytes& after) {
    const int count = std::min<int>(DatesFileCount(before.dates), int(dateRecordsIn(before.dates)));
    if (count < 1)
        return;
    if (DatesFileCount(after.dates) < count)
        __builtin_trap(); // a draw dropped
    for (int d = 1; d <= count; ++d) {
        if (calendarDay(before.dates, d) && before.dates.mid(dateRecordOffset(d), DateRecordSize) !=
                                                after.dates.mid(dateRecordOffset(d), DateRecordSize))
            __builtin_trap(); // a sound date changed
        for (int w = 0; w < CityWheels; ++w) {
            const qint64 at = numbersRecordOffset(d) + NumbersPerWheel * w;
            if (at + NumbersPerWheel <= before.numbers.size() &&
                StateOfWheel(reinterpret_cast<const quint8*>(before.numbers.constData() + at)) ==
                    WheelState::Sound &&
                before.numbers.mid(at, NumbersPerWheel) != after.numbers.mid(at, NumbersPerWheel))
                __builtin_trap(); // a sound wheel changed
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const int failing = data[0] % 24, kind = data[1] % 3;
    MemoryFileStore start = FuzzStore(data + 2, size - 2);
    MemoryFileStore done = start;
    write(done, kind);
    MemoryFileStore store = start;
    if (failing != 0)
        store.killAt(start.writeCount() + failing);
    write(store, kind);
    store.stopFailing();
    const ArchiveSnapshot seen = seenFirst(store);
    if (!(seen == seenFirst(start)) && !(seen == seenFirst(done)))
        __builtin_trap(); // a write killed part-way left some files of each state

    write(store, 2);
    checkSoundValuesKept(seen.files.full, seenFirst(store).files.full);
    return 0;
}
