// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/focus_ring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace {

constexpr int RingWidth = 2;
const QColor RingColour(0, 0, 128); // dark on the teal, on white fields and on grey buttons

} // namespace

FocusRing::FocusRing(QWidget* window) : QWidget(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::follow(QWidget* focused) {
    if (target_)
        target_->removeEventFilter(this);
    target_ = focused && parentWidget()->isAncestorOf(focused) ? focused : nullptr;
    if (target_)
        target_->installEventFilter(this);
    place();
}

// Around the control, within the window: a control as large as the window gets the ring inside its edge.
void FocusRing::place() {
    if (!target_ || !target_->isVisible()) {
        hide();
        return;
    }
    const QRect around = QRect(target_->mapTo(parentWidget(), QPoint(0, 0)), target_->size())
                             .adjusted(-RingWidth, -RingWidth, RingWidth, RingWidth);
    setGeometry(around.intersected(parentWidget()->rect()));
    raise();
    show();
    update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        place();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(RingColour, RingWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRectF(rect()).adjusted(RingWidth / 2.0, RingWidth / 2.0, -RingWidth / 2.0, -RingWidth / 2.0));
}
