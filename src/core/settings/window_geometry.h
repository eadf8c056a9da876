// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
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

// The stored outer rectangle `outer`, in pixels, made usable on the screens there are now (their
// available areas, the primary first): on the screen it overlaps most, or the primary when it is on
// none (a monitor that is gone, a hand-edited value); no larger than that screen and no smaller than
// `minimum`; moved as little as needed to lie wholly within it.
QRect KeptOnScreens(const QRect& outer, const QList<QRect>& screens, const QSize& minimum);
