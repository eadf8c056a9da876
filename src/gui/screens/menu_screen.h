// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QPushButton;

// The main menu: the window's four buttons over the bare window, and below them "Statistiche" and
// "Cerca", which open windows of their own.
class MenuScreen : public QWidget {
    Q_OBJECT
public:
    explicit MenuScreen(QWidget* parent);

    QList<QWidget*> tabStops() const;

Q_SIGNALS:
    void statsRequested();
    void searchRequested();

private:
    QPushButton* butStats;
    QPushButton* butSearch;
};
