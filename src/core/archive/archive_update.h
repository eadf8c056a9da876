// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"
#include "archive/archive_check.h"
#include "archive/edit_buffer.h"
#include "archive/file_sets.h"

#include <QDateTime>
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
    bool dropLast =
        false; // the last draw taken back, before any append: nothing else can go without renumbering
    std::optional<Archive> whole{};         // the whole archive instead (a rebuild)
    std::optional<ArchiveSnapshot> files{}; // the files themselves (a repair, a restore)
};

struct ArchiveUpdateResult {
    Failure error{};                 // a file error, a damaged archive, a draw or value out of range
    bool started = false;            // the files were being replaced when the error came (see CommitFiles)
    QString file{};                  // the file a refused permission concerns
    bool subArchivesRebuilt = false; // "S" and "M" disagreed with the full archive and were rewritten
    QString backup{};                // the backup's folder (below the data folder), when one was made
};

// The archive's one write path: the window's commit, the import, repair, rebuild and restore all
// write through it. It holds the data folder's lock from the moment it reads the files until its
// last write, builds every file's new bytes in memory and replaces the changed files all or nothing
// (see write_journal.h). The sub-archives are always what the full archive implies (a draw's place
// there comes from its index and LastWeeklyDraw). A write that changes stored draws or rewrites the
// sub-archives, and every repair, rebuild and restore, first copies the files into a backup.
// Nothing is added to or corrected in an archive whose full set is damaged.
class ArchiveUpdate {
public:
    explicit ArchiveUpdate(FileStore& files);
    ~ArchiveUpdate();

    // Takes the lock (waiting a few seconds for another program), finishes or undoes a write cut
    // short, reads and checks every file; nothing is written. Fails with ArchiveInUse while another
    // program writes. A reader that will not write (a dry run) lets the lock go after reading, as
    // every reader does.
    Failure open(bool forWriting = true);
    // After open: whether the folder holds an archive, and the archive as read (no loadError()), or
    // why it cannot be read (BadRecordNumber for a damaged count).
    bool exists() const { return snapshot_.exists(); }
    Failure loadError() const { return loadError_; }
    const Archive& archive() const { return archive_; }
    // The files as read, what the check found in them, and whether that is damage.
    const ArchiveSnapshot& snapshot() const { return snapshot_; }
    const std::vector<ArchiveProblem>& problems() const { return problems_; }
    bool damaged() const { return HasDamage(problems_); }

    // Writes `change`. Corrections and appends need an archive that loads and has no damage.
    ArchiveUpdateResult write(const ArchiveChange& change);

    // The clock that names backups.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };

private:
    Result<Archive> apply(const ArchiveChange& change) const;
    ArchiveSnapshot targetOf(const Archive& next, bool whole) const;

    FileStore& files_;
    std::unique_ptr<StoreLock> lock_;
    ArchiveSnapshot snapshot_;
    std::vector<ArchiveProblem> problems_;
    Failure loadError_;
    Archive archive_;
};

// The commit of one draw from the window: draw `draw` of `loaded` (the archive as the window
// loaded it) corrected, or DrawCount + 1 appended. Writes nothing and fails with ArchiveChanged
// when the archive on disk is no longer `loaded`.
ArchiveUpdateResult SaveArchive(FileStore& files, const Archive& loaded, int draw, const EditBuffer& edit);
// Takes back the last draw of `loaded`, as SaveArchive writes one: nothing when the archive on
// disk is no longer `loaded` (ArchiveChanged), after a backup otherwise.
ArchiveUpdateResult DeleteLastDraw(FileStore& files, const Archive& loaded);
