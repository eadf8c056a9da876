// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/file_sets.h"

#include <QDateTime>
#include <QString>
#include <vector>

class FileStore;

// Copies of the archive's files, one folder each in "backup" beside them. A backup is complete
// once its last file, the manifest, is written: it names the backup's place in the order they were
// made, its time, the draws it holds and each file's length and checksum. Only complete backups
// count; one cut short is removed by the next backup.

inline const QString BackupFolderName = QStringLiteral("backup");
inline const QString ManifestName = QStringLiteral("vorel-backup.txt");
// How many complete backups are kept.
inline constexpr int KeptBackups = 10;

struct BackupInfo {
    QString name;          // the backup's folder
    bool complete = false; // its manifest is there and whole
    qint64 sequence = 0;   // its place in the order the backups were made
    QDateTime time;        // when it was made, by the computer's clock then
    int draws = 0;
    QString lastDraw; // the last draw's date, dd-mm-yyyy (empty for an archive that did not load)
};

// Copies the files of `snapshot` that are there into a new backup named after `now` and writes its
// manifest; then removes the backups cut short and keeps the KeptBackups newest complete ones (the
// new one always among them). Folders the program did not make are left alone. Gives the new
// backup's folder (below BackupFolderName).
Result<QString> MakeBackup(FileStore& store, const ArchiveSnapshot& snapshot, const QDateTime& now);

// The backups the program made, complete or not, the newest first.
std::vector<BackupInfo> ListBackups(FileStore& store);

// A backup as read: what it is, its files, and why it cannot be used. The error is FileNotFound when
// there is no such backup (`info` is then empty), BadRecordNumber when it is incomplete or a file
// differs from its manifest.
struct [[nodiscard]] BackupRead {
    BackupInfo info{};
    ArchiveSnapshot snapshot{};
    Failure error{};
};

// The files of backup `name` ("last": the newest complete one), when it is complete and every file
// is as its manifest says.
BackupRead ReadBackup(FileStore& store, const QString& name);

// The files a restore of `backup` writes over `current`: the backup's own, an empty file for one of
// the full archive it did not have (a national-wheel file before the national wheel), and
// sub-archives as its full archive implies them where `current` keeps sub-archives and it had none.
ArchiveSnapshot RestoredFiles(const ArchiveSnapshot& backup, const ArchiveSnapshot& current);
