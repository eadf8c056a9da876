// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The options every Qt program takes (-style, -platform, -reverse, ...) are the toolkit's, read
// by the application object when the window opens; the program's own command line skips them.
QStringList WithoutQtOptions(const QStringList& arguments);

// Whether the user chose a style with -style, which then wins over the program's own.
bool StyleChosen(const QStringList& arguments);
