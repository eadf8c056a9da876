// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/bar_chart.h"

#include <QPainter>
#include <algorithm>

BarChart::BarChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(300, 160);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void BarChart::setValues(std::vector<int> values) {
    values_ = std::move(values);
    update();
}

QSize BarChart::sizeHint() const {
    return {460, 220};
}

// Coordinates in the widget's own pixels; Qt scales them, so lines and text stay sharp.
void BarChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const int top = metrics.height(), bottom = height() - metrics.height() - 4;
    const int left = metrics.horizontalAdvance(QStringLiteral("00000")) + 6, right = width() - 8;
    const int highest = values_.empty() ? 0 : *std::max_element(values_.begin(), values_.end());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(left, bottom, right, bottom);
    painter.drawText(QRect(0, top - metrics.height() / 2, left - 4, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(highest));
    if (values_.empty() || highest <= 0)
        return;
    const double slot = double(right - left) / double(values_.size());
    const QColor bar = palette().color(QPalette::Highlight);
    for (std::size_t i = 0; i < values_.size(); ++i) {
        const double x = left + slot * double(i);
        const double h = double(bottom - top) * values_[i] / highest;
        painter.fillRect(QRectF(x + slot * 0.15, bottom - h, slot * 0.7, h), bar);
        if ((i + 1) % 10 == 0 || i == 0)
            painter.drawText(QRectF(x - slot * 2, bottom + 2, slot * 5, metrics.height()), Qt::AlignHCenter,
                             QString::number(i + 1));
    }
}
