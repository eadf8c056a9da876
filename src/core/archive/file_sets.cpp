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

int ReadArchiveFiles(FileStore& store, ArchiveFiles& files, QSet<QString>& present, ReadScope scope) {
    present.clear();
    auto named = NamedArchiveFiles(files);
    if (scope == ReadScope::ForLoading)
        named.resize(4);
    for (const auto& [name, bytes] : named) {
        // A damaged count stops a load before any other file is read.
        if (scope == ReadScope::ForLoading && bytes != &files.full.dates &&
            present.contains(DataFileName::SmDates) && CheckDatesFile(files.full.dates) != 0)
            break;
        FileRead file = store.read(name);
        if (file.error)
            return file.error;
        *bytes = std::move(file.bytes);
        if (file.exists)
            present.insert(name.toLower());
    }
    return 0;
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

int readAfterRecovery(FileStore& store, ArchiveSnapshot& snapshot, ReadScope scope) {
    if (const int error = FinishInterruptedWrite(store))
        return error;
    return ReadArchiveFiles(store, snapshot.files, snapshot.present, scope);
}

} // namespace

int ReadArchiveLocked(FileStore& store, ArchiveSnapshot& snapshot) {
    return readAfterRecovery(store, snapshot, ReadScope::All);
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

int ReadArchive(FileStore& store, ArchiveSnapshot& snapshot, ReadScope scope) {
    snapshot = {};
    // A missing folder is the read's own error; a folder without an archive needs no lock.
    if (const int error = store.read(DataFileName::SmDates, 0).error)
        return error;
    if (!holdsArchive(store.entries()))
        return 0;
    std::unique_ptr<StoreLock> lock;
    const int error = store.lock(lock, ReaderLockWaitMs);
    if (error == ErrorNumber::PermissionDenied)
        return ReadArchiveFiles(store, snapshot.files, snapshot.present, scope);
    if (error)
        return error;
    return readAfterRecovery(store, snapshot, scope);
}
