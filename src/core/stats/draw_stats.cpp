// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/draw_stats.h"

#include <algorithm>
#include <cmath>

namespace {

int dateKeyOf(QDate date) {
    return DateKey(date.year(), date.month(), date.day());
}

// Keeps the figures of the items that come out, draw by draw; `at` is the draw's place in the
// period, 1..N.
class Tally {
public:
    explicit Tally(std::size_t items) : figures_(items), lastAt_(items, 0) {}

    // One appearance. Every one is counted as drawn; the delays count draws, so a second
    // appearance in the same draw (another wheel, on AnyWheel) changes none of them.
    void seen(std::size_t item, int at, int draw) {
        Figures& f = figures_[item];
        ++f.drawn;
        if (lastAt_[item] == at)
            return;
        f.maxDelay = std::max(f.maxDelay, at - lastAt_[item] - 1);
        lastAt_[item] = at;
        f.lastDraw = draw;
    }

    // The current delays, once every draw of the N is seen.
    std::vector<Figures> finish(int n) {
        for (std::size_t i = 0; i < figures_.size(); ++i) {
            figures_[i].delay = n - lastAt_[i];
            figures_[i].maxDelay = std::max(figures_[i].maxDelay, figures_[i].delay);
        }
        return std::move(figures_);
    }

private:
    std::vector<Figures> figures_;
    std::vector<int> lastAt_;
};

// The numbers of `wheel` in `draw` that are there, each once; read from the draw's record.
int numbersOf(const Archive& archive, int wheel, int draw, std::array<int, NumbersPerWheel>& numbers) {
    const qint16* record = archive.numbersOfDraw(draw) + NumbersPerWheel * (wheel - 1);
    int count = 0;
    for (int p = 0; p < NumbersPerWheel; ++p) {
        const int n = record[p];
        bool again = false;
        for (int q = 0; q < count; ++q)
            again = again || numbers[std::size_t(q)] == n;
        if (n >= 1 && n <= HighestNumber && !again)
            numbers[std::size_t(count++)] = n;
    }
    return count;
}

} // namespace

DrawPeriod PeriodOf(const Archive& archive, int wheel, QDate from, QDate to) {
    const int first = from.isValid() ? dateKeyOf(from) : 0;
    const int last = to.isValid() ? dateKeyOf(to) : 99999999;
    DrawPeriod period{.wheel = wheel};
    for (int d = 1; d <= archive.DrawCount(); ++d) {
        const int key = DrawDateKey(archive.DrawDate(d));
        if (key < first || key > last || (wheel != AnyWheel && wheel > WheelCountOfDraw(d)))
            continue;
        period.draws.push_back(d);
        period.wheelDraws += wheel == AnyWheel ? WheelCountOfDraw(d) : 1;
    }
    return period;
}

DrawPeriod LastDrawsOf(const DrawPeriod& period, int count) {
    if (count >= period.size())
        return period;
    DrawPeriod last{.wheel = period.wheel};
    last.draws.assign(period.draws.end() - std::max(count, 0), period.draws.end());
    for (const int d : last.draws)
        last.wheelDraws += period.wheel == AnyWheel ? WheelCountOfDraw(d) : 1;
    return last;
}

// The hot loop of the statistics screen: straight over each draw's record, the figures in arrays
// on the stack.
std::array<Figures, HighestNumber + 1> NumberFigures(const Archive& archive, int wheel,
                                                     const DrawPeriod& period) {
    std::array<Figures, HighestNumber + 1> figures{};
    std::array<int, HighestNumber + 1> lastAt{};
    for (int at = 1; at <= period.size(); ++at) {
        const int d = period.draws[std::size_t(at - 1)];
        const int firstWheel = wheel == AnyWheel ? 1 : wheel;
        const int lastWheel = wheel == AnyWheel ? WheelCountOfDraw(d) : wheel;
        const qint16* record = archive.numbersOfDraw(d);
        for (const qint16* r = record + NumbersPerWheel * (firstWheel - 1);
             r < record + NumbersPerWheel * lastWheel; r += NumbersPerWheel)
            for (int p = 0; p < NumbersPerWheel; ++p) {
                const int n = r[p];
                if (n < 1 || n > HighestNumber || std::find(r, r + p, r[p]) != r + p)
                    continue;
                Figures& f = figures[std::size_t(n)];
                ++f.drawn;
                if (lastAt[std::size_t(n)] == at)
                    continue;
                f.maxDelay = std::max(f.maxDelay, at - lastAt[std::size_t(n)] - 1);
                lastAt[std::size_t(n)] = at;
                f.lastDraw = d;
            }
    }
    for (int n = 1; n <= HighestNumber; ++n) {
        Figures& f = figures[std::size_t(n)];
        f.delay = period.size() - lastAt[std::size_t(n)];
        f.maxDelay = std::max(f.maxDelay, f.delay);
    }
    return figures;
}

int PairIndex(int a, int b) {
    // The pairs before those that start with a, then b's place after a.
    return (a - 1) * (2 * HighestNumber - a) / 2 + (b - a - 1);
}

std::pair<int, int> PairAt(int index) {
    int a = 1;
    while (PairIndex(a + 1, a + 2) <= index && a < HighestNumber - 1)
        ++a;
    return {a, a + 1 + index - PairIndex(a, a + 1)};
}

std::vector<Figures> PairFigures(const Archive& archive, int wheel, const DrawPeriod& period) {
    Tally tally(PairCount);
    for (int at = 1; at <= period.size(); ++at) {
        const int d = period.draws[std::size_t(at - 1)];
        std::array<int, NumbersPerWheel> numbers{};
        const int count = numbersOf(archive, wheel, d, numbers);
        for (int i = 0; i < count; ++i)
            for (int j = i + 1; j < count; ++j) {
                const int x = numbers[std::size_t(i)], y = numbers[std::size_t(j)];
                tally.seen(std::size_t(PairIndex(std::min(x, y), std::max(x, y))), at, d);
            }
    }
    return tally.finish(period.size());
}

// Five numbers of ninety on a wheel; a given pair among them: C(88,3) / C(90,5) = 2/801.
double ExpectedDrawn(const DrawPeriod& period) {
    return period.wheelDraws * double(NumbersPerWheel) / HighestNumber;
}

double ExpectedPairDrawn(const DrawPeriod& period) {
    return period.size() * 2.0 / 801.0;
}

double DelayChance(int delay, double wheelsPerDraw) {
    return std::pow(85.0 / 90.0, delay * wheelsPerDraw);
}

double PairDelayChance(int delay) {
    return std::pow(1.0 - 2.0 / 801.0, delay);
}
