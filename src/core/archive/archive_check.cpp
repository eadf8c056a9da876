// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_check.h"

#include "archive/archive.h"
#include "archive/archive_loader.h"
#include "archive/data_file_layout.h"
#include "archive/file_store.h"
#include "archive/sub_archive.h"

#include <algorithm>
#include <array>
#include <bitset>

using Problem = ArchiveProblem;

namespace {

bool isArchiveDate(PackedDate date) {
    return IsArchiveDate(date.day, date.month, date.yearCode);
}

bool isNumber(quint8 value) {
    return value >= 1 && value <= 90;
}

// Whether the full archive's numbers record lost what the sub-archive's copy still has: a number
// missing or above 90 where the copy has one, or a wheel with a number twice where the copy's is
// sound.
bool lostInFullArchive(const quint8* full, const quint8* copy) {
    for (int p = 0; p < NumbersRecordSize; ++p)
        if (!isNumber(full[p]) && isNumber(copy[p]))
            return true;
    for (int w = 0; w < CityWheels; ++w)
        if (StateOfWheel(full + NumbersPerWheel * w) == WheelState::Impossible &&
            StateOfWheel(copy + NumbersPerWheel * w) == WheelState::Sound)
            return true;
    return false;
}

class Checker {
public:
    explicit Checker(const ArchiveSnapshot& snapshot) : snapshot_(snapshot), full_(snapshot.files.full) {}

    std::vector<Problem> run() {
        if (!snapshot_.exists()) {
            if (snapshot_.anyFile())
                add({.kind = Problem::MissingDatesFile, .file = DataFileName::SmDates});
            return problems_;
        }
        const int count = DatesFileCount(full_.dates);
        const int records = int(dateRecordsIn(full_.dates));
        if (count < 1 || count > MaxDrawCount || count > records)
            add({.kind = Problem::DamagedCount,
                 .draw = records + 1,
                 .lastDraw = std::clamp(count, 0, MaxDrawCount),
                 .number = count,
                 .other = records,
                 .file = DataFileName::SmDates});
        // Without a count that its records bear out, no length can be measured.
        if (count < 1 || count > MaxDrawCount || count > records)
            return problems_;
        checkLengths(count, records);
        if (snapshot_.subArchives())
            checkSubArchiveFiles(count);
        for (int d = 1; d <= count; ++d)
            checkDraw(d);
        checkLastWeekly(count);
        return problems_;
    }

private:
    // One file of a sub-archive, usable draw by draw when it is what the full archive implies.
    struct CopyFile {
        QString name;
        const QByteArray* bytes = nullptr;
        bool usable = false;
    };

    void add(Problem problem) { problems_.push_back(std::move(problem)); }

    PackedDate dateOf(int d) const { return dateAt(full_.dates, dateRecordOffset(d)); }

    // A file of the full archive against the records its count asks for: `first` is the first
    // draw with a record there, `recordSize` its size.
    void checkLength(const QString& name, const QByteArray& bytes, int first, int count, int recordSize) {
        const qint64 wanted = qint64(std::max(count - first + 1, 0)) * recordSize;
        const int held = first - 1 + int(bytes.size() / recordSize);
        if (wanted > 0 && !snapshot_.present.contains(name.toLower()))
            add({.kind = Problem::MissingFile, .draw = first, .lastDraw = count, .file = name});
        else if (bytes.size() < wanted)
            add({.kind = Problem::ShortFile,
                 .draw = held + 1,
                 .lastDraw = count,
                 .number = int(bytes.size()),
                 .other = int(wanted),
                 .file = name});
        else if (bytes.size() > wanted)
            add({.kind = Problem::LongFile, .number = int(bytes.size()), .other = int(wanted), .file = name});
    }

    void checkLengths(int count, int records) {
        const qint64 wantedDates = dateRecordOffset(count + 1);
        if (full_.dates.size() > wantedDates)
            add({.kind = Problem::LongFile,
                 .draw = records > count ? count + 1 : 0,
                 .lastDraw = records > count ? records : 0,
                 .number = int(full_.dates.size()),
                 .other = int(wantedDates),
                 .file = DataFileName::SmDates});
        checkLength(DataFileName::SmNumbers, full_.numbers, 1, count, NumbersRecordSize);
        checkLength(DataFileName::Weekdays, full_.weekdays, 1, count, 1);
        checkLength(DataFileName::National, full_.national, FirstNationalDraw, count, NationalRecordSize);
    }

