// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/grid_text.h"

#include "archive/archive.h"
#include "archive/constant_tables.h"
#include "calendar/draw_date.h"

#include <algorithm>
#include <array>

int GridLastBlock(const GridState& state) {
    return std::min(state.GridFirstColumn + state.GridVisibleWheels, SuperBlock);
}

int GridLastRow(const GridState& state, int drawCount) {
    return std::min(state.CurrentDraw + state.GridRows - 2, drawCount);
}

QString GridHeaderLine(int firstBlock, int lastBlock) {
    QString line = QStringLiteral("     Data      ");
    for (int b = firstBlock; b <= lastBlock; ++b)
        line += b < SuperBlock ? QStringLiteral("      ") + WheelCode(b) + QStringLiteral("       ")
                               : QStringLiteral("  Super Enalotto   J ");
    return line + QStringLiteral(" N. ");
}

QString GridNumberCell(int value) {
    if (value == 0)
        return QStringLiteral("  ");
    return QString::number(value).rightJustified(2, u' ');
}

namespace {

QString cells(const int* values, int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += GridNumberCell(values[i]) + u' ';
    return text;
}

QString wheelBlock(const Archive& archive, int draw, int wheel, bool sorted) {
    std::array<int, NumbersPerWheel> values{};
    for (int p = 1; p <= NumbersPerWheel; ++p)
        values[std::size_t(p - 1)] = archive.DrawNumbers(wheel, draw, p);
    if (sorted)
        std::sort(values.begin(), values.end());
    return cells(values.data(), NumbersPerWheel);
}

QString dateCell(const Archive& archive, int draw) {
    return u' ' + GetDrawWeekday(archive, draw).abbrev.leftJustified(3, u' ') + u' ' +
           FormatDrawDate(archive, draw) + QStringLiteral("  ");
}

QString indexCell(int draw) {
    return QString::number(draw).rightJustified(IndexCellWidth, u' ');
}

} // namespace

GridRowText GridRowLine(const Archive& archive, int draw, int firstBlock, int lastBlock, bool sorted) {
    GridRowText row;
    row.beforeJolly = dateCell(archive, draw);
    for (int b = firstBlock; b <= lastBlock; ++b) {
        if (b < SuperBlock) {
            row.beforeJolly += wheelBlock(archive, draw, b, sorted);
            continue;
        }
        std::array<int, SuperLineLength> line{};
        for (int k = 1; k <= SuperLineLength; ++k)
            line[std::size_t(k - 1)] = archive.SuperNumbers(draw, k);
        if (sorted) // the Jolly keeps its place
            std::sort(line.begin(), line.begin() + 6);
        row.beforeJolly += cells(line.data(), 6);
        row.jolly = GridNumberCell(line[6]);
        row.afterJolly = QStringLiteral(" ");
    }
    row.afterJolly += indexCell(draw);
    return row;
}

std::vector<double> GridRuleCells(int firstBlock, int lastBlock) {
    std::vector<double> rules{DateCellWidth - 0.5};
    double x = rules.front();
    for (int b = firstBlock; b <= lastBlock; ++b) {
        x += b < SuperBlock ? WheelBlockWidth : SuperBlockWidth;
        rules.push_back(x);
    }
    rules.push_back(x + IndexCellWidth + 1);
    return rules;
}
