// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's icon (an SVG) at the given sizes, on the build machine:
//   make_icons ICON.svg OUTPUT_FOLDER SIZE...
// writes OUTPUT_FOLDER/hicolor/SIZExSIZE/apps/vorel.png (the desktop's icon theme),
// OUTPUT_FOLDER/vorel.ico (every size, for Windows) and OUTPUT_FOLDER/app_icon_pngs.h (the sizes a
// window uses, up to 64, built into the program so that it needs no SVG renderer).
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstdio>
#include <vector>

namespace {

constexpr int LargestWindowIcon = 64;

QByteArray pngOf(QSvgRenderer& renderer, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

template <typename T> void append(QByteArray& bytes, T value) {
    value = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// An icon file whose images are PNGs, as Windows has read them since Vista.
QByteArray icoOf(const std::vector<std::pair<int, QByteArray>>& pngs) {
    QByteArray ico;
    append<quint16>(ico, 0);
    append<quint16>(ico, 1); // an icon
    append<quint16>(ico, quint16(pngs.size()));
    quint32 offset = quint32(6 + 16 * pngs.size());
    for (const auto& [size, png] : pngs) {
        append<quint8>(ico, quint8(size >= 256 ? 0 : size)); // 0 stands for 256
        append<quint8>(ico, quint8(size >= 256 ? 0 : size));
        append<quint8>(ico, 0); // no palette
        append<quint8>(ico, 0);
        append<quint16>(ico, 1);  // colour planes
        append<quint16>(ico, 32); // bits per pixel
        append<quint32>(ico, quint32(png.size()));
        append<quint32>(ico, offset);
        offset += quint32(png.size());
    }
    for (const auto& entry : pngs)
        ico += entry.second;
    return ico;
}

QByteArray headerOf(const std::vector<std::pair<int, QByteArray>>& pngs) {
    QByteArray header =
        "// Made by make_icons from desktop/vorel.svg: the window icon's PNGs.\n#pragma once\n\n"
        "#include <QByteArrayView>\n\ninline constexpr unsigned char AppIconPngBytes[] = {";
    QByteArray table = "inline constexpr struct {\n    int offset;\n    int size;\n} AppIconPngs[] = {\n";
    int offset = 0;
    for (const auto& [size, png] : pngs) {
        if (size > LargestWindowIcon)
            continue;
        for (int i = 0; i < png.size(); ++i)
            header += (i % 16 == 0 ? "\n    " : " ") + QByteArray::number(quint8(png.at(i))) + ',';
        table += "    {" + QByteArray::number(offset) + ", " + QByteArray::number(png.size()) + "},\n";
        offset += int(png.size());
    }
    return header + "\n};\n\n" + table + "};\n";
}

} // namespace

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
    const QString output = QString::fromLocal8Bit(argv[2]);
    std::vector<std::pair<int, QByteArray>> pngs;
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QByteArray png = size > 0 ? pngOf(renderer, size) : QByteArray();
        if (png.isEmpty() ||
            !writeFile(QStringLiteral("%1/hicolor/%2x%2/apps/vorel.png").arg(output).arg(size), png)) {
            std::fprintf(stderr, "make_icons: cannot write the %s pixel icon\n", argv[i]);
            return 1;
        }
        pngs.emplace_back(size, png);
    }
    if (!writeFile(output + QStringLiteral("/vorel.ico"), icoOf(pngs)) ||
        !writeFile(output + QStringLiteral("/app_icon_pngs.h"), headerOf(pngs))) {
        std::fprintf(stderr, "make_icons: cannot write the icon file or the header\n");
        return 1;
    }
    return 0;
}
