// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/draw_rules.h"

#include <bitset>

WheelState StateOfWheel(const quint8* numbers) {
    std::bitset<91> seen;
    bool zeros = false;
    for (int p = 0; p < NumbersPerWheel; ++p) {
        const int n = numbers[p];
        if (n > 90 || (n != 0 && seen.test(std::size_t(n))))
            return WheelState::Impossible;
        zeros = zeros || n == 0;
        seen.set(std::size_t(n));
    }
    return zeros ? WheelState::Incomplete : WheelState::Sound;
}

WheelState StateOfWheel(const std::array<qint16, 6>& wheel) {
    quint8 numbers[NumbersPerWheel];
    for (int p = 1; p <= NumbersPerWheel; ++p) {
        const qint16 n = wheel[std::size_t(p)];
        if (n < 0 || n > 90)
            return WheelState::Impossible;
        numbers[p - 1] = quint8(n);
    }
    return StateOfWheel(numbers);
}

bool IsArchiveDate(int day, int month, int yearCode) {
    return yearCode >= 0 && yearCode <= 99 && QDate(FullYear(yearCode), month, day).isValid();
}

int WeekdayOfDate(int day, int month, int yearCode) {
    return IsArchiveDate(day, month, yearCode) ? QDate(FullYear(yearCode), month, day).dayOfWeek() : 0;
}

namespace {

void wheelRules(const WheelNumbers& numbers, int wheels, std::vector<RuleBreak>& broken) {
    const auto each = [&](RuleBreak::Kind kind, auto test) {
        for (int w = 1; w <= wheels; ++w)
            if (test(numbers[std::size_t(w)])) {
                broken.push_back({kind, w});
                return;
            }
    };
    each(RuleBreak::ZerosOnWheel,
         [](const auto& wheel) { return std::find(wheel.begin() + 1, wheel.end(), 0) != wheel.end(); });
    each(RuleBreak::DuplicatesOnWheel, [](const auto& wheel) {
        for (int i = 1; i <= 4; ++i)
            for (int j = i + 1; j <= 5; ++j)
                if (wheel[std::size_t(i)] == wheel[std::size_t(j)] && wheel[std::size_t(i)] != 0)
                    return true;
        return false;
    });
    each(RuleBreak::Above90OnWheel, [](const auto& wheel) {
        return std::any_of(wheel.begin() + 1, wheel.end(), [](qint16 n) { return n > 90 || n < 0; });
    });
}

bool inOrder(const Archive& archive, int draw, int key) {
    if (archive.isValidDraw(draw - 1) && key <= DrawDateKey(archive.DrawDate(draw - 1)))
        return false;
    return !archive.isValidDraw(draw + 1) || key < DrawDateKey(archive.DrawDate(draw + 1));
}

} // namespace

std::vector<RuleBreak> BrokenRules(const Archive& archive, int draw, const EditBuffer& edit,
                                   const QDate& today) {
    std::vector<RuleBreak> broken;
    wheelRules(edit.EditNumbers, WheelCountOfDraw(draw), broken);
    const int day = edit.EditDate[1], month = edit.EditDate[2], yearCode = edit.EditDate[3];
    if (!IsArchiveDate(day, month, yearCode)) {
        broken.push_back({RuleBreak::BadDate});
        return broken;
    }
    const int key = DrawDateKey(day, month, yearCode);
    const QDate tomorrow = today.addDays(1);
    if (key > DateKey(tomorrow.year(), tomorrow.month(), tomorrow.day()))
        broken.push_back({RuleBreak::FutureDate});
    else if (archive.DrawCount() == 0 && key != DrawDateKey(FirstArchiveDraw))
        broken.push_back({RuleBreak::NotTheFirstDraw});
    else if (!inOrder(archive, draw, key))
        broken.push_back({RuleBreak::OutOfOrder});
    const int weekday = WeekdayOfDate(day, month, yearCode);
    if (edit.CurrentWeekday == 0)
        broken.push_back({RuleBreak::NoWeekday});
    else if (edit.CurrentWeekday != weekday)
        broken.push_back({RuleBreak::WrongWeekday, 0, weekday});
    return broken;
}

bool StopsTheDraw(const RuleBreak& rule) {
    return rule.kind != RuleBreak::ZerosOnWheel;
}
