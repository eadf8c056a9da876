// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grid/grid_text.h"

class Archive;
class PrintSurface;

// Paints the whole archive grid onto `surface`: the header, one line per draw with the top
// row in white and the Jolly in italics, then the rules over the text.
void PaintGrid(PrintSurface& surface, const Archive& archive, const GridState& state);
