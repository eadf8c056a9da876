// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/packed_date.h"

#include <QByteArray>
#include <QString>

class Archive;

// "dd-mm-yy": each part with at least two digits (a value of 100 or more keeps all its digits).
QString FormatDrawDate(const PackedDate& date);
QString FormatDrawDate(int day, int month, int yearCode);
QString FormatDrawDate(const Archive& archive, int draw);
// A weekday code's abbreviation for reports: "Lun" .. "Dom", "nessuno" for a code that names none.
QString WeekdayText(int code);
// "dd-mm-yyyy", as the import reports dates.
QString FullDateText(int year, int month, int day);
// "yyyy/mm/dd", as the official results file writes dates.
QString OfficialDateText(int year, int month, int day);
// Appends "yyyy", the separator, "mm", the separator, "dd" (the export's fast path).
void AppendDate(QByteArray& text, PackedDate date, char separator);
// Appends the decimal digits of a value that is not negative, at least `width` of them.
void AppendNumber(QByteArray& text, int value, int width = 1);

// Weekday code of a stored draw and its abbreviation; draw may be DrawCount + 1 (the draw being added).
// A stored code outside 0..7 gives 0, no weekday.
struct DrawWeekdayInfo {
    qint16 code = 0;
    QString abbrev;
};
DrawWeekdayInfo GetDrawWeekday(const Archive& archive, int draw);

// Weekday code 1 (Monday) .. 7 (Sunday) of day `id`, month `jd`, year code `kd` on the real
// calendar, in every year of the archive; 0 when the date is no calendar day.
qint16 Day_From_Date(qint16 id, qint16 jd, qint16 kd);
