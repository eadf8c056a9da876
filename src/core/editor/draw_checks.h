// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"

#include <QString>

// The checks a typed draw passes before it is saved.

// The numeric value of a date or number field: its leading digits, blanks ignored; empty is 0.
int FieldValue(const QString& text);

// The first wheel 1..`wheels` holding a 0, a number twice (zeros aside), or a number above 90;
// 0 when there is none.
int FirstWheelWithZero(const WheelNumbers& numbers, int wheels);
int FirstWheelWithDuplicates(const WheelNumbers& numbers, int wheels);
int FirstWheelAbove90(const WheelNumbers& numbers, int wheels);

// Day 1..31 and month 1..12, at most 30 days in April, June, September and November, February
// 29 days when the year code is a multiple of 4 and 28 otherwise, and a year code 0..99 so that
// the date fits its bytes in the data files.
bool IsBadDate(int day, int month, int yearCode);

// The archive is in date order, and the matching of pasted draws relies on it: draw `draw` (a new
// draw: DrawCount + 1) must be dated after the draw before it and before the draw after it.
bool FitsDateOrder(const Archive& archive, int draw, int day, int month, int yearCode);
