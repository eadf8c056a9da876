// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"

#include <array>

// The draw being typed, corrected or imported: what a save writes.
struct EditBuffer {
    WheelNumbers EditNumbers{};       // [wheel 1..11][position 1..5]
    std::array<qint16, 4> EditDate{}; // [1] day, [2] month, [3] year code
    qint16 CurrentWeekday = 0;        // weekday code 0..7
};
