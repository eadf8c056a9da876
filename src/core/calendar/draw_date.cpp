// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/draw_date.h"

#include "archive/archive.h"
#include "archive/constant_tables.h"
#include "archive/draw_rules.h"

namespace {

QString twoDigits(int value) {
    return QString::number(value).rightJustified(2, u'0');
}

} // namespace

QString FormatDrawDate(int day, int month, int yearCode) {
    return twoDigits(day) + u'-' + twoDigits(month) + u'-' + twoDigits(yearCode);
}

QString FormatDrawDate(const PackedDate& date) {
    return FormatDrawDate(date.day, date.month, date.yearCode);
}

QString FormatDrawDate(const Archive& archive, int draw) {
    return FormatDrawDate(archive.DrawDate(draw));
}

QString WeekdayText(int code) {
    const QString name = DayAbbrev(code);
    return name.isEmpty() ? QStringLiteral("nessuno") : name;
}

QString FullDateText(int year, int month, int day) {
    return QStringLiteral("%1-%2-%3")
        .arg(day, 2, 10, QChar(u'0'))
        .arg(month, 2, 10, QChar(u'0'))
        .arg(year, 4, 10, QChar(u'0'));
}

QString OfficialDateText(int year, int month, int day) {
    return QStringLiteral("%1/%2/%3")
        .arg(year, 4, 10, QChar(u'0'))
        .arg(month, 2, 10, QChar(u'0'))
        .arg(day, 2, 10, QChar(u'0'));
}

void AppendNumber(QByteArray& text, int value, int width) {
    char digits[12];
    int length = 0;
    do {
        digits[length++] = char('0' + value % 10);
        value /= 10;
    } while (value > 0 || length < width);
    while (length > 0)
        text += digits[--length];
}

void AppendDate(QByteArray& text, PackedDate date, char separator) {
    AppendNumber(text, FullYear(date.yearCode), 4);
    text += separator;
    AppendNumber(text, date.month, 2);
    text += separator;
    AppendNumber(text, date.day, 2);
}

DrawWeekdayInfo GetDrawWeekday(const Archive& archive, int draw) {
    const qint16 stored = archive.DrawWeekday(draw);
    // A damaged byte names no weekday: the user is asked for it rather than shown a guess.
    const qint16 code = stored >= 0 && stored <= 7 ? stored : 0;
    return {code, DayAbbrev(code)};
}

qint16 Day_From_Date(qint16 id, qint16 jd, qint16 kd) {
    return qint16(WeekdayOfDate(id, jd, kd));
}
