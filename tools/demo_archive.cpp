// SPDX-License-Identifier: GPL-3.0-or-later
#include "demo_archive.h"

#include "archive/archive_writer.h"
#include "archive/data_file_layout.h"
#include "archive/edit_buffer.h"
#include "archive/file_store.h"
#include "archive/sub_archive.h"
#include "archive/super_enalotto.h"

#include <QDir>
#include <algorithm>

namespace {

const QDate FirstDraw(1947, 1, 4);
const QDate FirstTwiceWeekly(FullYear(FirstTwiceWeeklyDate.yearCode), FirstTwiceWeeklyDate.month,
                             FirstTwiceWeeklyDate.day);
const QDate FirstThriceWeekly(2005, 6, 21);
const QDate FirstFourTimesWeekly(2023, 7, 7);

bool isDrawDay(const QDate& day) {
    const int weekday = day.dayOfWeek(); // 1 Monday .. 7 Sunday
    if (day < FirstTwiceWeekly)
        return weekday == Qt::Saturday;
    if (day < FirstThriceWeekly)
        return weekday == Qt::Wednesday || weekday == Qt::Saturday;
    if (day < FirstFourTimesWeekly)
        return weekday == Qt::Tuesday || weekday == Qt::Thursday || weekday == Qt::Saturday;
    return weekday == Qt::Tuesday || weekday == Qt::Thursday || weekday == Qt::Friday ||
           weekday == Qt::Saturday;
}

// SplitMix64: small, fast and the same on every platform, unlike the standard distributions.
class DemoRandom {
public:
    explicit DemoRandom(quint64 seed) : state_(seed) {}
    int below(int bound) {
        const quint64 limit = ~quint64(0) - (~quint64(0) % quint64(bound));
        quint64 value;
        do {
            value = next();
        } while (value >= limit);
        return int(value % quint64(bound));
    }

private:
    quint64 next() {
        quint64 z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    quint64 state_;
};

void drawWheel(Archive& archive, DemoRandom& random, int wheel, int draw) {
    std::array<int, NumbersPerWheel> drawn{};
    for (int p = 0; p < NumbersPerWheel; ++p) {
        int number;
        do {
            number = 1 + random.below(90);
        } while (std::find(drawn.begin(), drawn.begin() + p, number) != drawn.begin() + p);
        drawn[std::size_t(p)] = number;
        archive.setDrawNumber(wheel, draw, p + 1, qint16(number));
    }
}

std::vector<QDate> drawDays(QDate lastDay, int maxDraws) {
    std::vector<QDate> days;
    for (QDate day = FirstDraw; day <= lastDay && int(days.size()) < maxDraws; day = day.addDays(1))
        if (isDrawDay(day))
            days.push_back(day);
    return days;
}

} // namespace

Archive MakeDemoArchive(QDate lastDay, int maxDraws) {
    const std::vector<QDate> days = drawDays(lastDay, std::min(maxDraws, MaxDrawCount));
    Archive archive(int(days.size()));
    DemoRandom random(19470104);
    for (int d = 1; d <= archive.DrawCount(); ++d) {
        const QDate& day = days[std::size_t(d - 1)];
        archive.setDrawDate(d, PackDate(day.year(), day.month(), day.day()));
        archive.setDrawWeekday(d, qint16(day.dayOfWeek()));
        for (int w = 1; w <= WheelCountOfDraw(d); ++w)
            drawWheel(archive, random, w, d);
    }
    archive.LastWeeklyDraw = qint16(LastWeeklyDrawOf(archive));
    DeriveSuperNumbers(archive);
    return archive;
}

EditBuffer SampleDraw() {
    EditBuffer edit;
    edit.EditDate = {0, 9, 10, 4};
    edit.CurrentWeekday = 6;
    for (int w = 1; w <= AllWheels; ++w)
        for (int p = 1; p <= NumbersPerWheel; ++p)
            edit.EditNumbers[std::size_t(w)][std::size_t(p)] = qint16(w * 5 + p);
    return edit;
}
