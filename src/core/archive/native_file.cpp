// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/native_file.h"

#include <QDir>
#include <QFile>
#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

FileError FileErrorOfErrno(int systemError) {
    switch (systemError) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return FileError::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return FileError::PermissionDenied;
    case ENOENT:
        return FileError::FileNotFound;
    case ENOTDIR:
        return FileError::PathNotFound;
    case EIO:
        return FileError::DeviceIo;
    default:
        return FileError::PathFileAccess;
    }
}

Failure FileErrorOf(QFileDevice::FileError error, int systemError) {
    switch (error) {
    case QFileDevice::NoError:
        return {};
    case QFileDevice::OpenError:
        return systemError == EACCES || systemError == EPERM ? FileError::PermissionDenied
                                                             : FileError::PathFileAccess;
    case QFileDevice::ResourceError:
        return FileError::DiskFull;
    case QFileDevice::PermissionsError:
        return FileError::PermissionDenied;
    case QFileDevice::ReadError:
    case QFileDevice::WriteError:
        return FileError::DeviceIo;
    default:
        return FileError::PathFileAccess;
    }
}

Failure SyncHandle(int handle) {
#ifdef Q_OS_WIN
    return _commit(handle) == 0 ? Failure() : FileErrorOfErrno(errno);
#else
    return ::fsync(handle) == 0 ? Failure() : FileErrorOfErrno(errno);
#endif
}

Failure WriteSynced(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return FileErrorOf(file.error(), errno).value_or(FileError::PathFileAccess);
    const qint64 written = file.write(bytes);
    const int writeErrno = errno;
    // A full disk can come back as a short write with no error set.
    if (written != bytes.size())
        return FileErrorOf(file.error(), writeErrno).value_or(FileError::DiskFull);
    return SyncHandle(file.handle());
}

Failure RenameReplacing(const QString& from, const QString& to) {
#ifdef Q_OS_WIN
    const bool moved = MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(from).utf16()),
                                   reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(to).utf16()),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (moved)
        return {};
    switch (GetLastError()) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return FileError::PermissionDenied;
    case ERROR_FILE_NOT_FOUND:
        return FileError::FileNotFound;
    case ERROR_PATH_NOT_FOUND:
        return FileError::PathNotFound;
    default:
        return FileError::PathFileAccess;
    }
#else
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return {};
    return FileErrorOfErrno(errno);
#endif
}

Failure SyncFolder(const QString& folder) {
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    return {}; // renames are written through (MOVEFILE_WRITE_THROUGH)
#else
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return FileErrorOfErrno(errno);
    Failure error = SyncHandle(handle);
    ::close(handle);
    return error;
#endif
}
