// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QComboBox;

// The wheels by their Italian names, their number as the item's data; "Tutte" (AnyWheel) last when
// asked for.
void FillWheelChoice(QComboBox* box, bool withAll);
// The wheel chosen in a box filled so.
int ChosenWheel(const QComboBox* box);
