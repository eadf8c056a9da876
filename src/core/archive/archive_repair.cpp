// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_repair.h"

#include "archive/archive.h"
#include "archive/archive_check.h"
#include "archive/archive_loader.h"
#include "archive/archive_writer.h"
#include "archive/data_file_layout.h"
#include "archive/draw_rules.h"
#include "archive/sub_archive.h"

#include <algorithm>
#include <array>

namespace {

using Step = RepairStep;

bool isCalendarDate(const char* record) {
    const auto* bytes = reinterpret_cast<const quint8*>(record);
    return IsArchiveDate(bytes[0], bytes[1], bytes[2]);
}

int dateKey(const char* record) {
    const auto* bytes = reinterpret_cast<const quint8*>(record);
    return DrawDateKey(bytes[0], bytes[1], bytes[2]);
}

bool isNumber(char value) {
    const auto n = quint8(value);
    return n >= 1 && n <= 90;
}

// The copy of the draws that "S" and "M" hold, usable where its files are what their own headers
// say: the count of records, and counts that the same LastWeeklyDraw and number of draws give.
class SubArchiveCopy {
public:
    explicit SubArchiveCopy(const ArchiveSnapshot& snapshot) {
        const FileSetBytes* sets[] = {&snapshot.files.weekly, &snapshot.files.midweek};
        const QString suffixes[] = {FileSet::Weekly, FileSet::Midweek};
        int agreeingHeaders = 0;
        for (int i = 0; i < 2; ++i) {
            sets_[i] = sets[i];
            const QByteArray& dates = sets[i]->dates;
            const bool there = snapshot.present.contains(DataFileName::dates(suffixes[i]));
            counts_[i] = wordAt(dates, 0);
            datesUsable_[i] = there && counts_[i] >= 0 && dates.size() == dateRecordOffset(counts_[i] + 1);
            numbersUsable_[i] = datesUsable_[i] &&
                                snapshot.present.contains(DataFileName::numbers(suffixes[i])) &&
                                sets[i]->numbers.size() == numbersRecordOffset(counts_[i] + 1);
            if (datesUsable_[i]) {
                lastWeekly_ = wordAt(dates, 2);
                ++agreeingHeaders;
            }
        }
        // Two headers that disagree about LastWeeklyDraw cannot both place the draws.
        if (agreeingHeaders == 2 && wordAt(sets[0]->dates, 2) != wordAt(sets[1]->dates, 2))
            datesUsable_ = numbersUsable_ = {false, false};
        if (datesUsable_[0] && datesUsable_[1])
            keepIfItHolds(counts_[0] + counts_[1]);
        if (datesUsable_[0] && datesUsable_[1])
            draws_ = counts_[0] + counts_[1];
    }

    // Keeps the copy only where its counts are those an archive of `draws` draws gives them: "S"
    // and "M" swapped, or one from another archive, are no copy of this one.
    void keepIfItHolds(int draws) {
        for (int i = 0; i < 2; ++i)
            if (int(SubArchiveDraws(draws, lastWeekly_, i == 0 ? FileSet::Weekly : FileSet::Midweek)
                        .size()) != counts_[i])
                datesUsable_ = numbersUsable_ = {false, false};
    }

    // How many draws the two together hold (0 when that cannot be told).
    int draws() const { return draws_; }
    int lastWeekly() const { return lastWeekly_; }
    bool any() const { return datesUsable_[0] || datesUsable_[1]; }

    // The date record and the numbers record of draw `d`, where the copy has them.
    const char* date(int d) const { return record(d, true); }
    const char* numbers(int d) const { return record(d, false); }

private:
    const char* record(int d, bool dates) const {
        if (!any() || lastWeekly_ < 0)
            return nullptr;
        const SubArchivePlace place = SubArchiveOf(d, lastWeekly_);
        const int i = place.suffix == FileSet::Midweek ? 1 : 0;
        if (!(dates ? datesUsable_ : numbersUsable_)[std::size_t(i)] || place.index < 1 ||
            place.index > counts_[i])
            return nullptr;
        return dates ? sets_[i]->dates.constData() + dateRecordOffset(place.index)
                     : sets_[i]->numbers.constData() + numbersRecordOffset(place.index);
    }

