// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QSize>
#include <functional>

class QEvent;
class QWidget;
class SettingsStore;

// The window's place and size as the user left it, frame and caption included: read at start-up,
// kept on the screens there are, and written when the program ends.
class WindowPlacement {
public:
    // `frameMargins`: the window frame's margins; none: as the window system reports them.
    WindowPlacement(QWidget& window, SettingsStore& settings, std::function<QMargins()> frameMargins);

    void restore();
    // Nothing is written for a minimised window.
    void store();
    // Every event of the window, after the window has handled it.
    void follow(const QEvent& event);

private:
    void fitWantedOuterSize();
    QMargins frameMargins() const;

    QWidget& window_;
    SettingsStore& settings_;
    std::function<QMargins()> frameMargins_;
    // The stored outer size, until the window frame is first known.
    QSize wantedOuterSize_;
};
