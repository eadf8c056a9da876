// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QWidget;

// A screen's controls in the window's focus chain: before the window's button row, after it, and
// after the help button.
struct TabStops {
    QList<QWidget*> beforeButtons;
    QList<QWidget*> afterButtons;
    QList<QWidget*> afterHelp;
};