    std::array<const FileSetBytes*, 2> sets_{};
    std::array<int, 2> counts_{};
    std::array<bool, 2> datesUsable_{};
    std::array<bool, 2> numbersUsable_{};
    int lastWeekly_ = 0;
    int draws_ = 0;
};

// One value chosen between the full archive's copy and the sub-archives'.
enum class Choice { Full, Copy, Disagree };

// `fullSound` implies `fullThere`, `copySound` implies `copyThere`.
Choice choose(bool fullThere, bool fullSound, bool copyThere, bool copySound, bool same) {
    if (same)
        return Choice::Full;
    if (fullSound)
        return copySound ? Choice::Disagree : Choice::Full;
    if (copySound)
        return Choice::Copy;
    return fullThere || !copyThere ? Choice::Full : Choice::Copy;
}

class Repairer {
public:
    explicit Repairer(const ArchiveSnapshot& snapshot)
        : in_(snapshot), full_(snapshot.files.full), copy_(snapshot),
          count_(snapshot.exists() ? DatesFileCount(full_.dates) : 0),
          datesHeld_(int(dateRecordsIn(full_.dates))) {}

    RepairPlan run() {
        plan_.files = in_;
        drawCount_ = countOfDraws();
        copy_.keepIfItHolds(drawCount_);
        resolveDates();
        resolveNumbers();
        resolveWeekdays();
        keepNational();
        writeDatesFile();
        rewriteSubArchives();
        return std::move(plan_);
    }

private:
    const char* fullDate(int d) const {
        return d <= datesHeld_ ? full_.dates.constData() + dateRecordOffset(d) : nullptr;
    }
    const char* fullNumbers(int d) const {
        return numbersRecordOffset(d + 1) <= full_.numbers.size()
                   ? full_.numbers.constData() + numbersRecordOffset(d)
                   : nullptr;
    }

    // Marks draw `d` for a step of `kind`, joining it to the range of the step before.
    void note(Step::Kind kind, int d, std::vector<Step>& steps) {
        if (!steps.empty() && steps.back().kind == kind && steps.back().lastDraw == d - 1)
            steps.back().lastDraw = d;
        else
            steps.push_back({.kind = kind, .draw = d, .lastDraw = d});
    }

    // The stated count when the records are there; else as many as the files hold. Then over the
    // records after it whose dates are calendar days in order and whose numbers are possible: a
    // lowered count hides real draws.
    int countOfDraws() {
        const int held = std::min(std::max(datesHeld_, copy_.draws()), MaxDrawCount);
        int count = count_ >= 1 && count_ <= held ? count_ : held;
        while (count < held && soundDrawAfter(count + 1))
            ++count;
        return count;
    }

    bool soundDrawAfter(int d) const {
        const char* date = fullDate(d) && isCalendarDate(fullDate(d)) ? fullDate(d) : copy_.date(d);
        const char* before = fullDate(d - 1) ? fullDate(d - 1) : copy_.date(d - 1);
        const char* numbers = fullNumbers(d) ? fullNumbers(d) : copy_.numbers(d);
        if (!date || !isCalendarDate(date) || (before && dateKey(date) <= dateKey(before)) || !numbers)
            return false;
        // A draw saved with a number missing is still a draw.
        for (int w = 0; w < CityWheels; ++w)
            if (StateOfWheel(reinterpret_cast<const quint8*>(numbers) + NumbersPerWheel * w) ==
                WheelState::Impossible)
                return false;
        return true;
    }

    void resolveDates() {
        dates_.reserve(std::size_t(drawCount_) * DateRecordSize);
        std::vector<Step> steps;
        for (int d = 1; d <= drawCount_; ++d) {
            const char* mine = fullDate(d);
            const char* other = copy_.date(d);
            const bool same = mine && other && std::equal(mine, mine + DateRecordSize, other);
            const Choice choice =
                choose(mine, mine && isCalendarDate(mine), other, other && isCalendarDate(other), same);
            disagree_ = disagree_ || choice == Choice::Disagree;
            if (choice == Choice::Copy)
                note(Step::DatesFromSubArchives, d, steps);
            const char* chosen = choice == Choice::Copy ? other : mine;
            dates_.append(chosen ? QByteArray(chosen, DateRecordSize) : QByteArray(DateRecordSize, '\0'));
        }
        if (in_.exists())
            plan_.steps.insert(plan_.steps.end(), steps.begin(), steps.end());
        else
            plan_.steps.push_back({.kind = Step::DatesFromSubArchives, .draw = 1, .lastDraw = drawCount_});
    }

