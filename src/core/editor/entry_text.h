// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"

#include <QString>

// Texts of the entry screen's fields and wheel labels.

// The numeric value of a date or number field: its leading digits, blanks ignored; empty is 0.
int FieldValue(const QString& text);

// A wheel label: its code, then each number right-aligned in 3 characters ("BA  5 12 34 56 78").
QString WheelLabelText(int wheel, const std::array<qint16, 6>& numbers);
// The label of a wheel of a new draw before anything is typed: its code and five zeros.
QString NewDrawLabelText(int wheel);
// What a number field shows for a stored value: the number, or nothing for 0.
QString NumberFieldText(int value);
// The draw-number caption: the number with one leading blank.
QString DrawNumberText(int draw);

// What a keystroke in a date or number field does: Enter moves on, digits, Backspace and
// character 127 are typed, anything else is thrown away.
enum class FieldKey { Enter, Typed, Swallowed };
FieldKey FieldKeyOf(char16_t character);

QString WithoutTrailingBlanks(const QString& text);
// A field holds at most two characters while typing (trailing blanks not counted).
bool ExceedsTwoCharacters(const QString& text);
// Whether a change the user made to a field, by any means (a key, pasting, dropping, undo), stands:
// it may always remove characters, but what it puts in must be digits and leave at most two
// characters. What the program itself puts in is never judged by this.
bool FieldEditStands(const QString& before, const QString& after);
