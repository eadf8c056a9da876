// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

// A ring drawn around whichever control of its window has the keyboard focus. The window's controls
// are drawn in their own colours, and several (the pictures, the scroll bars, the weekday box, the
// buttons on teal) show the focus faintly or not at all: the ring shows it the same way on all.
// It lies over the controls and lets every click through.
class FocusRing final : public QWidget {
    Q_OBJECT
public:
    explicit FocusRing(QWidget* window);

    // The control the ring is around, or none when the focus is outside the window.
    QWidget* target() const { return target_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* focused);
    void place();

    QPointer<QWidget> target_;
};
