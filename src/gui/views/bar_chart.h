// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

// A bar for each of the numbers 1..N, drawn by the program at any scale: the value's height, the
// numbers under every tenth bar, the largest value at the left.
class BarChart : public QWidget {
    Q_OBJECT
public:
    explicit BarChart(QWidget* parent = nullptr);

    // `values[i]` is the bar of number i + 1.
    void setValues(std::vector<int> values);
    const std::vector<int>& values() const { return values_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> values_;
};
