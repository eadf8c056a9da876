// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_update.h"

#include "archive/archive_loader.h"
#include "archive/archive_writer.h"
#include "archive/backups.h"
#include "archive/data_file_layout.h"
#include "archive/file_store.h"
#include "archive/sub_archive.h"
#include "archive/write_journal.h"

#include <algorithm>
#include <map>

namespace {

// How long a writer waits for another to finish before it gives up.
constexpr int LockWaitMs = 3000;

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

// The files that `target` changes, each once, in the write order.
NamedFiles changedFiles(const ArchiveSnapshot& disk, const ArchiveSnapshot& target) {
    const QStringList order = WriteOrder(disk.exists());
    ArchiveFiles before = disk.files, after = target.files;
    std::map<QString, std::pair<const QByteArray*, const QByteArray*>> byName;
    for (const auto& [name, bytes] : NamedArchiveFiles(before))
        byName[name].first = bytes;
    for (const auto& [name, bytes] : NamedArchiveFiles(after))
        byName[name].second = bytes;
    NamedFiles changed;
    for (const QString& name : order) {
        const QString key = name.toLower();
        const auto [old, now] = byName[name];
        if (target.present.contains(key) && (!disk.present.contains(key) || *old != *now))
            changed.emplace_back(name, *now);
    }
    return changed;
}

bool hasSubArchiveProblems(const std::vector<ArchiveProblem>& problems) {
    return std::any_of(problems.begin(), problems.end(), [](const ArchiveProblem& problem) {
        return problem.severity() == ArchiveProblem::Severity::SubArchive;
    });
}

} // namespace

ArchiveUpdate::ArchiveUpdate(FileStore& files) : files_(files) {}
ArchiveUpdate::~ArchiveUpdate() = default;

Failure ArchiveUpdate::open(bool forWriting) {
    if (forWriting) {
        auto lock = files_.lock(LockWaitMs);
        if (lock.error)
            return lock.error;
        lock_ = std::move(lock.value);
    }
    auto read = forWriting ? ReadArchiveLocked(files_) : ReadArchive(files_);
    if (read.error)
        return read.error;
    snapshot_ = std::move(read.value);
    if (exists()) {
        auto decoded = DecodeArchive(snapshot_.files.full);
        loadError_ = decoded.error;
        archive_ = std::move(decoded.value);
    }
    problems_ = CheckArchive(snapshot_);
    return {};
}

// Corrections in place, then the appends. While every stored draw is a once-a-week draw, appended
// draws dated before the twice-weekly draws began extend that period.
Result<Archive> ArchiveUpdate::apply(const ArchiveChange& change) const {
    const int stored = archive_.DrawCount() - (change.dropLast ? 1 : 0);
    const int count = stored + int(change.appends.size());
    if (stored < 0 || count > MaxDrawCount)
        return {{}, FileError::BadRecordNumber};
    Archive next = archive_.resized(count);
    // The weekly period ends at the last draw at most.
    next.LastWeeklyDraw = qint16(std::min<int>(next.LastWeeklyDraw, stored));
    for (const auto& [draw, edit] : change.corrections) {
        if (!inRange(draw, 1, stored))
            return {{}, FileError::BadRecordNumber};
        if (!fitsItsBytes(edit, draw))
            return {{}, FileError::Overflow};
        putDraw(next, draw, edit);
    }
    const int firstTwiceWeekly = DrawDateKey(FirstTwiceWeeklyDate);
    for (int i = 0; i < int(change.appends.size()); ++i) {
        const int draw = stored + i + 1;
        const EditBuffer& edit = change.appends[std::size_t(i)];
        if (!fitsItsBytes(edit, draw))
            return {{}, FileError::Overflow};
        putDraw(next, draw, edit);
        if (next.LastWeeklyDraw == draw - 1 && DrawDateKey(next.DrawDate(draw)) < firstTwiceWeekly)
            next.LastWeeklyDraw = qint16(draw);
    }
    return {std::move(next), {}};
}

// Every file of `next`; the sub-archives where they are kept, and in a new or rebuilt archive.
ArchiveSnapshot ArchiveUpdate::targetOf(const Archive& next, bool whole) const {
    ArchiveSnapshot target;
    target.files = EncodeArchive(next);
    KeepReservedBytes(target.files, snapshot_.files);
    const bool withSubArchives = snapshot_.subArchives() || !exists() || whole;
    for (const QString& name : DataFileName::all().mid(0, withSubArchives ? 8 : 4))
        target.present.insert(name.toLower());
    return target;
}

ArchiveUpdateResult ArchiveUpdate::write(const ArchiveChange& change) {
    Q_ASSERT(lock_);
    ArchiveSnapshot target;
    bool storedDrawsChange = false;
    if (change.files) {
        target = *change.files;
    } else {
        const bool whole = change.whole.has_value();
        if (!whole && loadError_)
            return {loadError_};
        if (!whole && damaged())
            return {FileError::ArchiveDamaged};
        auto next = whole ? Result<Archive>{*change.whole, {}} : apply(change);
        if (next.error)
            return {next.error};
        storedDrawsChange = exists() && (loadError_ || firstChangedDraw(archive_, next.value) != 0);
        target = targetOf(next.value, whole);
    }
    const NamedFiles changed = changedFiles(snapshot_, target);
    ArchiveUpdateResult result;
    if (changed.empty())
        return result;
    // A read-only file is refused before anything is written.
    for (const auto& file : changed)
        if (Failure error = files_.writable(file.first))
            return {.error = error, .file = files_.location(file.first)};
    result.subArchivesRebuilt = !change.files && exists() && hasSubArchiveProblems(problems_);
    const bool backup = change.files || change.whole || storedDrawsChange || result.subArchivesRebuilt;
    if (backup && snapshot_.anyFile()) {
        const auto made = MakeBackup(files_, snapshot_, now());
        if (made.error)
            return {made.error};
        result.backup = files_.location(BackupFolderName + u'/' + made.value);
    }
    result.started = true;
    result.error = CommitFiles(files_, changed);
    return result;
}

namespace {

// Writes `change` into the archive the window loaded as `loaded`, when it is still the one on disk.
ArchiveUpdateResult WriteOverLoaded(FileStore& files, const Archive& loaded, const ArchiveChange& change) {
    ArchiveUpdate update(files);
    if (Failure error = update.open())
        return {error};
    if (update.exists() && !update.loadError() && !update.archive().sameDraws(loaded))
        return {FileError::ArchiveChanged};
    if (!update.exists() && loaded.DrawCount() != 0)
        return {FileError::ArchiveChanged};
    return update.write(change);
}

} // namespace

ArchiveUpdateResult SaveArchive(FileStore& files, const Archive& loaded, int draw, const EditBuffer& edit) {
    ArchiveChange change;
    if (draw > loaded.DrawCount())
        change.appends.push_back(edit);
    else
        change.corrections.emplace_back(draw, edit);
    return WriteOverLoaded(files, loaded, change);
}

ArchiveUpdateResult DeleteLastDraw(FileStore& files, const Archive& loaded) {
    if (loaded.DrawCount() == 0)
        return {FileError::BadRecordNumber};
    return WriteOverLoaded(files, loaded, {.dropLast = true});
}