    // Number by number; where both are numbers but differ, a wheel that draws one number twice loses.
    void resolveNumbers() {
        QByteArray numbers;
        numbers.reserve(numbersRecordOffset(drawCount_ + 1));
        std::vector<Step> steps;
        for (int d = 1; d <= drawCount_; ++d) {
            const char* mine = fullNumbers(d);
            const char* other = copy_.numbers(d);
            if (!mine && !other)
                return trim(DataFileName::SmNumbers, full_.numbers, full_.numbers.size());
            bool fromCopy = false;
            for (int w = 0; w < CityWheels; ++w) {
                const int at = NumbersPerWheel * w;
                const auto state = [at](const char* record) {
                    return record ? StateOfWheel(reinterpret_cast<const quint8*>(record) + at)
                                  : WheelState::Impossible;
                };
                for (int p = at; p < at + NumbersPerWheel; ++p) {
                    const bool same = mine && other && mine[p] == other[p];
                    bool mineSound = mine && isNumber(mine[p]), otherSound = other && isNumber(other[p]);
                    if (mineSound && otherSound && !same && state(mine) != state(other)) {
                        mineSound = state(mine) != WheelState::Impossible;
                        otherSound = state(other) != WheelState::Impossible;
                    }
                    const Choice choice = choose(mine, mineSound, other, otherSound, same);
                    disagree_ = disagree_ || choice == Choice::Disagree;
                    fromCopy = fromCopy || choice == Choice::Copy;
                    numbers.append(choice == Choice::Copy ? other[p] : mine[p]);
                }
            }
            if (fromCopy)
                note(Step::NumbersFromSubArchives, d, steps);
        }
        plan_.steps.insert(plan_.steps.end(), steps.begin(), steps.end());
        replace(DataFileName::SmNumbers, full_.numbers, plan_.files.files.full.numbers, numbers);
    }

    // A weekday missing or beyond 7 follows from its date; a wrong one within 1..7 is the user's to
    // correct (the date may be the wrong one).
    void resolveWeekdays() {
        QByteArray weekdays;
        std::vector<Step> steps;
        for (int d = 1; d <= drawCount_; ++d) {
            const int stored = d <= full_.weekdays.size() ? quint8(full_.weekdays[d - 1]) : 8;
            const char* date = dates_.constData() + DateRecordSize * (d - 1);
            if (stored <= 7) {
                weekdays.append(char(stored));
                continue;
            }
            if (!isCalendarDate(date))
                return trim(DataFileName::Weekdays, full_.weekdays, full_.weekdays.size());
            const auto* bytes = reinterpret_cast<const quint8*>(date);
            weekdays.append(char(WeekdayOfDate(bytes[0], bytes[1], bytes[2])));
            note(Step::WeekdaysFromDates, d, steps);
        }
        plan_.steps.insert(plan_.steps.end(), steps.begin(), steps.end());
        replace(DataFileName::Weekdays, full_.weekdays, plan_.files.files.full.weekdays, weekdays);
    }

    // The national wheel has no other copy: the file is only ever cut to its records.
    void keepNational() {
        const qint64 wanted = drawCount_ >= FirstNationalDraw ? nationalRecordOffset(drawCount_ + 1) : 0;
        if (full_.national.size() >= wanted)
            trim(DataFileName::National, full_.national, wanted);
    }

