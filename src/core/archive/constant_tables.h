// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's fixed tables. Indices follow the archive's conventions: wheels 1..11
// (plus the alternative codes 12, 13), weekday codes 0..7, month slots 0..12.
// An index outside a table gives the empty text (or 0), never undefined behaviour.

// Two-letter wheel labels 1..11; 12 ("RM") and 13 ("NZ") are alternative codes
// recognised only in pasted text.
QString WheelCode(int index);
inline constexpr int WheelCodeCount = 13;

// Wheel names 1..11 as published; 12 ("NAZIONALE") is an alternative name for wheel 11.
QString WheelName(int index);
inline constexpr int WheelNameCount = 12;

// The wheel that code or name `index` stands for (1..11), 0 outside the table.
int WheelOfCode(int index);
int WheelOfName(int index);

// Weekday abbreviations by weekday code: 0 is the empty text, 1 "Lun" .. 7 "Dom".
QString DayAbbrev(int code);
inline constexpr int DayAbbrevCount = 8;
