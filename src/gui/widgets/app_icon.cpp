// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/app_icon.h"

#include "app_icon_pngs.h"

#include <QPixmap>

// The same picture as the desktop's icon theme shows, at the sizes a window uses, rendered from the
// SVG when the program was built.
QIcon AppIcon() {
    QIcon icon;
    for (const auto& png : AppIconPngs) {
        QPixmap pixmap;
        pixmap.loadFromData(AppIconPngBytes + png.offset, uint(png.size), "PNG");
        icon.addPixmap(pixmap);
    }
    return icon;
}
