// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/file_sets.h"

#include "archive/data_file_layout.h"
#include "archive/file_store.h"

namespace {

int readInto(FileStore& files, const QString& name, QByteArray& bytes) {
    FileRead file = files.read(name);
    bytes = std::move(file.bytes);
    return file.error;
}

} // namespace

int ReadFileSet(FileStore& files, const QString& suffix, FileSetBytes& set) {
    if (const int error = readInto(files, DataFileName::dates(suffix), set.dates))
        return error;
    if (const int error = readInto(files, DataFileName::numbers(suffix), set.numbers))
        return error;
    if (suffix != FileSet::Full)
        return 0;
    if (const int error = readInto(files, DataFileName::Weekdays, set.weekdays))
        return error;
    return readInto(files, DataFileName::National, set.national);
}

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

int ReadArchiveFiles(FileStore& store, ArchiveFiles& files, QSet<QString>& present) {
    present.clear();
    for (const auto& [name, bytes] : NamedArchiveFiles(files)) {
        FileRead file = store.read(name);
        if (file.error)
            return file.error;
        *bytes = std::move(file.bytes);
        if (file.exists)
            present.insert(name.toLower());
    }
    return 0;
}
