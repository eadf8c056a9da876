#include "window/app_icon.h"

#include "window/fonts.h"

#include <QPainter>
#include <QPixmap>

QIcon AppIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 128, 128));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawEllipse(1, 1, 30, 30);
    painter.setPen(Qt::white);
    QFont font = SansFont(15, true);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("V"));
    painter.end();
    return QIcon(pixmap);
}
