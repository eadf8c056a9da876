// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/file_store.h"

#include "archive/data_file_layout.h"
#include "archive/native_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStorageInfo>
#include <algorithm>
#include <cerrno>

namespace {

// The failure of an operation on `file`, with errno as the failing call left it; always one, since
// the operation did fail.
FileError failureOf(const QFileDevice& file, int systemError) {
    return FileErrorOf(file.error(), systemError).value_or(FileError::PathFileAccess);
}

constexpr int StaleLockMs = 60 * 1000;
// Less room than one block of the disk: full.
constexpr qint64 MinimumFreeBytes = 4096;

// A lock file held by this process.
class DiskLock final : public StoreLock {
public:
    explicit DiskLock(std::unique_ptr<QLockFile> file) : file_(std::move(file)) {}

private:
    std::unique_ptr<QLockFile> file_;
};

} // namespace

DiskFileStore::DiskFileStore(QString folder, bool createFolder)
    : folder_(std::move(folder)), createFolder_(createFolder) {}

// One rule for every spelling of a name: among the entries of its folder equal to it without regard
// to case, the first in code-unit order, so that the loader and the saver always reach the same file
// even when a folder holds two spellings of it.
QString DiskFileStore::resolve(const QString& path) const {
    const qsizetype slash = path.lastIndexOf(u'/');
    const QDir dir(slash < 0 ? folder_ : QDir(folder_).filePath(path.left(slash)));
    const QString name = path.mid(slash + 1);
    const QStringList entries = dir.entryList(
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    QString chosen;
    for (const QString& entry : entries)
        if (DataFileName::same(entry, name) && (chosen.isEmpty() || entry < chosen))
            chosen = entry;
    return dir.filePath(chosen.isEmpty() ? name : chosen);
}

QString DiskFileStore::location(const QString& path) const {
    return QDir::toNativeSeparators(resolve(path));
}

// A folder to be made on the first write reads as an empty one until then.
Failure DiskFileStore::folderError() const {
    const QFileInfo info(folder_);
    if (info.isDir() || (createFolder_ && !info.exists()))
        return {};
    return FileError::PathNotFound;
}

FileRead DiskFileStore::read(const QString& path, qint64 maxBytes) {
    if (Failure error = folderError())
        return {error, false, {}};
    QFile file(resolve(path));
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {failureOf(file, errno), true, {}};
    FileRead result{{}, true, maxBytes < 0 ? file.readAll() : file.read(maxBytes)};
    if (file.error() != QFileDevice::NoError)
        result.error = failureOf(file, errno);
    return result;
}

Failure DiskFileStore::makeFolder() const {
    if (createFolder_ && !QFileInfo(folder_).exists())
        QDir().mkpath(folder_);
    return folderError();
}

Failure DiskFileStore::write(const QString& path, const QByteArray& bytes) {
    if (Failure error = makeFolder())
        return error;
    const QString target = resolve(path);
    if (!QDir().mkpath(QFileInfo(target).path()))
        return FileError::PathFileAccess;
    return WriteSynced(target, bytes);
}

Failure DiskFileStore::rename(const QString& from, const QString& to) {
    return RenameReplacing(resolve(from), resolve(to));
}

Failure DiskFileStore::remove(const QString& path) {
    const QString target = resolve(path);
    const QFileInfo info(target);
    if (!info.exists() && !info.isSymLink())
        return {};
    if (info.isDir() && !info.isSymLink())
        return QDir(target).removeRecursively() ? Failure() : FileError::PathFileAccess;
    QFile file(target);
    return file.remove() ? Failure() : failureOf(file, errno);
}

QStringList DiskFileStore::entries(const QString& path) {
    const QDir dir(path.isEmpty() ? folder_ : resolve(path));
    return dir.entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDir::Name);
}

Failure DiskFileStore::sync() {
    return folderError() ? Failure() : SyncFolder(folder_);
}

// The permission bits, as the user set them: a file or a folder made read-only is not written,
// even by a user (such as root) whom the system would let write it.
Failure DiskFileStore::writable(const QString& path) {
    const QFileInfo file(resolve(path));
    const QFileInfo folder(file.path());
    const auto readOnly = [](const QFileInfo& info) {
        return info.exists() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner));
    };
    return readOnly(file) || readOnly(folder) ? Failure(FileError::PermissionDenied) : Failure();
}

Result<std::unique_ptr<StoreLock>> DiskFileStore::lock(int waitMs) {
    if (Failure error = makeFolder())
        return {nullptr, error};
    auto file = std::make_unique<QLockFile>(QDir(folder_).filePath(LockFileName));
    // A lock whose process has ended is taken over at once. One whose owner cannot be read (a writer
    // killed between making the file and writing its name into it) only after a minute, which no
    // write of the archive comes near.
    file->setStaleLockTime(StaleLockMs);
    if (file->tryLock(waitMs))
        return {std::make_unique<DiskLock>(std::move(file)), {}};
    return {nullptr, lockFailure(*file, errno)};
}

FileError DiskFileStore::lockFailure(const QLockFile& file, int systemError) {
    // In a read-only folder a lock can be neither made nor taken over, however old.
    if (writable(LockFileName))
        return FileError::PermissionDenied;
    switch (file.error()) {
    case QLockFile::LockFailedError:
        return FileError::ArchiveInUse;
    case QLockFile::PermissionError:
        return FileError::PermissionDenied;
    default:
        // A lock file that cannot be written: on a full disk, say so.
        if (systemError == ENOSPC || QStorageInfo(folder_).bytesAvailable() < MinimumFreeBytes)
            return FileError::DiskFull;
        return FileErrorOfErrno(systemError);
    }
}

Result<QByteArray> ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return {{}, FileError::FileNotFound};
    if (!file.open(QIODevice::ReadOnly))
        return {{}, failureOf(file, errno)};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, failureOf(file, errno)};
    return {std::move(bytes), {}};
}

Failure ReplaceFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failureOf(file, errno);
    // QSaveFile keeps small writes in a buffer and does not report a failure to flush it, nor one
    // to sync: both are checked here, before the file replaces the old one.
    Failure error;
    if (file.write(bytes) != bytes.size() || !file.flush())
        error = file.error() == QFileDevice::NoError ? FileError::DiskFull : failureOf(file, errno);
    else
        error = SyncHandle(file.handle());
    if (error) {
        file.cancelWriting();
        return error;
    }
    return file.commit() ? Failure() : failureOf(file, errno);
}

bool HoldsArchiveFiles(const QString& folder) {
    const QStringList names = DataFileName::all();
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    return std::any_of(entries.begin(), entries.end(), [&names](const QString& entry) {
        return std::any_of(names.begin(), names.end(),
                           [&entry](const QString& name) { return DataFileName::same(entry, name); });
    });
}
