// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/placing.h"

#include "grid/twips.h"
#include "views/picture_box.h"
#include "widgets/fonts.h"
#include "widgets/palettes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

void place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(px(left), px(top), px(width), px(height));
}

void placeBelowTheButtons(QWidget* control) {
    const QSize screen = control->parentWidget()->size();
    place(control, 0, 480, twips(screen.width()), std::max(twips(screen.height()) - 480, 0));
}

void placeInside(QFrame* picture, QWidget* child, int left, int top, int width, int height) {
    place(child, left, top, width, height);
    child->move(child->pos() + QPoint(picture->frameWidth(), picture->frameWidth()));
}

QPushButton* makeButton(QWidget* parent, const QString& text, int left, int width, const QFont& font) {
    auto* button = new QPushButton(text, parent);
    place(button, left, 60, width, 360);
    button->setFont(font);
    button->setAutoDefault(false); // Enter presses only the default button, where a screen has one
    return button;
}

QLineEdit* makeTextBox(QWidget* parent, int left, int top) {
    auto* box = new QLineEdit(parent);
    // Only typed digits go in: no pasting from a menu and no dropping of text.
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    place(box, left, top, 540, 360);
    box->setFont(MonoFont(10.5));
    SetLightPalette(box); // black on white
    return box;
}

QLabel* makeLabel(QFrame* picture, const QString& text, int left, int top, int width, int height) {
    auto* label = new QLabel(text, picture);
    SetTealBackground(label);
    placeInside(picture, label, left, top, width, height);
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    return label;
}

PictureBox* makePicture(QWidget* screen) {
    auto* picture = new PictureBox(screen);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(2); // the inner size is 60 twips less than the outer
    place(picture, 0, 480, 8635, 4452);
    picture->setFont(MonoFont(10.5));
    picture->surface().setFont(MonoFont(10.5));
    picture->surface().setBackground(Teal);
    picture->setFocusPolicy(Qt::StrongFocus);
    SetTealBackground(picture);
    return picture;
}

void FitOnScreen(QWidget* window, QSize size) {
    const QScreen* screen = window->screen();
    const QSize room = screen ? screen->availableGeometry().size() * 9 / 10 : size;
    window->resize(size.boundedTo(room));
}
