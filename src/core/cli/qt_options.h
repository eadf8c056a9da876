// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The options every Qt program takes (-style, -platform, -reverse, ...) are the toolkit's, read
// by the application object when the window opens; the program's own command line skips them.
QStringList WithoutQtOptions(const QStringList& arguments);

// The arguments as Qt reads them: Qt takes "-platform offscreen" but not "-platform=offscreen",
// which it would pass over (and then fail to start on another platform); a valued option of Qt's
// written with "=" is given as two arguments.
QStringList QtOptionsSpelledForQt(const QStringList& arguments);

// Whether the user gave Qt's option `name` (without dashes), such as "style", which then wins over
// the program's own choice, or "platform", which needs no display.
bool QtOptionGiven(const QStringList& arguments, const QString& name);
