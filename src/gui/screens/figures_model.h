// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/draw_stats.h"

#include <QAbstractTableModel>
#include <QStringList>

// The figures of the numbers or of the pairs as a table: a row each, what chance alone gives beside
// what was seen. The sort role holds each cell's value as a number.
class FiguresModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Drawn, Expected, Delay, MaxDelay, LastDate, Chance, ColumnCount };

    FiguresModel(bool pairs, QObject* parent = nullptr);

    void setFigures(const Archive& archive, const DrawPeriod& period, std::vector<Figures> figures);
    // The numbers of a row: one, or the two of a pair.
    QList<int> numbersOf(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    double chanceOf(int delay) const;

    bool pairs_;
    std::vector<Figures> figures_;
    std::vector<QString> lastDates_;
    std::vector<int> lastKeys_;
    double expected_ = 0;
    double wheelsPerDraw_ = 1;
};
