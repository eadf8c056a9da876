// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"

#include <QDate>

class FileStore;
struct EditBuffer;

// A synthetic archive on the real calendar of the draws: Saturdays from 4 January 1947;
// Wednesdays and Saturdays from 12 March 1997 (so LastWeeklyDraw is the Saturday before);
// Tuesdays, Thursdays and Saturdays from 21 June 2005; Fridays as well from 7 July 2023.
// The numbers are invented: five distinct numbers 1..90 per wheel from a fixed seed, the national
// wheel from draw FirstNationalDraw on; SuperNumbers derived as a load would. Stops at `lastDay` or after
// `maxDraws` draws.
Archive MakeDemoArchive(QDate lastDay = QDate(2026, 12, 5), int maxDraws = MaxDrawCount);

// A valid draw to save in tests, benchmarks and fuzzing: 09-10-04, a Saturday, wheel w holding
// 5w + 1 .. 5w + 5 (RN 56..60).
EditBuffer SampleDraw();
