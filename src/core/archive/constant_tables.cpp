// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/constant_tables.h"

#include <array>

namespace {

constexpr std::array<const char*, 14> wheelCodes = {"",   "BA", "CA", "FI", "GE", "MI", "NA",
                                                    "PA", "RO", "TO", "VE", "RN", "RM", "NZ"};
constexpr std::array<int, 14> wheelOfCode = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 8, 11};

constexpr std::array<const char*, 13> wheelNames = {
    "",        "BARI", "CAGLIARI", "FIRENZE", "GENOVA",          "MILANO",   "NAPOLI",
    "PALERMO", "ROMA", "TORINO",   "VENEZIA", "RUOTA NAZIONALE", "NAZIONALE"};
constexpr std::array<int, 13> wheelOfName = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 11};

constexpr std::array<const char*, 8> dayAbbrevs = {"", "Lun", "Mar", "Mer", "Gio", "Ven", "Sab", "Dom"};

template <typename Table> auto lookup(const Table& table, int index, typename Table::value_type fallback) {
    return index >= 0 && index < int(table.size()) ? table[std::size_t(index)] : fallback;
}

} // namespace

QString WheelCode(int index) {
    return QString::fromLatin1(lookup(wheelCodes, index, ""));
}
QString WheelName(int index) {
    return QString::fromLatin1(lookup(wheelNames, index, ""));
}
int WheelOfCode(int index) {
    return lookup(wheelOfCode, index, 0);
}
int WheelOfName(int index) {
    return lookup(wheelOfName, index, 0);
}
QString DayAbbrev(int code) {
    return QString::fromLatin1(lookup(dayAbbrevs, code, ""));
}
