// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class Archive;
class FileStore;
struct FileSetBytes;

// Reads the "SM" file set into a new archive and derives every SuperEnalotto line. Reads as every
// reader does (see ReadArchive): under the lock, after a write cut short is finished or undone.
// Returns 0 and replaces `archive` on success; on failure returns the error number
// (see ErrorMessageText) and leaves `archive` exactly as it was.
// A missing dates file is error 53; a missing weekdays, numbers or national-wheel file, and any
// of them shorter than its records, reads as zeros. A dates file whose count is below 1, above the
// largest archive or above the records it holds is damaged: error 63. No archive file is ever
// written.
int LoadArchive(FileStore& files, Archive& archive);
int LoadArchive(const QString& dataPath, Archive& archive);

// The same from the set's bytes in memory.
int DecodeArchive(const FileSetBytes& set, Archive& archive);
