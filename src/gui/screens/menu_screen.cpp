// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/menu_screen.h"

#include "widgets/fonts.h"
#include "widgets/palettes.h"
#include "widgets/placing.h"

#include <QPushButton>

// Under the first two buttons of the row, as wide, a row's height below it.
MenuScreen::MenuScreen(QWidget* parent) : QWidget(parent) {
    const QFont font = SansFont(8.25);
    butStats = makeButton(this, QStringLiteral("&Statistiche"), 60, 1540, font);
    butStats->setObjectName(QStringLiteral("butStats"));
    butSearch = makeButton(this, QStringLiteral("C&erca"), 1660, 1540, font);
    butSearch->setObjectName(QStringLiteral("butSearch"));
    place(butStats, 60, 480, 1540, 360);
    place(butSearch, 1660, 480, 1540, 360);
    for (QPushButton* button : {butStats, butSearch})
        SetLightPalette(button, QPalette::Button, ButtonTeal);
    connect(butStats, &QPushButton::clicked, this, &MenuScreen::statsRequested);
    connect(butSearch, &QPushButton::clicked, this, &MenuScreen::searchRequested);
}

QList<QWidget*> MenuScreen::tabStops() const {
    return {butStats, butSearch};
}
