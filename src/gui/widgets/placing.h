// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

class QFont;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class PictureBox;

// Controls are placed by rectangles in twips within their container, as the window was designed.
void place(QWidget* control, int left, int top, int width, int height);
// Over the whole of its screen below the button row.
void placeBelowTheButtons(QWidget* control);
// Children of a framed picture are placed inside its border.
void placeInside(QFrame* picture, QWidget* child, int left, int top, int width, int height);

// A button of the window's row, at the row's height.
QPushButton* makeButton(QWidget* parent, const QString& text, int left, int width, const QFont& font);
// A two-digit field of the entry screen: black on white, typed into only.
QLineEdit* makeTextBox(QWidget* parent, int left, int top);
// A caption inside the picture; never narrower than its text, so that it is never cut.
QLabel* makeLabel(QFrame* picture, const QString& text, int left, int top, int width, int height);
// A window of its own at `size`, or smaller where the screen has less room.
void FitOnScreen(QWidget* window, QSize size);
// The picture a screen draws on, below the button row: framed, teal, taking the keys.
PictureBox* makePicture(QWidget* screen);
