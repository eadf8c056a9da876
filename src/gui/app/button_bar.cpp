// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/button_bar.h"

#include "text/messages.h"
#include "widgets/fonts.h"
#include "widgets/palettes.h"
#include "widgets/placing.h"

#include <QPushButton>

ButtonBar::ButtonBar(QWidget* window) : QObject(window) {
    const QFont buttonFont = SansFont(8.25);
    for (int i = 1; i <= 4; ++i) {
        QPushButton* button = makeButton(window, QString(), 60 + (i - 1) * 1600, 1540, buttonFont);
        button->setObjectName(QStringLiteral("But") + QString::number(i));
        connect(button, &QPushButton::clicked, this, [this, i] { Q_EMIT pressed(i); });
        But[std::size_t(i)] = button;
    }
    butDownload = makeButton(window, DownloadCaption, 3260, 3140, buttonFont);
    butDownload->setObjectName(QStringLiteral("butDownload"));
    butHelp = makeButton(window, QStringLiteral("?"), 7860, 360, SansFont(9.75));
    butHelp->setObjectName(QStringLiteral("butHelp"));
    for (QPushButton* button : {But[1], But[2], But[3], But[4], butDownload})
        SetLightPalette(button, QPalette::Button, ButtonTeal);
    SetLightPalette(butHelp);
    connect(butDownload, &QPushButton::clicked, this, &ButtonBar::downloadPressed);
    connect(butHelp, &QPushButton::clicked, this, &ButtonBar::helpPressed);
}

void ButtonBar::show(const ButtonRow& row) {
    for (int i = 1; i <= 4; ++i) {
        QPushButton* button = But[std::size_t(i)];
        const bool shown = row.actions[std::size_t(i - 1)] != Action::None;
        if (shown)
            button->setText(row.captions[std::size_t(i - 1)]);
        button->setVisible(shown);
    }
    butDownload->setVisible(row.download);
    setDefault(row.enterPressesFirst);
}

void ButtonBar::placeHelp(int windowWidthTwips) {
    const int afterTheFourth = 4860 + 1540 + 60;
    place(butHelp, std::max(windowWidthTwips - 360 - 60, afterTheFourth), 60, 360, 360);
}

void ButtonBar::setDefault(bool enterPressesFirst) {
    But[1]->setDefault(enterPressesFirst);
}

void ButtonBar::click(int index) {
    But[std::size_t(index)]->click();
}

QList<QWidget*> ButtonBar::rowStops() const {
    return {But[1], But[2], But[3], But[4], butDownload};
}

QWidget* ButtonBar::help() const {
    return butHelp;
}
