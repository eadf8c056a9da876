// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_placement.h"

#include "grid/twips.h"
#include "settings/settings_store.h"
#include "settings/window_geometry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

// A stored size or place that the window system cannot take is kept within reach.
int pixelsWithin(float twipsValue, int low, int high) {
    return std::clamp(px(std::clamp(double(twipsValue), -1.0e6, 1.0e6)), low, high);
}

// The screens' areas free of panels, the primary first.
QList<QRect> availableScreens() {
    QList<QRect> areas;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        areas.append(primary->availableGeometry());
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            areas.append(screen->availableGeometry());
    }
    return areas;
}

} // namespace

WindowPlacement::WindowPlacement(QWidget& window, SettingsStore& settings,
                                 std::function<QMargins()> frameMargins)
    : window_(window), settings_(settings), frameMargins_(std::move(frameMargins)) {}

void WindowPlacement::restore() {
    const WindowGeometry g = ReadWindowGeometry(settings_);
    const QRect stored(pixelsWithin(g.left, -16384, 16384), pixelsWithin(g.top, -16384, 16384),
                       pixelsWithin(g.width, 1, 16384), pixelsWithin(g.height, 1, 16384));
    const QRect kept = KeptOnScreens(stored, availableScreens(), window_.minimumSize());
    window_.move(kept.topLeft());
    wantedOuterSize_ = kept.size();
    // Until the window system gives the window its frame, the inner size is all there is.
    window_.resize(wantedOuterSize_.width(), window_.height());
    window_.resize(window_.width(), wantedOuterSize_.height());
    fitWantedOuterSize();
}

void WindowPlacement::store() {
    if (window_.isMinimized())
        return;
    const QRect outer(window_.pos(), window_.size().grownBy(frameMargins()));
    WriteWindowGeometry(settings_, {float(twips(outer.x())), float(twips(outer.y())),
                                    float(twips(outer.width())), float(twips(outer.height()))});
}

// A window manager adds the frame only after the window is first shown, and tells its size some
// events later: the stored size is applied once, the first time the frame is known, and never again
// after that first showing.
void WindowPlacement::follow(const QEvent& event) {
    switch (event.type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
    case QEvent::UpdateRequest:
        fitWantedOuterSize();
        break;
    case QEvent::Hide:
    case QEvent::WindowStateChange:
        wantedOuterSize_ = QSize();
        break;
    default:
        break;
    }
}

void WindowPlacement::fitWantedOuterSize() {
    const QMargins frame = frameMargins();
    if (!wantedOuterSize_.isValid() || frame.isNull())
        return;
    const QSize outer = wantedOuterSize_;
    wantedOuterSize_ = QSize();
    window_.resize(std::max(outer.width() - frame.left() - frame.right(), 1),
                   std::max(outer.height() - frame.top() - frame.bottom(), 1));
}

QMargins WindowPlacement::frameMargins() const {
    if (frameMargins_)
        return frameMargins_();
    const QRect inner = window_.geometry();
    const QRect outer = window_.frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}
