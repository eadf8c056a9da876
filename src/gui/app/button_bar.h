// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/navigation.h"

#include <QObject>
#include <array>

class QPushButton;
class QWidget;

// The window's row of buttons: four that each screen captions and gives a task, the download button
// of the paste screen in the place of the third and fourth, and "?" at the right edge.
class ButtonBar : public QObject {
    Q_OBJECT
public:
    explicit ButtonBar(QWidget* window);

    // Shows the row as the screen has it; a button the screen does not use keeps its caption.
    void show(const ButtonRow& row);
    // "?" follows the window's right edge, never over the fourth button.
    void placeHelp(int windowWidthTwips);
    // The default button: Enter on the window presses it.
    void setDefault(bool enterPressesFirst);
    void click(int index);
    QList<QWidget*> rowStops() const;
    QWidget* help() const;

Q_SIGNALS:
    void pressed(int index); // 1..4
    void helpPressed();
    void downloadPressed();

private:
    std::array<QPushButton*, 5> But{}; // But1..But4, slot 0 unused
    QPushButton* butDownload;
    QPushButton* butHelp;
};
