// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"

#include <QString>
#include <array>

// The wheels as the official results file names them, in the order of its lines: alphabetical by
// code, so Rome ("RM", where the program's own labels say "RO") comes before the national wheel.
struct OfficialWheel {
    char code[3];
    int wheel;
};
inline constexpr std::array<OfficialWheel, AllWheels> OfficialWheels = {{{"BA", 1},
                                                                         {"CA", 2},
                                                                         {"FI", 3},
                                                                         {"GE", 4},
                                                                         {"MI", 5},
                                                                         {"NA", 6},
                                                                         {"PA", 7},
                                                                         {"RM", 8},
                                                                         {"RN", 11},
                                                                         {"TO", 9},
                                                                         {"VE", 10}}};

// The official code of wheel 1..11; the empty text outside.
QString OfficialWheelCode(int wheel);

// The wheel 1..11 of a two-letter code in upper case: an official code, or one of the program's
// own codes ("RO" for Rome, "NZ" for the national wheel); 0 for none.
int OfficialWheelOf(char first, char second);
