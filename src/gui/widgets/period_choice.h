// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/draw_stats.h"

#include <QWidget>

class QComboBox;
class QDateEdit;
class QSpinBox;

// The period the figures and the search take: the whole archive, its last N draws, or from one
// date to another (both included). `changed` follows every edit.
class PeriodChoice : public QWidget {
    Q_OBJECT
public:
    explicit PeriodChoice(QWidget* parent = nullptr);

    // The dates offered at first: those of the archive's first and last draw.
    void setArchive(const Archive& archive);
    // The draws of the chosen period that have `wheel`.
    DrawPeriod periodOf(const Archive& archive, int wheel) const;

Q_SIGNALS:
    void changed();

private:
    void showFields();

    QComboBox* kind_;
    QSpinBox* count_;
    QDateEdit* from_;
    QDateEdit* to_;
};
