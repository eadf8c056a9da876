// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_writer.h"

#include "archive/archive.h"
#include "archive/data_file_layout.h"
#include "archive/file_store.h"
#include "archive/sub_archive.h"
#include "archive/write_journal.h"

#include <map>
#include <numeric>

ArchiveFiles EncodeArchive(const Archive& archive) {
    const int count = archive.DrawCount();
    std::vector<int> all(static_cast<std::size_t>(count));
    std::iota(all.begin(), all.end(), 1);
    const std::vector<int> weekly = SubArchiveDraws(count, archive.LastWeeklyDraw, FileSet::Weekly);
    const std::vector<int> midweek = SubArchiveDraws(count, archive.LastWeeklyDraw, FileSet::Midweek);
    ArchiveFiles files;
    files.full = {encodeDatesFile(archive, all), encodeNumbersFile(archive, all), encodeWeekdaysFile(archive),
                  encodeNationalFile(archive)};
    files.weekly = {encodeDatesFile(archive, weekly), encodeNumbersFile(archive, weekly), {}, {}};
    files.midweek = {encodeDatesFile(archive, midweek), encodeNumbersFile(archive, midweek), {}, {}};
    return files;
}

namespace {

void keepReservedBytes(QByteArray& encoded, const QByteArray& onDisk) {
    if (onDisk.size() >= DatesHeaderSize && encoded.size() >= DatesHeaderSize)
        encoded.replace(4, DatesHeaderSize - 4, onDisk.mid(4, DatesHeaderSize - 4));
}

} // namespace

void KeepReservedBytes(ArchiveFiles& encoded, const ArchiveFiles& onDisk) {
    keepReservedBytes(encoded.full.dates, onDisk.full.dates);
    keepReservedBytes(encoded.weekly.dates, onDisk.weekly.dates);
    keepReservedBytes(encoded.midweek.dates, onDisk.midweek.dates);
}

bool SubArchivesAgree(const Archive& archive, const ArchiveFiles& onDisk) {
    ArchiveFiles implied = EncodeArchive(archive);
    KeepReservedBytes(implied, onDisk);
    return implied.weekly == onDisk.weekly && implied.midweek == onDisk.midweek;
}

QStringList WriteOrder(bool intoAnArchive) {
    QStringList order = {DataFileName::SmNumbers,
                         DataFileName::Weekdays,
                         DataFileName::National,
                         DataFileName::numbers(FileSet::Weekly),
                         DataFileName::dates(FileSet::Weekly),
                         DataFileName::numbers(FileSet::Midweek),
                         DataFileName::dates(FileSet::Midweek)};
    order.insert(intoAnArchive ? 3 : order.size(), DataFileName::SmDates);
    return order;
}

Failure WriteWholeArchive(FileStore& files, const Archive& archive) {
    ArchiveFiles bytes = EncodeArchive(archive);
    std::map<QString, const QByteArray*> byName;
    for (const auto& [name, file] : NamedArchiveFiles(bytes))
        byName[name] = file;
    NamedFiles ordered;
    for (const QString& name : WriteOrder(false))
        ordered.emplace_back(name, *byName[name]);
    return CommitFiles(files, ordered);
}
