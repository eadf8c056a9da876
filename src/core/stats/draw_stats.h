// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"

#include <QDate>
#include <array>
#include <vector>

// What the archive says about each number and each pair: times drawn, current and longest delay,
// last draw, over a period and on one wheel or on all of them. Plain values in and out.

// All wheels together ("Tutte").
inline constexpr int AnyWheel = 0;
inline constexpr int HighestNumber = 90;
inline constexpr int PairCount = HighestNumber * (HighestNumber - 1) / 2;

// The draws of a period from one date to another, both included (an invalid date leaves that end
// open), that have `wheel` (the national wheel from its first draw on; AnyWheel: every draw).
struct DrawPeriod {
    int wheel = AnyWheel;
    std::vector<int> draws{}; // oldest first
    int wheelDraws = 0;       // the wheels of those draws, counted draw by draw

    bool empty() const { return draws.empty(); }
    int size() const { return int(draws.size()); }
};
DrawPeriod PeriodOf(const Archive& archive, int wheel, QDate from = {}, QDate to = {});
// The last `count` draws of `period`.
DrawPeriod LastDrawsOf(const DrawPeriod& period, int count);

// The figures of one number or pair over a period of N draws.
struct Figures {
    int drawn = 0;    // draws in which it came out; on AnyWheel, times summed over the wheels
    int delay = 0;    // draws after its last appearance; N when it never came out
    int maxDelay = 0; // the longest run of draws without it, the current one included
    int lastDraw = 0; // the draw of its last appearance; 0 when it never came out

    friend bool operator==(const Figures&, const Figures&) = default;
};

// Figures of the numbers 1..90 ([0] unused) on `wheel` (or AnyWheel) over `period`. A missing
// number (a zero) is not counted.
std::array<Figures, HighestNumber + 1> NumberFigures(const Archive& archive, int wheel,
                                                     const DrawPeriod& period);

// The place of the pair a < b among the 4,005 pairs in order 1-2, 1-3, ..., 89-90, and back.
int PairIndex(int a, int b);
std::pair<int, int> PairAt(int index);

// Figures of every pair on one wheel over `period`: both numbers in the same draw of that wheel.
std::vector<Figures> PairFigures(const Archive& archive, int wheel, const DrawPeriod& period);

// What chance alone gives, for a number over `period` (on AnyWheel over all its wheels) and for a
// pair; the chance of a delay at least as long as `delay` when every draw is independent (for a
// number missing from every one of `wheelsPerDraw` wheels at once).
double ExpectedDrawn(const DrawPeriod& period);
double ExpectedPairDrawn(const DrawPeriod& period);
double DelayChance(int delay, double wheelsPerDraw = 1);
double PairDelayChance(int delay);
