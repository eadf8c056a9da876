// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

// The program's numbers for file failures; ErrorMessageText gives their Italian text.
namespace ErrorNumber {
inline constexpr int Overflow = 6;
inline constexpr int DeviceIo = 57;
inline constexpr int FileNotFound = 53;
inline constexpr int DiskFull = 61;
inline constexpr int BadRecordNumber = 63;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
// The program's own, beyond the file errors.
inline constexpr int ArchiveInUse = 1001;   // another program is writing the archive
inline constexpr int ArchiveChanged = 1002; // the archive changed on disk since it was loaded
} // namespace ErrorNumber

// The result of reading one data file. A missing file is no error: `exists` is false.
struct FileRead {
    int error = 0;
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

// Where the data files live. Every operation opens, uses and closes one file.
class FileStore {
public:
    virtual ~FileStore() = default;
    // Reads at most `maxBytes` bytes (all when negative). Never creates a file.
    virtual FileRead read(const QString& name, qint64 maxBytes = -1) = 0;
    // Replaces the whole file by `bytes`, atomically: after a failure the old file is still there,
    // unchanged. Returns 0 or the failure's error number.
    virtual int write(const QString& name, const QByteArray& bytes) = 0;
    // Takes the archive's lock, for one writer at a time, waiting up to `waitMs` for another writer
    // to let it go. Returns 0 with `held` set, ErrorNumber::ArchiveInUse, or the error of a failure.
    virtual int lock(std::unique_ptr<StoreLock>& held, int waitMs) = 0;
    // Copies `files` into the backup called `name` and keeps only the `keep` newest backups. Returns
    // 0 or the error number; `where` is then the backup's folder as the user is told it.
    virtual int backup(const QString& name, const NamedFiles& files, int keep, QString& where) = 0;
};

// Data files in a folder of the disk. Names are matched without regard to letter case: an existing
// file of any case is used (of several, always the same one), a new file gets the name as asked for. Writes
// go to a file beside the old one that is renamed over it when complete.
class DiskFileStore final : public FileStore {
public:
    // With `createFolder` a write first makes the folder when it is missing (the per-user data
    // folder of a first start); otherwise a missing folder is error 76.
    explicit DiskFileStore(QString folder, bool createFolder = false);

    FileRead read(const QString& name, qint64 maxBytes = -1) override;
    int write(const QString& name, const QByteArray& bytes) override;
    // A lock file beside the data files; one left behind by a program that ended is taken over.
    int lock(std::unique_ptr<StoreLock>& held, int waitMs) override;
    // Into the folder "backup" beside the data files, one folder per backup.
    int backup(const QString& name, const NamedFiles& files, int keep, QString& where) override;

    // Full path of the file that `name` reaches.
    QString resolve(const QString& name) const;

private:
    int folderError() const;
    int makeFolder() const;

    QString folder_;
    bool createFolder_ = false;
};

// Whether `folder` holds any of the archive's data files (names in any letter case).
bool HoldsArchiveFiles(const QString& folder);

// Reads the file at `path` whole. Returns 0 or the error number (53 for a missing file).
int ReadWholeFile(const QString& path, QByteArray& bytes);

// Replaces the file at `path` whole: written beside it, then renamed over it. Returns 0 or the error.
int ReplaceFile(const QString& path, const QByteArray& bytes);

// Maps a failed file operation onto the program's error numbers; `systemError` (errno) tells a
// refused permission from other failures to open.
int errorNumberOf(QFileDevice::FileError error, int systemError = 0);

// The lock file in the data folder, and the folder of backups.
inline const QString LockFileName = QStringLiteral("vorel.lock");
inline const QString BackupFolderName = QStringLiteral("backup");
