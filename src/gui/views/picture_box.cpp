// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/picture_box.h"

#include "grid/grid_keys.h"

#include <QKeyEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.drawImage(inside.topLeft(), surface_.image());
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    surface_.resize(contentsRect().size(), devicePixelRatioF());
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape belong to the window's default and cancel buttons.
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        QFrame::keyPressEvent(event);
        return;
    }
    int keyCode = VirtualKeyCode(key);
    int mask = ModifierMask(event->modifiers());
    Q_EMIT keyDown(keyCode, mask);
    if (keyCode == 0 && mask == 0)
        event->accept();
    else
        QFrame::keyPressEvent(event);
}
