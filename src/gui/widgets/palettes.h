// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// The window keeps its own colours whatever the desktop theme: black text, the teal of the window
// and its pictures, and a light look for every control that has no colour of its own. Every role
// of these palettes is set, so nothing of a dark application palette shows through.

inline const QColor Teal(0, 192, 192);
inline const QColor ButtonTeal(0, 128, 128);
inline const QColor PasteBackground(192, 255, 255);

// A complete light palette: black text on white fields and light grey controls.
QPalette LightPalette();

// Gives `widget` the light palette, or the light palette with `role` in `color`.
void SetLightPalette(QWidget* widget);
void SetLightPalette(QWidget* widget, QPalette::ColorRole role, const QColor& color);
// The teal background of the window, its pictures and labels, painted by the widget itself.
void SetTealBackground(QWidget* widget);
