// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

class Archive;

// What the archive grid shows: the top draw, how many text lines it has (header included),
// the first block and how many more blocks, and whether numbers are in ascending order.
struct GridState {
    int CurrentDraw = 1;
    int GridRows = 0;
    int GridFirstColumn = 1;
    int GridVisibleWheels = 1;
    bool GridSorted = false;
};

// Blocks 1..11 are the wheels, block 12 the SuperEnalotto line.
inline constexpr int SuperBlock = 12;
inline constexpr int DateCellWidth = 15;
inline constexpr int WheelBlockWidth = 15;
inline constexpr int SuperBlockWidth = 21;
inline constexpr int IndexCellWidth = 4;

// The last block shown: GridFirstColumn + GridVisibleWheels, at most 12.
int GridLastBlock(const GridState& state);
// The last draw row: CurrentDraw + GridRows - 2, at most DrawCount.
int GridLastRow(const GridState& state, int drawCount);

// The header line: "     Data      ", a 15-character block per wheel with its code above the
// third number, "  Super Enalotto   J " for block 12, then " N. ".
QString GridHeaderLine(int firstBlock, int lastBlock);

// One draw's line, cut where the Jolly (the seventh SuperEnalotto cell, in italics) stands.
struct GridRowText {
    QString beforeJolly; // everything up to the Jolly, or the whole line without block 12
    QString jolly;       // two characters, empty without block 12
    QString afterJolly;  // the blank after the Jolly and the draw-index cell
    QString whole() const { return beforeJolly + jolly + afterJolly; }
};
GridRowText GridRowLine(const Archive& archive, int draw, int firstBlock, int lastBlock, bool sorted);

// A value in its 2-character cell: 0 is two blanks, 1..9 a blank and the digit.
QString GridNumberCell(int value);

// Positions of the vertical rules in character cells: 14.5 inside the date cell, then the end of
// every shown block, then the frame right of the index cell (the last value, xEnd).
std::vector<double> GridRuleCells(int firstBlock, int lastBlock);
