// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_update.h"

#include "archive/archive_loader.h"
#include "archive/archive_writer.h"
#include "archive/data_file_layout.h"
#include "archive/file_store.h"
#include "archive/sub_archive.h"

#include <map>

namespace {

// How long a writer waits for another to finish before it gives up.
constexpr int LockWaitMs = 3000;
constexpr int KeptBackups = 10;

bool inRange(int value, int low, int high) {
    return value >= low && value <= high;
}

// Every value of a draw fits its byte in the files.
bool fitsItsBytes(const EditBuffer& edit, int draw) {
    if (!inRange(edit.EditDate[1], 1, 31) || !inRange(edit.EditDate[2], 1, 12) ||
        !inRange(edit.EditDate[3], 0, 99) || !inRange(edit.CurrentWeekday, 0, 7))
        return false;
    for (int w = 1; w <= WheelCountOfDraw(draw); ++w)
        for (int p = 1; p <= NumbersPerWheel; ++p)
            if (!inRange(edit.EditNumbers[std::size_t(w)][std::size_t(p)], 0, 90))
                return false;
    return true;
}

void putDraw(Archive& archive, int draw, const EditBuffer& edit) {
    archive.setDrawDate(draw, {quint8(edit.EditDate[1]), quint8(edit.EditDate[2]), quint8(edit.EditDate[3])});
    archive.setDrawWeekday(draw, edit.CurrentWeekday);
    WheelNumbers numbers = edit.EditNumbers;
    if (draw < FirstNationalDraw)
        numbers[std::size_t(NationalWheel)] = {};
    archive.setDrawWheels(draw, numbers);
}

// The first stored draw that `next` changes, or 0 when it changes none.
int firstChangedDraw(const Archive& stored, const Archive& next) {
    const int common = std::min<int>(stored.DrawCount(), next.DrawCount());
    for (int d = 1; d <= common; ++d)
        if (!(stored.DrawDate(d) == next.DrawDate(d)) || stored.DrawWeekday(d) != next.DrawWeekday(d) ||
            stored.drawWheels(d) != next.drawWheels(d))
            return d;
    return next.DrawCount() < stored.DrawCount() ? common + 1 : 0;
}

QByteArray withCount(QByteArray dates, int count) {
    putWord(dates, 0, qint16(count));
    return dates;
}

} // namespace

ArchiveUpdate::ArchiveUpdate(FileStore& files) : files_(files) {}
ArchiveUpdate::~ArchiveUpdate() = default;

int ArchiveUpdate::open(bool forWriting) {
    if (forWriting)
        if (const int error = files_.lock(lock_, LockWaitMs))
            return error;
    if (const int error = ReadArchiveFiles(files_, disk_, present_))
        return error;
    exists_ = present_.contains(DataFileName::SmDates.toLower());
    subArchives_ = present_.contains(DataFileName::dates(FileSet::Weekly).toLower());
    loadError_ = exists_ ? DecodeArchive(disk_.full, archive_) : 0;
    return 0;
}

// Corrections in place, then the appends. While every stored draw is a once-a-week draw, appended
// draws dated before the twice-weekly draws began extend that period.
int ArchiveUpdate::apply(const ArchiveChange& change, Archive& next) const {
    const int stored = archive_.DrawCount();
    const int count = stored + int(change.appends.size());
    if (count > MaxDrawCount)
        return ErrorNumber::BadRecordNumber;
    next = archive_.resized(count);
    for (const auto& [draw, edit] : change.corrections) {
        if (!inRange(draw, 1, stored))
            return ErrorNumber::BadRecordNumber;
        if (!fitsItsBytes(edit, draw))
            return ErrorNumber::Overflow;
        putDraw(next, draw, edit);
    }
    const int firstTwiceWeekly = DrawDateKey(FirstTwiceWeeklyDate);
    for (int i = 0; i < int(change.appends.size()); ++i) {
        const int draw = stored + i + 1;
        const EditBuffer& edit = change.appends[std::size_t(i)];
        if (!fitsItsBytes(edit, draw))
            return ErrorNumber::Overflow;
        putDraw(next, draw, edit);
        if (next.LastWeeklyDraw == draw - 1 && DrawDateKey(next.DrawDate(draw)) < firstTwiceWeekly)
            next.LastWeeklyDraw = qint16(draw);
    }
    return 0;
}

