// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"
#include "archive/draw_rules.h"
#include "archive/file_sets.h"
#include "archive/packed_date.h"

#include <vector>

// What a check of the whole archive finds, as values; the text folder puts them into words.
struct ArchiveProblem {
    enum Kind {
        // Damage: the full archive cannot be read, or holds what no write of the program makes.
        MissingDatesFile, // other files of the archive are there
        DamagedCount,     // number: the count of the dates file, other: the records it holds
        MissingFile,      // file, draw..lastDraw: the draws whose records it should hold
        ShortFile,        // file, number: its bytes, other: the bytes wanted, draw..lastDraw: those lacking
        LongFile,    // file, number, other; for the dates file draw..lastDraw: the records after the count
        InvalidDate, // draw: a date that is no calendar day
        ImpossibleNumbers, // draw, wheel: a number above 90, or one drawn twice
        ImpossibleWeekday, // draw, number: a code above 7
        WrongLastWeekly,   // number: LastWeeklyDraw, other: the one the dates give
        LostInFullArchive, // draw, file: a value missing or impossible here is sound in that sub-archive file
        // Content: draws the user corrects.
        DateOutOfOrder,  // draw, other: the draw before; dates: theirs
        WrongWeekday,    // draw, number: the stored weekday code, other: its date's
        IncompleteDraw,  // draw, wheel: zeros among its numbers
        NoNationalWheel, // draw: the national wheel all zeros
        // Sub-archives that are not what a sound full archive implies.
        SubArchiveMissing, // file: one of their files, while others are there
        SubArchiveFile,    // file: its header or its length is not the one implied
        SubArchiveDiffers, // draw, file: its record there differs from the full archive's, which is sound
    };
    enum class Severity { Damage, Content, SubArchive };

    Kind kind;
    int draw = 0;
    int lastDraw = 0;
    int wheel = 0;
    int number = 0;
    int other = 0;
    QString file{};
    PackedDate date{};
    PackedDate otherDate{};

    Severity severity() const;
    // The archive cannot be loaded at all.
    bool unreadable() const { return kind == MissingDatesFile || kind == DamagedCount; }
    friend bool operator==(const ArchiveProblem&, const ArchiveProblem&) = default;
};

// Every problem of the archive whose files are `snapshot`, in the order of the files and the
// draws. A sub-archive file whose header and length are those the full archive implies is compared
// with it draw by draw: a value the full archive lost (a zero, a number above 90, a date that is no
// calendar day) where the sub-archive has a sound one is damage of the full archive; any other
// difference is the sub-archive's.
std::vector<ArchiveProblem> CheckArchive(const ArchiveSnapshot& snapshot);

// Whether any of `problems` is damage: then nothing may be added to the archive or corrected in it
// until it is repaired, restored or rebuilt.
bool HasDamage(const std::vector<ArchiveProblem>& problems);
bool IsUnreadable(const std::vector<ArchiveProblem>& problems);

class FileStore;

// An archive as loaded, what the check of its files found (also when the load failed), and why
// it did not load.
struct [[nodiscard]] CheckedLoad {
    Archive archive{};
    std::vector<ArchiveProblem> problems{};
    Failure error{};
};

// Loads the archive as LoadArchive does, reading every file as a reader, and checks them all.
CheckedLoad LoadCheckedArchive(FileStore& files);
