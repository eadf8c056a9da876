// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The window's faces: a monospaced one where the layout counts character cells (the grid, the
// panel, the text boxes) and a sans-serif one for buttons and captions. Sizes are given in
// points at 96 dots per inch and set in pixels, so that a character cell has the same twips on
// every screen (10.5 pt: 14 pixels, a "Z" of 8 x 16 pixels in Liberation Mono).
QFont MonoFont(double points, bool italic = false);
QFont SansFont(double points, bool bold = false);
