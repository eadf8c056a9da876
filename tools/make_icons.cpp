// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's icon (an SVG) as the PNG sizes of the desktop's icon theme:
//   make_icons ICON.svg OUTPUT_FOLDER SIZE...   writes OUTPUT_FOLDER/SIZExSIZE/apps/vorel.png
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: make_icons ICON.svg OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "make_icons: cannot read %s\n", argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        if (size <= 0 || !QDir().mkpath(folder) || !image.save(folder + QStringLiteral("/vorel.png"))) {
            std::fprintf(stderr, "make_icons: cannot write the %s pixel icon\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
