// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"

#include <QString>

class PrintSurface;

// The entry screen's panel: stored draw k, each wheel level with its label, beside the numbers
// typed; with `highlight` the typed numbers that differ from the stored ones are written in white.
// Returns what it wrote, a line each, for a screen reader.
QString PrintDrawPanel(PrintSurface& panel, const Archive& archive, int k, const WheelNumbers& typed,
                       bool correction, bool highlight);
