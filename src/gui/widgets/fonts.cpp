// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/fonts.h"

#include <QStringList>

namespace {

int pixelsOf(double points) {
    return int(points * 96.0 / 72.0 + 0.5);
}

} // namespace

QFont MonoFont(double points, bool italic) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New"),
                      QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // Whole-pixel advances: the grid counts character cells, so a fractional advance would let
    // the text drift away from its rules along a line.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferNoShaping); // plain digits and Latin letters need none
    font.setPixelSize(pixelsOf(points));
    font.setWeight(QFont::Normal);
    font.setItalic(italic);
    return font;
}

QFont SansFont(double points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelsOf(points));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}
