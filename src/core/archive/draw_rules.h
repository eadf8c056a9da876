// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"
#include "archive/edit_buffer.h"

#include <QDate>
#include <vector>

// The rules every stored draw keeps, in one place: the window's commit, the import and the update,
// the check of the whole archive and the paste matcher all go by them, so that a draw the window
// saves is one the check calls sound, and the reverse.

// A wheel's five numbers as they stand: all there, some missing (zeros: a draw saved before every
// number was known), or impossible (above 90, or one number twice).
enum class WheelState { Sound, Incomplete, Impossible };
WheelState StateOfWheel(const quint8* numbers);
WheelState StateOfWheel(const std::array<qint16, 6>& wheel); // positions 1..5

// A day of the calendar in the archive's years (year codes 0..99); its weekday 1 (Monday) .. 7
// (Sunday), or 0 when it is none.
bool IsArchiveDate(int day, int month, int yearCode);
int WeekdayOfDate(int day, int month, int yearCode);
inline int WeekdayOfDate(PackedDate date) {
    return WeekdayOfDate(date.day, date.month, date.yearCode);
}

// A rule that a draw to be stored breaks.
struct RuleBreak {
    enum Kind {
        ZerosOnWheel,      // wheel: numbers missing; a warning, since a draw may be stored incomplete
        DuplicatesOnWheel, // wheel: a number twice
        Above90OnWheel,    // wheel
        BadDate,           // no calendar day
        FutureDate,        // after tomorrow
        NotTheFirstDraw,   // the first draw of a new archive is not the archive's first draw
        OutOfOrder,        // not after the draw before it, or not before the draw after it
        NoWeekday,
        WrongWeekday, // other: the date's weekday
    };
    Kind kind;
    int wheel = 0;
    int other = 0;
    friend bool operator==(const RuleBreak&, const RuleBreak&) = default;
};

// The rules that draw `draw` of `archive` (DrawCount + 1: a new draw) as `edit` holds it breaks,
// in the order a user is told them: the wheels (missing numbers, a number twice, numbers above 90;
// the national wheel from FirstNationalDraw on), the date (a calendar day, not after the day after
// `today`, for a new archive its first draw, between its neighbours), the weekday (given, and its
// date's, in every year). Empty: the draw may be stored.
std::vector<RuleBreak> BrokenRules(const Archive& archive, int draw, const EditBuffer& edit,
                                   const QDate& today);

// Only the breaks that stop a draw being stored: all but missing numbers.
bool StopsTheDraw(const RuleBreak& rule);
