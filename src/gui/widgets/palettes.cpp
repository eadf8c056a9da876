// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/palettes.h"

#include <QWidget>

QPalette LightPalette() {
    QPalette palette;
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::WindowText, Qt::black},
        {QPalette::Window, QColor(239, 239, 239)},
        {QPalette::Base, Qt::white},
        {QPalette::AlternateBase, QColor(247, 247, 247)},
        {QPalette::Text, Qt::black},
        {QPalette::PlaceholderText, QColor(127, 127, 127)},
        {QPalette::Button, QColor(239, 239, 239)},
        {QPalette::ButtonText, Qt::black},
        {QPalette::BrightText, Qt::white},
        {QPalette::Light, Qt::white},
        {QPalette::Midlight, QColor(202, 202, 202)},
        {QPalette::Mid, QColor(184, 184, 184)},
        {QPalette::Dark, QColor(159, 159, 159)},
        {QPalette::Shadow, QColor(118, 118, 118)},
        {QPalette::Highlight, QColor(48, 140, 198)},
        {QPalette::HighlightedText, Qt::white},
        {QPalette::Link, QColor(0, 0, 255)},
        {QPalette::LinkVisited, QColor(255, 0, 255)},
        {QPalette::ToolTipBase, QColor(255, 255, 220)},
        {QPalette::ToolTipText, Qt::black},
    };
    for (const auto& [role, color] : roles)
        palette.setColor(role, color);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(190, 190, 190));
    return palette;
}

void SetLightPalette(QWidget* widget) {
    widget->setPalette(LightPalette());
}

void SetLightPalette(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = LightPalette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

void SetTealBackground(QWidget* widget) {
    QPalette palette = LightPalette();
    palette.setColor(QPalette::Window, Teal);
    palette.setColor(QPalette::Base, Teal);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
