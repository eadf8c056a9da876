// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <functional>

class QWidget;

// On X11 another program can destroy the window outright (a task killer, `xdotool windowclose`)
// instead of asking it to close; Qt does not notice, and the program would run on with no window.
// This watch ends the program then. The program's own closing destroys the window after the
// window has let go of its native id, so only a destruction from outside matches.
class OutsideDestroyWatch final : public QAbstractNativeEventFilter {
public:
    OutsideDestroyWatch(const QWidget& window, std::function<void()> end);
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    const QWidget& window_;
    std::function<void()> end_;
};
