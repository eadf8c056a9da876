// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/file_error.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <utility>
#include <vector>

class FileStore;

// The files of one set ("SM", "S" or "M") as bytes in memory. Only the "SM" set has the weekdays
// and national-wheel files.
struct FileSetBytes {
    QByteArray dates;
    QByteArray numbers;
    QByteArray weekdays;
    QByteArray national;
    friend bool operator==(const FileSetBytes&, const FileSetBytes&) = default;
};

// The files of the full archive and of its two sub-archives.
struct ArchiveFiles {
    FileSetBytes full;
    FileSetBytes weekly;
    FileSetBytes midweek;
    friend bool operator==(const ArchiveFiles&, const ArchiveFiles&) = default;
};

// The eight files of an archive by name, with their place in `files`.
std::vector<std::pair<QString, QByteArray*>> NamedArchiveFiles(ArchiveFiles& files);

// Which files a read takes: all eight, or what a load needs (the full archive's four, and only its
// dates file when its count is damaged).
enum class ReadScope { All, ForLoading };

// The archive's files as one program read them.
struct ArchiveSnapshot {
    ArchiveFiles files;
    QSet<QString> present; // the names of the files there, in lower case

    // The full archive's dates file is there; some file of the archive is there.
    bool exists() const;
    bool anyFile() const { return !present.isEmpty(); }
    // Some file of the sub-archives "S" and "M" is there: they are kept, and a missing one is damage.
    bool subArchives() const;

    friend bool operator==(const ArchiveSnapshot&, const ArchiveSnapshot&) = default;
};

// Every file of the archive as it is on disk, whole, and the names of those that are there. Reads
// the files as they are, without the lock: see ReadArchive.
Result<ArchiveSnapshot> ReadArchiveFiles(FileStore& store, ReadScope scope = ReadScope::All);

// Reads every file of the archive as a reader (start-up, export, check) does: with the lock held
// while it reads, so that it never sees half of a write, and after finishing or undoing a write
// that was cut short. A folder where no lock can be made (read-only) is read without one. Fails with
// ArchiveInUse when a writer keeps the lock.
Result<ArchiveSnapshot> ReadArchive(FileStore& store, ReadScope scope = ReadScope::All);

// The same for a writer, which already holds the lock.
Result<ArchiveSnapshot> ReadArchiveLocked(FileStore& store);
