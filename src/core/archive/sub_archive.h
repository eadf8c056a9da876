// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/packed_date.h"

#include <QString>
#include <vector>

class Archive;

// The Wednesday draws began on 12 March 1997: the draws before it are the once-a-week period,
// and LastWeeklyDraw is the last of them.
inline constexpr PackedDate FirstTwiceWeeklyDate = PackDate(1997, 3, 12);

// The LastWeeklyDraw of an archive by its dates: its last draw dated before FirstTwiceWeeklyDate
// (0 when there is none).
int LastWeeklyDrawOf(const Archive& archive);

// Which sub-archive a draw belongs to, and its index there. Draws 1..LastWeeklyDraw are all in
// "S"; after them the draws alternate: odd distance from LastWeeklyDraw in "M", even in "S".
struct SubArchivePlace {
    QString suffix; // "S" or "M"
    int index = 0;  // the draw's record index within that sub-archive
};

// Parity of `draw`: 1 for the "M" sub-archive, 0 for "S".
int SubArchiveParity(int draw, int lastWeeklyDraw);
SubArchivePlace SubArchiveOf(int draw, int lastWeeklyDraw);
// The draws of an archive of `count` draws that sub-archive `suffix` holds, in its record order.
std::vector<int> SubArchiveDraws(int count, int lastWeeklyDraw, const QString& suffix);
