// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/draw_stats.h"

#include <vector>

// A draw and a wheel on which every searched number came out.
struct DrawMatch {
    int draw = 0;
    int wheel = 0;

    friend bool operator==(const DrawMatch&, const DrawMatch&) = default;
};

// The draws of `period` in which all of `numbers` (1 to 5 distinct numbers 1..90) came out together
// on `wheel`, or on any wheel (AnyWheel: one match per wheel), oldest first.
std::vector<DrawMatch> FindDraws(const Archive& archive, const std::vector<int>& numbers, int wheel,
                                 const DrawPeriod& period);

// The first draw dated `date` or later; 0 when every draw is earlier.
int FirstDrawFrom(const Archive& archive, QDate date);