    void writeDatesFile() {
        QByteArray dates = full_.dates.size() >= DatesHeaderSize ? full_.dates.left(DatesHeaderSize)
                                                                 : QByteArray(DatesHeaderSize, '\0');
        const int stated = wordAt(full_.dates, 2);
        const int lastWeekly = lastWeeklyOfDates(stated);
        putWord(dates, 0, qint16(drawCount_));
        putWord(dates, 2, qint16(lastWeekly));
        dates += dates_;
        if (in_.exists() && drawCount_ != count_)
            plan_.steps.push_back({.kind = Step::CountChanged, .number = count_, .other = drawCount_});
        if (in_.exists() && lastWeekly != stated)
            plan_.steps.push_back({.kind = Step::LastWeeklyFromDates, .number = stated, .other = lastWeekly});
        replace(DataFileName::SmDates, full_.dates, plan_.files.files.full.dates, dates);
    }

    // From the dates when every one is a calendar day; otherwise the stated one where it can be.
    int lastWeeklyOfDates(int stated) const {
        const int firstTwiceWeekly = DrawDateKey(FirstTwiceWeeklyDate);
        int last = 0;
        for (int d = 1; d <= drawCount_; ++d) {
            const char* date = dates_.constData() + DateRecordSize * (d - 1);
            if (!isCalendarDate(date))
                return std::clamp(in_.exists() ? stated : copy_.lastWeekly(), 0, drawCount_);
            if (dateKey(date) < firstTwiceWeekly)
                last = d;
        }
        return last;
    }

    // "S" and "M" as the full archive implies them, when it has no damage left and nowhere
    // disagrees with them.
    void rewriteSubArchives() {
        if (!in_.subArchives() || disagree_)
            return;
        ArchiveSnapshot fullSet = plan_.files;
        if (HasDamage(CheckArchive(fullSetOf(fullSet))))
            return;
        const auto decoded = DecodeArchive(fullSet.files.full);
        if (decoded.error)
            return;
        ArchiveFiles implied = EncodeArchive(decoded.value);
        KeepReservedBytes(implied, in_.files);
        if (implied.weekly == in_.files.weekly && implied.midweek == in_.files.midweek &&
            in_.present.contains(DataFileName::dates(FileSet::Weekly)) &&
            in_.present.contains(DataFileName::numbers(FileSet::Weekly)) &&
            in_.present.contains(DataFileName::dates(FileSet::Midweek)) &&
            in_.present.contains(DataFileName::numbers(FileSet::Midweek)))
            return;
        plan_.files.files.weekly = implied.weekly;
        plan_.files.files.midweek = implied.midweek;
        for (const QString& name : DataFileName::all().mid(4))
            plan_.files.present.insert(name.toLower());
        plan_.steps.push_back({.kind = Step::SubArchivesRewritten});
    }

    static ArchiveSnapshot fullSetOf(ArchiveSnapshot snapshot) {
        for (const QString& name : DataFileName::all().mid(4))
            snapshot.present.remove(name.toLower());
        return snapshot;
    }

    // A full-archive file as the repair leaves it: there, with `bytes`; a longer one was cut.
    void replace(const QString& name, const QByteArray& before, QByteArray& target, const QByteArray& bytes) {
        if (before.size() > bytes.size())
            plan_.steps.push_back({.kind = Step::FileTrimmed,
                                   .number = int(before.size()),
                                   .other = int(bytes.size()),
                                   .file = name});
        target = bytes;
        plan_.files.present.insert(name.toLower());
    }

    // A file cut to `size` bytes, when it is longer.
    void trim(const QString& name, const QByteArray& file, qint64 size) {
        if (file.size() <= size)
            return;
        plan_.steps.push_back(
            {.kind = Step::FileTrimmed, .number = int(file.size()), .other = int(size), .file = name});
        for (const auto& [fileName, bytes] : NamedArchiveFiles(plan_.files.files))
            if (fileName == name)
                *bytes = file.left(size);
    }

    const ArchiveSnapshot& in_;
    const FileSetBytes& full_;
    SubArchiveCopy copy_;
    const int count_;
    const int datesHeld_;
    int drawCount_ = 0;
    bool disagree_ = false;
    QByteArray dates_; // the resolved date records
    RepairPlan plan_;
};

} // namespace

RepairPlan PlanRepair(const ArchiveSnapshot& snapshot) {
    return Repairer(snapshot).run();
}
