// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/file_sets.h"

#include <QString>
#include <vector>

// What a repair changes, as values; the text folder puts them into words.
struct RepairStep {
    enum Kind {
        DatesFromSubArchives,   // draw..lastDraw
        NumbersFromSubArchives, // draw..lastDraw
        WeekdaysFromDates,      // draw..lastDraw
        CountChanged,           // number: the count before, other: after
        LastWeeklyFromDates,    // number: LastWeeklyDraw before, other: after
        FileTrimmed,            // file, number: its bytes before, other: after
        SubArchivesRewritten,
    };
    Kind kind;
    int draw = 0;
    int lastDraw = 0;
    int number = 0;
    int other = 0;
    QString file{};
    friend bool operator==(const RepairStep&, const RepairStep&) = default;
};

struct RepairPlan {
    ArchiveSnapshot files;         // the archive's files as the repair leaves them
    std::vector<RepairStep> steps; // what it changes, in the order of the files and the draws
};

// The repair of the archive whose files are `snapshot`. It uses the redundancy of the format: the
// sub-archives "S" and "M" together hold every draw's date and city numbers again, and a weekday
// follows from its date. Draw by draw, a value that is impossible (a zero where the other copy has a
// number, a number above 90, a date that is no calendar day, a record beyond the end of a short
// file) is taken from the copy where it is sound; where two sound copies disagree neither is
// changed. A count below the records is raised over the records after it that are sound and in
// order, one above them lowered to them; LastWeeklyDraw follows from the dates. A file that cannot
// be completed from a sound copy is left as it is, and the sub-archives are written again from the
// full archive only when that has no damage left and no disagreement. What is left is what
// CheckArchive finds in the result.
RepairPlan PlanRepair(const ArchiveSnapshot& snapshot);
