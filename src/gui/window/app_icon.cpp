// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/app_icon.h"

#include "app_icon_svg.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The same picture as the desktop's icon theme shows, at the sizes a window uses.
QIcon AppIcon() {
    QSvgRenderer renderer(QByteArray::fromRawData(AppIconSvg, int(sizeof AppIconSvg - 1)));
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
