// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/print_surface.h"

#include "grid/twips.h"

#include <QFontMetrics>
#include <QPainter>

PrintSurface::PrintSurface() : metrics_(font_), cellWidth_(metrics_.horizontalAdvance(u'Z')) {}

PrintSurface::~PrintSurface() {
    endPainting();
}

QPainter& PrintSurface::painter() {
    if (image_.isNull())
        resize(QSize(1, 1));
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setFont(font_);
    }
    return *painter_;
}

void PrintSurface::endPainting() {
    if (painter_)
        painter_->end();
    painter_.reset();
}

void PrintSurface::resize(QSize pixels, qreal pixelRatio) {
    pixels = pixels.expandedTo(QSize(1, 1));
    if (pixels == size() && pixelRatio == image_.devicePixelRatio())
        return;
    endPainting();
    QImage canvas(pixels * pixelRatio, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(pixelRatio);
    canvas.fill(background_);
    if (!image_.isNull()) {
        QPainter copy(&canvas);
        copy.drawImage(0, 0, image_);
    }
    image_ = std::move(canvas);
}

void PrintSurface::clear() {
    painter().fillRect(QRect(QPoint(0, 0), size()), background_);
    currentX = 0;
    currentY = 0;
}

void PrintSurface::clearRightOf(int x) {
    painter().fillRect(QRect(QPoint(px(x), 0), size()), background_);
}

void PrintSurface::setFont(const QFont& font) {
    font_ = font;
    metrics_ = QFontMetrics(font_);
    cellWidth_ = metrics_.horizontalAdvance(u'Z');
    if (painter_)
        painter_->setFont(font_);
}

void PrintSurface::setItalic(bool italic) {
    QFont font = font_;
    font.setItalic(italic);
    setFont(font);
}

void PrintSurface::print(const QString& text) {
    QPainter& p = painter();
    p.setPen(color_);
    p.drawText(px(currentX), px(currentY) + metrics_.ascent(), text);
    currentX += textWidth(text);
}

void PrintSurface::newLine() {
    currentX = 0;
    currentY += textHeight();
}

void PrintSurface::line(int x1, int y1, int x2, int y2, int widthPixels, const QColor& color) {
    // A rule covers `widthPixels` rows (or columns) starting half its width before the line.
    const int shift = widthPixels / 2;
    const QRect rect = QRect(QPoint(px(x1), px(y1)), QPoint(px(x2), px(y2))).normalized();
    if (rect.height() <= 1)
        painter().fillRect(rect.left(), rect.top() - shift, rect.width(), widthPixels, color);
    else
        painter().fillRect(rect.left() - shift, rect.top(), widthPixels, rect.height(), color);
}

int PrintSurface::textWidth(const QString& text) const {
    return twips(cellWidth_ * int(text.size()));
}

int PrintSurface::textHeight() const {
    return twips(metrics_.height());
}

const QImage& PrintSurface::image() {
    endPainting();
    return image_;
}
