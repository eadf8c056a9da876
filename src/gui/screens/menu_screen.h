// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The main menu: the window's four buttons over the bare window, nothing of its own.
class MenuScreen : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};
