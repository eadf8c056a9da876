// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"
#include "archive/edit_buffer.h"
#include "archive/file_sets.h"

#include <QDateTime>
#include <QSet>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class FileStore;
class StoreLock;

// What one write changes in the archive.
struct ArchiveChange {
    std::vector<std::pair<int, EditBuffer>> corrections{}; // a stored draw 1..DrawCount, as it becomes
    std::vector<EditBuffer> appends{};                     // new draws after the last one, in order
    std::optional<Archive> whole{};                        // the whole archive instead (a rebuild)
    bool repair = false; // rewrite what derives from the full archive, and keep a backup first
};

struct ArchiveUpdateResult {
    int error = 0;                   // 0, a file error, or a damaged archive (63) or value (6)
    bool subArchivesRebuilt = false; // "S" and "M" disagreed with the full archive and were rewritten
    QString backup{};                // where the files were copied before stored draws changed
};

// The archive's one write path: the window's commit, the import, repair and rebuild all write
// through it. It holds the data folder's lock from the moment it reads the files until its last
// write, builds every file's new bytes in memory and writes each changed file once: the full
// archive's records first, its dates file with the count last, then the sub-archives, which are
// always what the full archive implies (a draw's place there comes from its index and
// LastWeeklyDraw). Into a folder without an archive the full archive's dates file goes last of all.
// A write that changes or removes stored draws first copies the files into a backup.
class ArchiveUpdate {
public:
    explicit ArchiveUpdate(FileStore& files);
    ~ArchiveUpdate();

    // Takes the lock (waiting a few seconds for another writer) and reads every file set. Returns
    // 0, ErrorNumber::ArchiveInUse, or the error of a read; nothing is written. A reader that will
    // not write (a dry run) takes no lock, like every reader.
    int open(bool forWriting = true);
    // After open: whether the folder holds an archive, and the archive as read (loadError() is 0),
    // or why it cannot be read (63 for a damaged count).
    bool exists() const { return exists_; }
    int loadError() const { return loadError_; }
    const Archive& archive() const { return archive_; }
    // The files as read, and whether the sub-archives are there.
    const ArchiveFiles& files() const { return disk_; }
    bool subArchivesPresent() const { return subArchives_; }

    // Writes `change`; the archive must have loaded unless the change is a whole archive.
    ArchiveUpdateResult write(const ArchiveChange& change);

    // The clock that names backups.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };

private:
    int apply(const ArchiveChange& change, Archive& next) const;
    int writeFiles(const ArchiveFiles& target, const Archive& next, bool whole);

    FileStore& files_;
    std::unique_ptr<StoreLock> lock_;
    bool exists_ = false;
    bool subArchives_ = false;
    QSet<QString> present_; // the names of the files there, in lower case
    int loadError_ = 0;
    ArchiveFiles disk_;
    Archive archive_;
};

// The commit of one draw from the window: draw `draw` of `loaded` (the archive as the window
// loaded it) corrected, or DrawCount + 1 appended. Writes nothing and returns
// ErrorNumber::ArchiveChanged when the archive on disk is no longer `loaded`.
ArchiveUpdateResult SaveArchive(FileStore& files, const Archive& loaded, int draw, const EditBuffer& edit);
