// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/file_sets.h"

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

// Writes a whole archive into a folder that has none, without a lock (the demo archive, tests), all
// or nothing. Returns 0 or the error number of the failed write.
int WriteWholeArchive(FileStore& files, const Archive& archive);
