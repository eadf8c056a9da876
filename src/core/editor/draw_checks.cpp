// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/draw_checks.h"

#include <algorithm>

bool FitsDateOrder(const Archive& archive, int draw, int day, int month, int yearCode) {
    const int key = DrawDateKey(day, month, yearCode);
    if (archive.isValidDraw(draw - 1) && key <= DrawDateKey(archive.DrawDate(draw - 1)))
        return false;
    return !archive.isValidDraw(draw + 1) || key < DrawDateKey(archive.DrawDate(draw + 1));
}

int FieldValue(const QString& text) {
    int value = 0;
    for (const QChar c : text) {
        if (c == u' ')
            continue;
        if (c < u'0' || c > u'9')
            break;
        value = std::min(value * 10 + (c.unicode() - u'0'), 32767);
    }
    return value;
}

namespace {

template <typename Test> int firstWheelWhere(const WheelNumbers& numbers, int wheels, Test test) {
    for (int w = 1; w <= wheels; ++w)
        if (test(numbers[std::size_t(w)]))
            return w;
    return 0;
}

} // namespace

int FirstWheelWithZero(const WheelNumbers& numbers, int wheels) {
    return firstWheelWhere(numbers, wheels, [](const auto& wheel) {
        return std::find(wheel.begin() + 1, wheel.end(), 0) != wheel.end();
    });
}

int FirstWheelWithDuplicates(const WheelNumbers& numbers, int wheels) {
    return firstWheelWhere(numbers, wheels, [](const auto& wheel) {
        for (int i = 1; i <= 4; ++i)
            for (int j = i + 1; j <= 5; ++j)
                if (wheel[std::size_t(i)] == wheel[std::size_t(j)] && wheel[std::size_t(i)] != 0)
                    return true;
        return false;
    });
}

int FirstWheelAbove90(const WheelNumbers& numbers, int wheels) {
    return firstWheelWhere(numbers, wheels, [](const auto& wheel) {
        return std::any_of(wheel.begin() + 1, wheel.end(), [](qint16 n) { return n > 90; });
    });
}

bool IsBadDate(int day, int month, int yearCode) {
    if (day < 1 || day > 31 || month < 1 || month > 12 || yearCode < 0 || yearCode > 99)
        return true;
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day > 30)
        return true;
    return month == 2 && day > (yearCode % 4 == 0 ? 29 : 28);
}
