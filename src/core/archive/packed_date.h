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

// The order of year codes: 47, 48, .., 99, 0 (=100), .., 46 (=146).
constexpr int YearRank(int yearCode) {
    return yearCode < YearCodePivot ? yearCode + 100 : yearCode;
}

// The calendar year a year code stands for.
constexpr int FullYear(int yearCode) {
    return yearCode < YearCodePivot ? yearCode + 2000 : yearCode + 1900;
}
