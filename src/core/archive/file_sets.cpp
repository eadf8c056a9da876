// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/file_sets.h"

#include "archive/data_file_layout.h"
#include "archive/file_store.h"
#include "archive/write_journal.h"

#include <algorithm>

std::vector<std::pair<QString, QByteArray*>> NamedArchiveFiles(ArchiveFiles& files) {
    return {{DataFileName::SmDates, &files.full.dates},
            {DataFileName::SmNumbers, &files.full.numbers},
            {DataFileName::Weekdays, &files.full.weekdays},
            {DataFileName::National, &files.full.national},
            {DataFileName::dates(FileSet::Weekly), &files.weekly.dates},
            {DataFileName::numbers(FileSet::Weekly), &files.weekly.numbers},
            {DataFileName::dates(FileSet::Midweek), &files.midweek.dates},
            {DataFileName::numbers(FileSet::Midweek), &files.midweek.numbers}};
}

Result<ArchiveSnapshot> ReadArchiveFiles(FileStore& store, ReadScope scope) {
    Result<ArchiveSnapshot> read;
    ArchiveFiles& files = read.value.files;
    QSet<QString>& present = read.value.present;
    auto named = NamedArchiveFiles(files);
    if (scope == ReadScope::ForLoading)
        named.resize(4);
    for (const auto& [name, bytes] : named) {
        // A damaged count stops a load before any other file is read.
        if (scope == ReadScope::ForLoading && bytes != &files.full.dates &&
            present.contains(DataFileName::SmDates) && CheckDatesFile(files.full.dates))
            break;
        FileRead file = store.read(name);
        if (file.error)
            return {{}, file.error};
        *bytes = std::move(file.bytes);
        if (file.exists)
            present.insert(name.toLower());
    }
    return read;
}

bool ArchiveSnapshot::exists() const {
    return present.contains(DataFileName::SmDates.toLower());
}

bool ArchiveSnapshot::subArchives() const {
    for (const QString& suffix : {FileSet::Weekly, FileSet::Midweek})
        if (present.contains(DataFileName::dates(suffix)) || present.contains(DataFileName::numbers(suffix)))
            return true;
    return false;
}

namespace {

Result<ArchiveSnapshot> readAfterRecovery(FileStore& store, ReadScope scope) {
    if (Failure error = FinishInterruptedWrite(store))
        return {{}, error};
    return ReadArchiveFiles(store, scope);
}

} // namespace

Result<ArchiveSnapshot> ReadArchiveLocked(FileStore& store) {
    return readAfterRecovery(store, ReadScope::All);
}

namespace {

// Lock wait of a reader: as long as a writer's.
constexpr int ReaderLockWaitMs = 3000;

bool holdsArchive(const QStringList& entries) {
    const QStringList names = DataFileName::all();
    return HasInterruptedWrite(entries) ||
           std::any_of(entries.begin(), entries.end(), [&names](const QString& entry) {
               return std::any_of(names.begin(), names.end(),
                                  [&entry](const QString& name) { return DataFileName::same(entry, name); });
           });
}

} // namespace

Result<ArchiveSnapshot> ReadArchive(FileStore& store, ReadScope scope) {
    // A missing folder is the read's own error; a folder without an archive needs no lock.
    if (Failure error = store.read(DataFileName::SmDates, 0).error)
        return {{}, error};
    if (!holdsArchive(store.entries()))
        return {};
    const auto lock = store.lock(ReaderLockWaitMs);
    if (lock.error == FileError::PermissionDenied)
        return ReadArchiveFiles(store, scope);
    if (lock.error)
        return {{}, lock.error};
    return readAfterRecovery(store, scope);
}
