// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class SettingsStore;

// The window's outer place and size in twips, as remembered between runs.
struct WindowGeometry {
    float left = 480;
    float top = 480;
    float width = 8448;
    float height = 5676;

    friend bool operator==(const WindowGeometry&, const WindowGeometry&) = default;
};

inline const QString SettingsSection = QStringLiteral("Settings");

// Reads "MainLeft", "MainTop", "MainWidth", "MainHeight". A key that is absent, or whose text is
// not a number, gives its default, so a damaged setting never stops the program from starting.
WindowGeometry ReadWindowGeometry(SettingsStore& settings);

// Writes the four keys, in that order, as decimal text.
void WriteWindowGeometry(SettingsStore& settings, const WindowGeometry& geometry);
