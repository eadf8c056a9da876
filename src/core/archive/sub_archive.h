// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/packed_date.h"

#include <QString>

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

class FileStore;
// The sub-archives are there when the weekly dates file is, readable or not: a sub-archive that
// cannot be written is a failed save, never one silently left behind.
bool SubArchivesPresent(FileStore& files);
