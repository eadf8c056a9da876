// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

class Archive;

// Slots 1..10 hold the numbers found on a line, in order; slot 0 is never written.
using ImportNumbersArray = std::array<qint16, 11>;

// The numbers of a line: every run of the digits 0..9 is one number, anything else separates.
// More than 10 numbers, or a run above 32767, make the line neither a date nor a wheel line.
struct NumberScan {
    ImportNumbersArray numbers{};
    int count = 0;
    bool usable = true; // false: more than 10 numbers, or a number too large to hold
};
NumberScan ScanNumbers(const QString& u);

// Each scanner takes one line, already in upper case and without leading and trailing blanks.

// The date line: exactly three numbers, day 1..31 and month 1..12. ImportNumbers(1..3) are then
// day, month and year code (2005 gives 5, 1999 gives 99, 05 stays 5; other years keep their value).
bool NadjiDatum(const QString& u, ImportNumbersArray& ImportNumbers);

// The weekday named on the line by the first stem found ("LUNED" .. "DOMENIC"): 1..7, or 0.
int NadjiGiorno(const QString& u);

// The wheel 1..11 of a line with exactly five numbers 1..90, found by its name or code (names
// first, then "NAZIONALE", codes, "RM", "NZ"); ImportNumbers(1..5) are then its numbers. 0 otherwise.
int NadjiIzvlacenje(const QString& u, ImportNumbersArray& ImportNumbers);

// Where a date falls in the archive: -i when draw i has exactly that date, i when draw i is the
// first later draw, DrawCount + 1 when every draw is earlier. Dates compare by year rank, month, day.
int NadjiEst(const Archive& archive, const std::array<qint16, 4>& EditDate);
