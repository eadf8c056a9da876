// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"
#include "archive/file_error.h"

#include <QWidget>
#include <functional>

class BarChart;
class FiguresModel;
class PeriodChoice;
class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;

// "Statistiche", a window of its own: for a wheel or all of them and a period, the figures of the
// 90 numbers and of the pairs of the wheel, sortable, beside a chart of the numbers' delays or times
// drawn. Every change answers at once. Ctrl+F asks to search the chosen row's numbers.
class StatsScreen : public QWidget {
    Q_OBJECT
public:
    StatsScreen(const Archive& archive, QWidget* parent);

    // The archive changed (a save, an import): the figures follow.
    void refresh();
    // Where "Esporta CSV…" writes; empty: nothing. A file chooser unless tests stand in for it.
    std::function<QString()> chooseExportFile;

Q_SIGNALS:
    void searchRequested(const QList<int>& numbers);
    void helpRequested();
    void exportFailed(FileError error);

private:
    void buildControls();
    void recount();
    void showChart();
    void exportShown();
    void searchChosen();
    QTableView* shownTable() const;

    const Archive& archive_;
    QComboBox* wheel_;
    PeriodChoice* period_;
    QLabel* summary_;
    QTabWidget* tabs_;
    FiguresModel* numbers_;
    FiguresModel* pairs_;
    QSortFilterProxyModel* sortedNumbers_;
    QSortFilterProxyModel* sortedPairs_;
    QTableView* numbersTable_;
    QTableView* pairsTable_;
    QComboBox* chartOf_;
    BarChart* chart_;
    QPushButton* export_;
};
