// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"

#include <QString>
#include <vector>

// Texts of the draw panel beside the wheel labels of the entry screen.

// The top of wheel `wheel`'s label and panel line within the entry screen's picture, in twips:
// wheels 1..10 one under the other, the national wheel below them.
int WheelLabelTop(int wheel);

// "Estraz. precedente" beside a new draw, "Estr. nel database" beside a correction.
QString PanelTitle(bool correction);
// Two blanks, the weekday abbreviation, a blank and the date.
QString PanelDateLine(const QString& dayName, const QString& date);

// A piece of a wheel line; `white` marks the digits of an archived number that differs from the
// pasted one.
struct PanelPiece {
    QString text;
    bool white = false;
    friend bool operator==(const PanelPiece&, const PanelPiece&) = default;
};
// One wheel's line: each number right-aligned in 3 characters. With `highlight`, the digits of a
// number unlike the same place of `pasted` are a white piece of their own.
std::vector<PanelPiece> PanelWheelLine(const std::array<qint16, 6>& archived,
                                       const std::array<qint16, 6>& pasted, bool highlight);
