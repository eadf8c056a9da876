// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

// Reads the files of set `suffix` whole (a missing file as empty). Returns 0 or the error number.
int ReadFileSet(FileStore& files, const QString& suffix, FileSetBytes& set);

// The files of the full archive and of its two sub-archives.
struct ArchiveFiles {
    FileSetBytes full;
    FileSetBytes weekly;
    FileSetBytes midweek;
    friend bool operator==(const ArchiveFiles&, const ArchiveFiles&) = default;
};

// The eight files of an archive by name, with their place in `files`.
std::vector<std::pair<QString, QByteArray*>> NamedArchiveFiles(ArchiveFiles& files);

// Every file of the archive as it is on disk, whole, and the names (in lower case) of those that are
// there. Returns 0 or the error number of a failed read.
int ReadArchiveFiles(FileStore& store, ArchiveFiles& files, QSet<QString>& present);
