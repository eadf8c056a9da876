// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_check.h"

#include "archive/archive.h"
#include "archive/archive_loader.h"
#include "archive/archive_writer.h"
#include "archive/data_file_layout.h"

#include <QDate>

namespace {

void checkSize(const QString& name, const QByteArray& file, qint64 wanted,
               std::vector<ArchiveProblem>& problems) {
    if (file.size() == wanted)
        return;
    problems.push_back({.kind = file.size() < wanted ? ArchiveProblem::ShortFile : ArchiveProblem::LongFile,
                        .number = int(file.size()),
                        .other = int(wanted),
                        .file = name});
}

void checkSizes(const FileSetBytes& full, int count, std::vector<ArchiveProblem>& problems) {
    checkSize(DataFileName::SmDates, full.dates, dateRecordOffset(count + 1), problems);
    checkSize(DataFileName::SmNumbers, full.numbers, numbersRecordOffset(count + 1), problems);
    checkSize(DataFileName::Weekdays, full.weekdays, count, problems);
    checkSize(DataFileName::National, full.national,
              count >= FirstNationalDraw ? nationalRecordOffset(count + 1) : 0, problems);
}

void checkDraw(const Archive& archive, int d, std::vector<ArchiveProblem>& problems) {
    const PackedDate date = archive.DrawDate(d);
    if (d > 1 && DrawDateKey(date) <= DrawDateKey(archive.DrawDate(d - 1)))
        problems.push_back({.kind = ArchiveProblem::DateOutOfOrder,
                            .draw = d,
                            .other = d - 1,
                            .date = date,
                            .otherDate = archive.DrawDate(d - 1)});
    const QDate day(FullYear(date.yearCode), date.month, date.day);
    if (!day.isValid())
        problems.push_back({.kind = ArchiveProblem::InvalidDate, .draw = d, .date = date});
    else if (archive.DrawWeekday(d) != day.dayOfWeek())
        problems.push_back({.kind = ArchiveProblem::WrongWeekday,
                            .draw = d,
                            .number = archive.DrawWeekday(d),
                            .other = day.dayOfWeek(),
                            .date = date});
    if (d >= FirstNationalDraw &&
        archive.drawWheels(d)[std::size_t(NationalWheel)] == std::array<qint16, 6>{})
        problems.push_back({.kind = ArchiveProblem::NoNationalWheel, .draw = d, .date = date});
}

} // namespace

std::vector<ArchiveProblem> CheckArchive(const ArchiveFiles& files, bool subArchives) {
    std::vector<ArchiveProblem> problems;
    Archive archive;
    if (DecodeArchive(files.full, archive) != 0) {
        problems.push_back({.kind = ArchiveProblem::DamagedCount,
                            .number = DatesFileCount(files.full.dates),
                            .other = int(dateRecordsIn(files.full.dates)),
                            .file = DataFileName::SmDates});
        return problems;
    }
    checkSizes(files.full, archive.DrawCount(), problems);
    for (int d = 1; d <= archive.DrawCount(); ++d)
        checkDraw(archive, d, problems);
    if (archive.LastWeeklyDraw < 0 || archive.LastWeeklyDraw > archive.DrawCount())
        problems.push_back({.kind = ArchiveProblem::LastWeeklyBeyondCount,
                            .number = archive.LastWeeklyDraw,
                            .other = archive.DrawCount()});
    if (subArchives && !SubArchivesAgree(archive, files))
        problems.push_back({.kind = ArchiveProblem::SubArchivesDisagree});
    return problems;
}
