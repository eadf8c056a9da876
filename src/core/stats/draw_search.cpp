// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/draw_search.h"

#include <algorithm>

std::vector<DrawMatch> FindDraws(const Archive& archive, const std::vector<int>& numbers, int wheel,
                                 const DrawPeriod& period) {
    std::vector<DrawMatch> matches;
    if (numbers.empty())
        return matches;
    // Each searched number has a bit; a wheel matches when it holds every bit.
    std::array<unsigned, HighestNumber + 1> bitOf{};
    for (std::size_t i = 0; i < numbers.size(); ++i)
        bitOf[std::size_t(numbers[i])] = 1u << i;
    const unsigned all = (1u << numbers.size()) - 1;
    for (const int d : period.draws) {
        const qint16* record = archive.numbersOfDraw(d);
        const int first = wheel == AnyWheel ? 1 : wheel;
        const int last = wheel == AnyWheel ? WheelCountOfDraw(d) : wheel;
        for (int w = first; w <= last; ++w) {
            unsigned found = 0;
            for (const qint16* n = record + NumbersPerWheel * (w - 1); n < record + NumbersPerWheel * w; ++n)
                found |= *n >= 1 && *n <= HighestNumber ? bitOf[std::size_t(*n)] : 0u;
            if (found == all)
                matches.push_back({d, w});
        }
    }
    return matches;
}

int FirstDrawFrom(const Archive& archive, QDate date) {
    const int key = DateKey(date.year(), date.month(), date.day());
    for (int d = 1; d <= archive.DrawCount(); ++d)
        if (DrawDateKey(archive.DrawDate(d)) >= key)
            return d;
    return 0;
}
