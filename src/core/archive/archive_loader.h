// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"
#include "archive/file_error.h"

#include <QByteArray>
#include <QString>

class FileStore;
struct FileSetBytes;

// Reads the "SM" file set into a new archive and derives every SuperEnalotto line. Reads as every
// reader does (see ReadArchive): under the lock, after a write cut short is finished or undone.
// A missing dates file is FileNotFound; a missing weekdays, numbers or national-wheel file, and any
// of them shorter than its records, reads as zeros. A dates file whose count is below 1, above the
// largest archive or above the records it holds is damaged: BadRecordNumber. No archive file is
// ever written.
Result<Archive> LoadArchive(FileStore& files);
Result<Archive> LoadArchive(const QString& dataPath);

// The same from the set's bytes in memory.
Result<Archive> DecodeArchive(const FileSetBytes& set);
