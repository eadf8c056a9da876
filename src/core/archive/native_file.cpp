// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/native_file.h"

#include "archive/error_numbers.h"

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

int ErrorNumberOfErrno(int systemError) {
    switch (systemError) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return ErrorNumber::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return ErrorNumber::PermissionDenied;
    case ENOENT:
        return ErrorNumber::FileNotFound;
    case ENOTDIR:
        return ErrorNumber::PathNotFound;
    case EIO:
        return ErrorNumber::DeviceIo;
    default:
        return ErrorNumber::PathFileAccess;
    }
}

int errorNumberOf(QFileDevice::FileError error, int systemError) {
    switch (error) {
    case QFileDevice::NoError:
        return 0;
    case QFileDevice::OpenError:
        return systemError == EACCES || systemError == EPERM ? ErrorNumber::PermissionDenied
                                                             : ErrorNumber::PathFileAccess;
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

int SyncHandle(int handle) {
#ifdef Q_OS_WIN
    return _commit(handle) == 0 ? 0 : ErrorNumberOfErrno(errno);
#else
    return ::fsync(handle) == 0 ? 0 : ErrorNumberOfErrno(errno);
#endif
}

int WriteSynced(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return errorNumberOf(file.error(), errno) ? errorNumberOf(file.error(), errno)
                                                  : ErrorNumber::PathFileAccess;
    const qint64 written = file.write(bytes);
    const int writeErrno = errno;
    if (written != bytes.size()) {
        // A full disk can come back as a short write with no error set.
        const int error = file.error() == QFileDevice::NoError ? ErrorNumber::DiskFull
                                                               : errorNumberOf(file.error(), writeErrno);
        return error != 0 ? error : ErrorNumber::DiskFull;
    }
    return SyncHandle(file.handle());
}

int RenameReplacing(const QString& from, const QString& to) {
#ifdef Q_OS_WIN
    const bool moved = MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(from).utf16()),
                                   reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(to).utf16()),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (moved)
        return 0;
    switch (GetLastError()) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return ErrorNumber::PermissionDenied;
    case ERROR_FILE_NOT_FOUND:
        return ErrorNumber::FileNotFound;
    case ERROR_PATH_NOT_FOUND:
        return ErrorNumber::PathNotFound;
    default:
        return ErrorNumber::PathFileAccess;
    }
#else
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0
               ? 0
               : ErrorNumberOfErrno(errno);
#endif
}

int SyncFolder(const QString& folder) {
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    return 0; // renames are written through (MOVEFILE_WRITE_THROUGH)
#else
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return ErrorNumberOfErrno(errno);
    const int error = SyncHandle(handle);
    ::close(handle);
    return error;
#endif
}
