#include "archive/file_store.h"

#include "archive/data_file_layout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace {

// The error number of a failed operation on `file`; never 0, since the operation did fail.
int failureNumber(const QFileDevice& file) {
    const int error = errorNumberOf(file.error());
    return error != 0 ? error : ErrorNumber::PathFileAccess;
}

} // namespace

DiskFileStore::DiskFileStore(QString folder, bool createFolder)
    : folder_(std::move(folder)), createFolder_(createFolder) {}

// One rule for every spelling of a name: among the entries equal to it without regard to case,
// the first in code-unit order, so that the loader and the saver always reach the same file even
// when a folder holds two spellings of it.
QString DiskFileStore::resolve(const QString& name) const {
    const QDir dir(folder_);
    const QStringList entries = dir.entryList(
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    QString chosen;
    for (const QString& entry : entries)
        if (DataFileName::same(entry, name) && (chosen.isEmpty() || entry < chosen))
            chosen = entry;
    return dir.filePath(chosen.isEmpty() ? name : chosen);
}

// A folder to be made on the first write reads as an empty one until then.
int DiskFileStore::folderError() const {
    const QFileInfo info(folder_);
    return info.isDir() || (createFolder_ && !info.exists()) ? 0 : ErrorNumber::PathNotFound;
}

FileRead DiskFileStore::read(const QString& name, qint64 maxBytes) {
    if (const int error = folderError())
        return {error, false, {}};
    QFile file(resolve(name));
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {failureNumber(file), true, {}};
    FileRead result{0, true, maxBytes < 0 ? file.readAll() : file.read(maxBytes)};
    if (file.error() != QFileDevice::NoError)
        result.error = failureNumber(file);
    return result;
}

int DiskFileStore::write(const QString& name, const QByteArray& bytes) {
    if (createFolder_ && !QFileInfo(folder_).exists())
        QDir().mkpath(folder_);
    if (const int error = folderError())
        return error;
    QSaveFile file(resolve(name));
    if (!file.open(QIODevice::WriteOnly))
        return failureNumber(file);
    if (file.write(bytes) != bytes.size()) {
        const int error = failureNumber(file);
        file.cancelWriting();
        return error;
    }
    return file.commit() ? 0 : failureNumber(file);
}

int errorNumberOf(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::NoError:
        return 0;
    case QFileDevice::ResourceError:
        return ErrorNumber::DiskFull;
    case QFileDevice::PermissionsError:
        return ErrorNumber::PermissionDenied;
    case QFileDevice::ReadError:
    case QFileDevice::WriteError:
        return ErrorNumber::DeviceIo;
    default:
        return ErrorNumber::PathFileAccess;
    }
}

bool HoldsArchiveFiles(const QString& folder) {
    const QStringList names = DataFileName::all();
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    return std::any_of(entries.begin(), entries.end(), [&names](const QString& entry) {
        return std::any_of(names.begin(), names.end(),
                           [&entry](const QString& name) { return DataFileName::same(entry, name); });
    });
}