ArchiveUpdateResult ArchiveUpdate::write(const ArchiveChange& change) {
    Q_ASSERT(lock_);
    const bool whole = change.whole.has_value();
    if (!whole && loadError_)
        return {loadError_};
    Archive next;
    if (whole)
        next = *change.whole;
    else if (const int error = apply(change, next))
        return {error};
    // A LastWeeklyDraw beyond the draws is damage: a repair takes it from the dates again.
    if (change.repair && !inRange(next.LastWeeklyDraw, 0, next.DrawCount()))
        next.LastWeeklyDraw = qint16(LastWeeklyDrawOf(next));

    ArchiveUpdateResult result;
    const bool stored = exists_ && !loadError_;
    result.subArchivesRebuilt = subArchives_ && stored && !SubArchivesAgree(archive_, disk_);
    const bool changesStoredDraws = exists_ && (loadError_ || firstChangedDraw(archive_, next) != 0);
    if (changesStoredDraws || change.repair) {
        NamedFiles copies;
        for (const auto& [name, bytes] : NamedArchiveFiles(disk_))
            if (present_.contains(name.toLower()))
                copies.emplace_back(name, *bytes);
        if (const int error = files_.backup(now().toString(QStringLiteral("yyyyMMdd-HHmmss")), copies,
                                            KeptBackups, result.backup))
            return {error};
    }
    ArchiveFiles target = EncodeArchive(next);
    KeepReservedBytes(target, disk_);
    result.error = writeFiles(target, next, whole);
    return result;
}

// Each file once, and only when its bytes change. When stored draws are rewritten whole, the full
// archive first counts only the draws that stay as they are: an interrupted rebuild leaves an
// archive that loads with fewer draws, never one whose dates and numbers disagree.
int ArchiveUpdate::writeFiles(const ArchiveFiles& target, const Archive& next, bool whole) {
    const bool withSubArchives = subArchives_ || !exists_ || whole;
    std::vector<std::pair<QString, const QByteArray*>> order;
    QByteArray shortened;
    if (whole && exists_ && !loadError_) {
        const int first = firstChangedDraw(archive_, next);
        if (first != 0) {
            shortened = withCount(disk_.full.dates, first - 1);
            order.emplace_back(DataFileName::SmDates, &shortened);
        }
    }
    order.insert(order.end(), {{DataFileName::SmNumbers, &target.full.numbers},
                               {DataFileName::Weekdays, &target.full.weekdays},
                               {DataFileName::National, &target.full.national}});
    if (exists_)
        order.emplace_back(DataFileName::SmDates, &target.full.dates);
    if (withSubArchives)
        order.insert(order.end(), {{DataFileName::numbers(FileSet::Weekly), &target.weekly.numbers},
                                   {DataFileName::dates(FileSet::Weekly), &target.weekly.dates},
                                   {DataFileName::numbers(FileSet::Midweek), &target.midweek.numbers},
                                   {DataFileName::dates(FileSet::Midweek), &target.midweek.dates}});
    if (!exists_)
        order.emplace_back(DataFileName::SmDates, &target.full.dates);

    std::map<QString, const QByteArray*> onDisk;
    for (const auto& [name, bytes] : NamedArchiveFiles(disk_))
        onDisk[name.toLower()] = bytes;
    for (const auto& [name, bytes] : order) {
        const QString key = name.toLower();
        if (present_.contains(key) && *bytes == *onDisk[key])
            continue;
        if (const int error = files_.write(name, *bytes))
            return error;
    }
    return 0;
}

ArchiveUpdateResult SaveArchive(FileStore& files, const Archive& loaded, int draw, const EditBuffer& edit) {
    ArchiveUpdate update(files);
    if (const int error = update.open())
        return {error};
    if (update.exists() && !update.loadError() && !update.archive().sameDraws(loaded))
        return {ErrorNumber::ArchiveChanged};
    if (!update.exists() && loaded.DrawCount() != 0)
        return {ErrorNumber::ArchiveChanged};
    ArchiveChange change;
    if (draw > loaded.DrawCount())
        change.appends.push_back(edit);
    else
        change.corrections.emplace_back(draw, edit);
    return update.write(change);
}
