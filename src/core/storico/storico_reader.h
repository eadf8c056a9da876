// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"
#include "archive/packed_date.h"
#include "storico/import_problem.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <array>
#include <vector>

// Reading the official results archive: one line per wheel of each draw,
// "YYYY/MM/DD  CODE  n1 n2 n3 n4 n5", fields separated by tabs or blanks.

// One draw of the file: every wheel line of its date (two dates for a contest drawn over two days).
struct StoricoDraw {
    int year = 0;
    int month = 0;
    int day = 0;
    int weekday = 0;               // 1 Monday .. 7 Sunday, of the draw's date
    int firstLine = 0;             // the first line of the date, for the report
    WheelNumbers numbers{};        // [wheel 1..11][position 1..5]
    std::array<bool, 12> wheels{}; // which wheels the file has for this draw

    int cityWheels() const;
    bool hasNationalWheel() const { return wheels[std::size_t(NationalWheel)]; }
    // yyyymmdd, for ordering and matching.
    int dateKey() const { return DateKey(year, month, day); }
    QDate date() const { return {year, month, day}; }
};

struct StoricoFile {
    std::vector<StoricoDraw> draws; // from 1947 on, oldest first, two-date contests joined
    int lines = 0;                  // wheel lines read
    int skippedBefore1947 = 0;      // draws dated before the archive's first year
    ImportProblem problem;          // a file error: its line and what is wrong there

    bool ok() const { return !problem; }
};

// Reads the whole file: UTF-8 with or without a byte-order mark, LF or CR LF, blank lines, draws in
// either order and the lines of one date in any order. Wheel codes in any case; RM or RO is Roma,
// RN or NZ the national wheel. A line that is not a wheel line, a number outside 1..90 or twice on
// a wheel, a wheel twice on a date, a date after LastArchiveYear, or a date with fewer than ten city wheels
// that is not half of a two-date contest, is an error, and then no draw is returned.
// With `latest`, a date after it (a typo, a hand-made line) is an error too.
StoricoFile ReadStoricoFile(const QByteArray& bytes, QDate latest = {});
