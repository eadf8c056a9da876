// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"
#include "support/memory_file_store.h"

#include <QStringList>
#include <functional>
#include <initializer_list>

struct EditBuffer;

// Puts the numbers of one wheel of one draw into a hand-made archive, positions from 1 on.
inline void SetWheel(Archive& archive, int draw, int wheel, std::initializer_list<int> numbers) {
    int p = 1;
    for (int n : numbers)
        archive.setDrawNumber(wheel, draw, p++, qint16(n));
}

// The demo archive, made once.
const Archive& DemoArchive();
// The first `draws` draws of the demo calendar.
Archive DemoOf(int draws);
// A store holding every file of `archive`, as a whole import writes them.
MemoryFileStore StoreOf(const Archive& archive);
// The archive in `store`; an empty one, with a warning, when it does not load.
Archive Load(FileStore& store);
// `archive` with draw `draw` as `edit` says (DrawCount + 1: appended); LastWeeklyDraw kept.
Archive WithDraw(const Archive& archive, int draw, const EditBuffer& edit);
// The names of the archive's files whose bytes differ between two stores.
QStringList DifferingFiles(const MemoryFileStore& actual, const MemoryFileStore& expected);

// Runs `write` on copies of `start`, killed at each of the changes it makes in turn and, again,
// with each change failing once. After each, the first reader of the archive must find the files
// of `start` or those that `write` leaves when nothing fails, byte for byte, and nothing of the
// write left in the data folder. Fails the running test otherwise.
void CheckEveryStep(const MemoryFileStore& start, const std::function<void(MemoryFileStore&)>& write);
