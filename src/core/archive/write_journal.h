// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/file_store.h"

#include <QString>

// All or nothing across the archive's files. A write first puts every changed file's new bytes
// beside the archive ("<name>.new", synced), then a small journal naming them with their lengths and
// checksums (synced, with a checksum of its own), then renames them into place and removes the
// journal. Whoever opens the archive next finishes the renames of a complete journal, or removes an
// incomplete one with its files, before it reads: so a write cut short anywhere leaves the old
// archive or the new one, byte for byte, never some files of each.

inline const QString JournalName = QStringLiteral("vorel.journal");

// Replaces the archive files named in `files` by their bytes, all or nothing. A failure of a step
// before the journal is complete changes nothing; after it, the next opening of the archive
// completes the write.
Failure CommitFiles(FileStore& store, const NamedFiles& files);

// Finishes or undoes a write cut short, and removes the temporary files that writes cut short
// leave behind. Called with the lock held, before the archive is read.
Failure FinishInterruptedWrite(FileStore& store);

// Whether the data folder holds anything a write cut short leaves behind.
bool HasInterruptedWrite(const QStringList& entries);