    // Each file of "S" and "M" by its header (count and LastWeeklyDraw) and length.
    void checkSubArchiveFiles(int count) {
        lastWeekly_ = wordAt(full_.dates, 2);
        const std::pair<QString, const FileSetBytes*> sets[] = {{FileSet::Weekly, &snapshot_.files.weekly},
                                                                {FileSet::Midweek, &snapshot_.files.midweek}};
        for (const auto& [suffix, set] : sets) {
            const int held = int(SubArchiveDraws(count, lastWeekly_, suffix).size());
            QByteArray header(4, '\0');
            putWord(header, 0, qint16(held));
            putWord(header, 2, qint16(lastWeekly_));
            const int i = suffix == FileSet::Midweek ? 1 : 0;
            dates_[i] =
                checkCopyFile(DataFileName::dates(suffix), set->dates, dateRecordOffset(held + 1), header);
            numbers_[i] =
                checkCopyFile(DataFileName::numbers(suffix), set->numbers, numbersRecordOffset(held + 1), {});
        }
    }

    CopyFile checkCopyFile(const QString& name, const QByteArray& bytes, qint64 size,
                           const QByteArray& header) {
        CopyFile file{name, &bytes, false};
        if (!snapshot_.present.contains(name))
            add({.kind = Problem::SubArchiveMissing, .file = name});
        else if (bytes.size() != size || !bytes.startsWith(header))
            add({.kind = Problem::SubArchiveFile, .file = name});
        else
            file.usable = true;
        return file;
    }

    // The sub-archive file and record where draw `d` has its copy, when that file is usable.
    std::pair<const CopyFile*, const char*> copyOf(int d, bool dates) const {
        const SubArchivePlace place = SubArchiveOf(d, lastWeekly_);
        const CopyFile& file = (dates ? dates_ : numbers_)[place.suffix == FileSet::Midweek ? 1 : 0];
        if (!file.usable || place.index < 1)
            return {nullptr, nullptr};
        const qint64 at = dates ? dateRecordOffset(place.index) : numbersRecordOffset(place.index);
        return {&file, file.bytes->constData() + at};
    }

    void checkWheel(int d, int wheel, const char* numbers) {
        switch (StateOfWheel(reinterpret_cast<const quint8*>(numbers))) {
        case WheelState::Sound:
            return;
        case WheelState::Impossible:
            add({.kind = Problem::ImpossibleNumbers, .draw = d, .wheel = wheel, .date = dateOf(d)});
            return;
        case WheelState::Incomplete:
            const bool none = std::all_of(numbers, numbers + NumbersPerWheel, [](char n) { return n == 0; });
            add({.kind = wheel == NationalWheel && none ? Problem::NoNationalWheel : Problem::IncompleteDraw,
                 .draw = d,
                 .wheel = wheel,
                 .date = dateOf(d)});
            return;
        }
    }

    // The city numbers against the sub-archive's copy: what the full archive lost is its damage,
    // named once for the draw; any other difference is the sub-archive's.
    void checkCityWheels(int d) {
        if (numbersRecordOffset(d + 1) > full_.numbers.size())
            return;
        const char* record = full_.numbers.constData() + numbersRecordOffset(d);
        const auto [file, copy] =
            snapshot_.subArchives() ? copyOf(d, false) : std::pair<const CopyFile*, const char*>{};
        if (copy && !std::equal(record, record + NumbersRecordSize, copy)) {
            if (lostInFullArchive(reinterpret_cast<const quint8*>(record),
                                  reinterpret_cast<const quint8*>(copy))) {
                add({.kind = Problem::LostInFullArchive, .draw = d, .file = file->name, .date = dateOf(d)});
                return;
            }
            add({.kind = Problem::SubArchiveDiffers, .draw = d, .file = file->name, .date = dateOf(d)});
        }
        for (int w = 1; w <= CityWheels; ++w)
            checkWheel(d, w, record + NumbersPerWheel * (w - 1));
    }

