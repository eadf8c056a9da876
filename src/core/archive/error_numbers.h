// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
inline constexpr int ArchiveDamaged = 1003; // the full archive is damaged: no write may add to it
} // namespace ErrorNumber
