// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// A draw date as the data files hold it: day, month and two-digit year code, one byte each.
// Year codes 47..99 are 1947..1999, 0..46 are 2000..2046.
struct PackedDate {
    quint8 day = 0;
    quint8 month = 0;
    quint8 yearCode = 0;

    friend bool operator==(const PackedDate&, const PackedDate&) = default;
};

// Codes below the pivot belong to the next century.
inline constexpr int YearCodePivot = 47;

// The calendar year a year code stands for.
constexpr int FullYear(int yearCode) {
    return yearCode < YearCodePivot ? yearCode + 2000 : yearCode + 1900;
}

// The years the archive's year codes can hold: 1947 (code 47) .. 2046 (code 46).
inline constexpr int FirstArchiveYear = 1947;
inline constexpr int LastArchiveYear = 2046;

// The year code of a calendar year of the archive.
constexpr int YearCode(int year) {
    return year % 100;
}

// yyyymmdd: calendar dates order and match by this key.
constexpr int DateKey(int year, int month, int day) {
    return year * 10000 + month * 100 + day;
}
// The key of a date as the archive or the edit buffer holds it (day, month, year code).
constexpr int DrawDateKey(int day, int month, int yearCode) {
    return DateKey(FullYear(yearCode), month, day);
}
constexpr int DrawDateKey(PackedDate date) {
    return DrawDateKey(date.day, date.month, date.yearCode);
}

constexpr PackedDate PackDate(int year, int month, int day) {
    return {quint8(day), quint8(month), quint8(YearCode(year))};
}

// The archive's first draw: 4 January 1947.
inline constexpr PackedDate FirstArchiveDraw = PackDate(1947, 1, 4);