    void checkDraw(int d) {
        const PackedDate date = dateOf(d);
        const int weekday = WeekdayOfDate(date);
        if (weekday == 0)
            add({.kind = Problem::InvalidDate, .draw = d, .date = date});
        else if (d > 1 && isArchiveDate(dateOf(d - 1)) && DrawDateKey(date) <= DrawDateKey(dateOf(d - 1)))
            add({.kind = Problem::DateOutOfOrder,
                 .draw = d,
                 .other = d - 1,
                 .date = date,
                 .otherDate = dateOf(d - 1)});
        if (const auto [file, copy] =
                snapshot_.subArchives() ? copyOf(d, true) : std::pair<const CopyFile*, const char*>{};
            copy && weekday != 0 && !(PackedDate{quint8(copy[0]), quint8(copy[1]), quint8(copy[2])} == date))
            add({.kind = Problem::SubArchiveDiffers, .draw = d, .file = file->name, .date = date});
        if (d <= full_.weekdays.size()) {
            const int code = byteAt(full_.weekdays, weekdayOffset(d));
            if (code > 7)
                add({.kind = Problem::ImpossibleWeekday, .draw = d, .number = code, .date = date});
            else if (weekday != 0 && code != weekday)
                add({.kind = Problem::WrongWeekday,
                     .draw = d,
                     .number = code,
                     .other = weekday,
                     .date = date});
        }
        checkCityWheels(d);
        if (d >= FirstNationalDraw && nationalRecordOffset(d + 1) <= full_.national.size())
            checkWheel(d, NationalWheel, full_.national.constData() + nationalRecordOffset(d));
    }

    // LastWeeklyDraw is the last draw dated before the twice-weekly draws began; where a date is
    // no calendar day, only a value beyond the draws is known to be wrong.
    void checkLastWeekly(int count) {
        const int stated = wordAt(full_.dates, 2);
        const int firstTwiceWeekly = DrawDateKey(FirstTwiceWeeklyDate);
        int implied = 0;
        bool allDates = true;
        for (int d = 1; d <= count; ++d) {
            allDates = allDates && isArchiveDate(dateOf(d));
            if (DrawDateKey(dateOf(d)) < firstTwiceWeekly)
                implied = d;
        }
        if ((allDates && stated != implied) || stated < 0 || stated > count)
            add({.kind = Problem::WrongLastWeekly, .number = stated, .other = implied});
    }

    const ArchiveSnapshot& snapshot_;
    const FileSetBytes& full_;
    int lastWeekly_ = 0;
    std::array<CopyFile, 2> dates_{};   // of "S" and "M"
    std::array<CopyFile, 2> numbers_{}; // of "S" and "M"
    std::vector<Problem> problems_;
};

} // namespace

ArchiveProblem::Severity ArchiveProblem::severity() const {
    switch (kind) {
    case DateOutOfOrder:
    case WrongWeekday:
    case IncompleteDraw:
    case NoNationalWheel:
        return Severity::Content;
    case SubArchiveMissing:
    case SubArchiveFile:
    case SubArchiveDiffers:
        return Severity::SubArchive;
    default:
        return Severity::Damage;
    }
}

std::vector<ArchiveProblem> CheckArchive(const ArchiveSnapshot& snapshot) {
    return Checker(snapshot).run();
}

bool HasDamage(const std::vector<ArchiveProblem>& problems) {
    return std::any_of(problems.begin(), problems.end(), [](const ArchiveProblem& p) {
        return p.severity() == ArchiveProblem::Severity::Damage;
    });
}

bool IsUnreadable(const std::vector<ArchiveProblem>& problems) {
    return std::any_of(problems.begin(), problems.end(),
                       [](const ArchiveProblem& p) { return p.unreadable(); });
}

CheckedLoad LoadCheckedArchive(FileStore& files) {
    const auto read = ReadArchive(files);
    if (read.error)
        return {.error = read.error};
    CheckedLoad load{.problems = CheckArchive(read.value)};
    if (!read.value.exists()) {
        load.error = FileError::FileNotFound;
        return load;
    }
    auto decoded = DecodeArchive(read.value.files.full);
    load.archive = std::move(decoded.value);
    load.error = decoded.error;
    return load;
}
