// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/file_error.h"

#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

// The result of reading one data file. A missing file is no error: `exists` is false.
struct FileRead {
    Failure error;
    bool exists = false;
    QByteArray bytes;
};

// The archive's lock, held while the object lives.
class StoreLock {
public:
    virtual ~StoreLock() = default;
};

// Named files and their bytes.
using NamedFiles = std::vector<std::pair<QString, QByteArray>>;

// Where the data files live. A path is a file name in the data folder, or "folder/name" below it
// (the backups); file names are matched without regard to letter case. Every operation opens, uses
// and closes one file, and returns its failure, if any.
class FileStore {
public:
    virtual ~FileStore() = default;
    // Reads at most `maxBytes` bytes (all when negative). Never creates a file.
    virtual FileRead read(const QString& path, qint64 maxBytes = -1) = 0;
    // Writes `bytes` as the whole file (made, with its folders, when missing) and has them reach
    // the disk before it returns. Not in one step: a write cut short leaves part of them, so the
    // archive's own files are never written this way but put in place with rename().
    virtual Failure write(const QString& path, const QByteArray& bytes) = 0;
    // Puts the file `from` in the place of `to` in one step, replacing it.
    virtual Failure rename(const QString& from, const QString& to) = 0;
    // Removes a file, or a folder with everything in it; one that is not there is no error.
    virtual Failure remove(const QString& path) = 0;
    // The names of the files and folders in the folder `path` (empty: the data folder).
    virtual QStringList entries(const QString& path = {}) = 0;
    // Has the renames and removals so far reach the disk.
    virtual Failure sync() = 0;
    // Nothing when the file `path` (or a new file of that name) may be written, else why not
    // (PermissionDenied for a read-only file or folder).
    virtual Failure writable(const QString& path) = 0;
    // Takes the archive's lock, for one program at a time, waiting up to `waitMs` for another to
    // let it go. Fails with ArchiveInUse while another holds it.
    virtual Result<std::unique_ptr<StoreLock>> lock(int waitMs) = 0;
    // Where `path` is, as the user is told it.
    virtual QString location(const QString& path) const = 0;
};

// Data files in a folder of the disk. An existing file of any letter case is used (of several,
// always the same one), a new file gets the name as asked for.
class DiskFileStore final : public FileStore {
public:
    // With `createFolder` a write first makes the folder when it is missing (the per-user data
    // folder of a first start); otherwise a missing folder is PathNotFound.
    explicit DiskFileStore(QString folder, bool createFolder = false);

    FileRead read(const QString& path, qint64 maxBytes = -1) override;
    Failure write(const QString& path, const QByteArray& bytes) override;
    Failure rename(const QString& from, const QString& to) override;
    Failure remove(const QString& path) override;
    QStringList entries(const QString& path = {}) override;
    Failure sync() override;
    Failure writable(const QString& path) override;
    // A lock file beside the data files; one left behind by a program that ended is taken over.
    Result<std::unique_ptr<StoreLock>> lock(int waitMs) override;
    // The full path of the file that `path` reaches, with the system's separators.
    QString location(const QString& path) const override;

    // Full path of the file that `path` reaches.
    QString resolve(const QString& path) const;

private:
    Failure folderError() const;
    // Why the lock file could not be taken, with errno as the attempt left it.
    FileError lockFailure(const QLockFile& file, int systemError);
    Failure makeFolder() const;

    QString folder_;
    bool createFolder_ = false;
};

// Whether `folder` holds any of the archive's data files (names in any letter case).
bool HoldsArchiveFiles(const QString& folder);

// Reads the file at `path` whole; a missing file is FileNotFound.
Result<QByteArray> ReadWholeFile(const QString& path);

// Replaces the file at `path` whole: written beside it, synced, then renamed over it. After a
// failure the old file is there unchanged.
Failure ReplaceFile(const QString& path, const QByteArray& bytes);

// The lock file in the data folder.
inline const QString LockFileName = QStringLiteral("vorel.lock");
