// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <array>

class Archive;

// The SuperEnalotto line of one draw: slots 1..6 the six numbers, slot 7 the value under "J"
// (slot 0 unused).
using SuperLine = std::array<qint16, 8>;

// First numbers of BA and FI, then the first number of MI, NA, PA, RO and VE (in drawn order)
// that differs from every earlier value of the line. FI only looks at its second number.
SuperLine DeriveSuperLine(const Archive& archive, int draw);

// Fills SuperNumbers of every draw of the archive.
void DeriveSuperNumbers(Archive& archive);
