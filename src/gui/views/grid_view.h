// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grid/grid_text.h"

#include <QString>

class Archive;
class PrintSurface;

// Paints the whole archive grid onto `surface`: the header, one line per draw with the top
// row in white and the Jolly in italics, then the rules over the text. Returns the text of its
// lines, a line each, for a screen reader.
QString PaintGrid(PrintSurface& surface, const Archive& archive, const GridState& state);
