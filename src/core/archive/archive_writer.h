// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/file_sets.h"

#include <QStringList>

class Archive;
class FileStore;

// Every file of `archive` as bytes: the full archive's dates, numbers, weekdays and national-wheel
// files, and the sub-archives "S" (the once-a-week draws, then every second later draw) and "M"
// (the others), each dates file with LastWeeklyDraw in its second word and zero reserved bytes.
ArchiveFiles EncodeArchive(const Archive& archive);

// Each dates file of `encoded` keeps the reserved header bytes (after the count and LastWeeklyDraw)
// that the same file of `onDisk` has.
void KeepReservedBytes(ArchiveFiles& encoded, const ArchiveFiles& onDisk);

// Whether the sub-archives in `onDisk` are what the full archive `archive` implies, header and records.
bool SubArchivesAgree(const Archive& archive, const ArchiveFiles& onDisk);

// The eight files in the order every write replaces them, the order a reader of the files would
// least mind should the journal ever be lost: the full archive's records, its dates file with the
// count, then the sub-archives; into a folder without an archive the full archive's dates file last.
QStringList WriteOrder(bool intoAnArchive);

// Writes a whole archive into a folder that has none, without a lock (the demo archive, tests), all
// or nothing.
Failure WriteWholeArchive(FileStore& files, const Archive& archive);
