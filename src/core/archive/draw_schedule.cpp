// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/draw_schedule.h"

#include <QTimeZone>
#include <array>

namespace {

constexpr int DaysInWeek = 7;
constexpr int BusiestShare = 5; // a draw day held at least a fifth of the busiest day's draws
const QTime ResultsOut(20, 0);

QDate dateOf(PackedDate date) {
    return QDate(FullYear(date.yearCode), date.month, date.day);
}

// How many of the year's draws up to `last` fell on each weekday (index 1..7).
std::array<int, DaysInWeek + 1> weekdayCounts(const Archive& archive, QDate last) {
    std::array<int, DaysInWeek + 1> counts{};
    const QDate yearBefore = last.addYears(-1);
    for (int d = archive.DrawCount(); d >= 1; --d) {
        const QDate date = dateOf(archive.DrawDate(d));
        if (!date.isValid())
            continue;
        if (date <= yearBefore)
            break;
        ++counts[std::size_t(date.dayOfWeek())];
    }
    return counts;
}

} // namespace

NextDraw NextDrawOf(const Archive& archive) {
    if (archive.DrawCount() == 0)
        return {};
    const QDate last = dateOf(archive.DrawDate(archive.DrawCount()));
    if (!last.isValid())
        return {};
    const auto counts = weekdayCounts(archive, last);
    const int busiest = *std::max_element(counts.begin(), counts.end());
    NextDraw next;
    for (QDate day = last.addDays(1); day <= last.addDays(DaysInWeek); day = day.addDays(1))
        if (busiest > 0 && counts[std::size_t(day.dayOfWeek())] * BusiestShare >= busiest) {
            next.date = day;
            break;
        }
    if (next.date.isValid())
        next.due = QDateTime(next.date, ResultsOut, QTimeZone("Europe/Rome"));
    return next;
}
