// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/draw_search.h"
#include "stats/draw_stats.h"

#include <QByteArray>

// The figures and the search as CSV, for scripts and spreadsheets: dates yyyy-mm-dd as the archive's
// export writes them, an empty last date for what never came out.

// "number,drawn,delay,max_delay,last_date", one row per number 1..90.
QByteArray NumberFiguresCsv(const Archive& archive, const std::array<Figures, HighestNumber + 1>& figures);
// "pair,drawn,delay,max_delay,last_date", one row per pair a-b (a < b) in order 1-2, 1-3, ..., 89-90.
QByteArray PairFiguresCsv(const Archive& archive, const std::vector<Figures>& figures);
// "draw,date,wheel,numbers": the draw, its date, the wheel as the official file names it, its five
// numbers separated by blanks.
QByteArray MatchesCsv(const Archive& archive, const std::vector<DrawMatch>& matches);
