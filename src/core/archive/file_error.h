// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// Why a file operation, a load or a write failed. The values are the program's error numbers: the
// messages show them ("Errore di sistema 7") and ErrorMessageText puts them into words.
enum class FileError {
    Overflow = 6,
    OutOfMemory = 7,
    InternalError = 51,
    FileNotFound = 53,
    DeviceIo = 57,
    DiskFull = 61,
    BadRecordNumber = 63,
    PermissionDenied = 70,
    PathFileAccess = 75,
    PathNotFound = 76,
    // The program's own, beyond the file errors.
    ArchiveInUse = 1001,   // another program is writing the archive
    ArchiveChanged = 1002, // the archive changed on disk since it was loaded
    ArchiveDamaged = 1003, // the full archive is damaged: no write may add to it
};

// The number a message shows for `error`.
constexpr int ErrorNumberOf(FileError error) {
    return static_cast<int>(error);
}

// The failure of an operation, or none: `if (Failure failed = store.write(…)) return failed;`.
class [[nodiscard]] Failure {
public:
    constexpr Failure() = default;
    constexpr Failure(std::nullopt_t) {}
    constexpr Failure(FileError error) : error_(error) {}

    constexpr explicit operator bool() const { return error_.has_value(); }
    // The failure; only when there is one.
    constexpr FileError operator*() const { return *error_; }
    constexpr FileError value_or(FileError none) const { return error_.value_or(none); }

    friend constexpr bool operator==(const Failure&, const Failure&) = default;
    friend constexpr bool operator==(const Failure& failure, FileError error) {
        return failure.error_ == error;
    }

private:
    std::optional<FileError> error_;
};

// A value, or the failure that kept it from being made (the value is then its default).
template <typename T> struct [[nodiscard]] Result {
    T value{};
    Failure error{};
};
