// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"

#include <QList>
#include <QWidget>
#include <array>

class PeriodChoice;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// "Cerca", a window of its own: the draws in which up to five numbers came out together on a wheel
// (or any), in a period. Enter or a double click on a result asks to open that draw.
class SearchScreen : public QWidget {
    Q_OBJECT
public:
    SearchScreen(const Archive& archive, QWidget* parent);

    // Fills the number fields (the rest emptied) and searches.
    void searchFor(const QList<int>& numbers);
    void refresh();

Q_SIGNALS:
    void openDraw(int draw);
    void helpRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void search();
    void openCurrent();

    const Archive& archive_;
    std::array<QLineEdit*, NumbersPerWheel> numbers_{};
    QComboBox* wheel_;
    PeriodChoice* period_;
    QPushButton* searchButton_;
    QLabel* found_;
    QTreeWidget* results_;
};
