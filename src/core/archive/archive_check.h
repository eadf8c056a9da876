// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/file_sets.h"
#include "archive/packed_date.h"

#include <vector>

// What a check of the whole archive finds, as values; the text folder puts them into words.
struct ArchiveProblem {
    enum Kind {
        DamagedCount,          // number: the count of the dates file, other: the records it holds
        ShortFile,             // file: the file, number: its bytes, other: the bytes the count asks for
        LongFile,              // the same, for a file with bytes beyond its records
        DateOutOfOrder,        // draw, other: the draw before; dates: theirs
        WrongWeekday,          // draw, number: the stored weekday code, other: its date's
        InvalidDate,           // draw: a date that is no calendar day
        NoNationalWheel,       // draw
        LastWeeklyBeyondCount, // number: LastWeeklyDraw, other: the count
        SubArchivesDisagree,
    };
    Kind kind;
    int draw = 0;
    int number = 0;
    int other = 0;
    QString file{};
    PackedDate date{};
    PackedDate otherDate{};

    // Whether a repair can write it right from the rest of the archive.
    bool repairable() const {
        return kind == ShortFile || kind == LongFile || kind == LastWeeklyBeyondCount ||
               kind == SubArchivesDisagree;
    }
    friend bool operator==(const ArchiveProblem&, const ArchiveProblem&) = default;
};

// Every problem of the archive held in `files`, in the order of the files and the draws.
// `subArchives`: whether "S" and "M" are there.
std::vector<ArchiveProblem> CheckArchive(const ArchiveFiles& files, bool subArchives);
