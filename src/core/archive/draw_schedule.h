// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"

#include <QDate>
#include <QDateTime>

// When the next draw is due, from the archive alone. The draws come out on fixed weekdays, which
// change every few years: the weekdays of the last year's draws are the schedule. A weekday that
// held only a draw moved for a holiday is not one of them: a day counts when it held at least a
// fifth as many draws as the busiest one. Results are out after 20:00 Italian time, in whatever
// zone the computer is.
struct NextDraw {
    QDate date;    // the first draw day after the archive's last draw; invalid for an empty archive
    QDateTime due; // its evening, 20:00 in Rome

    bool isDueAt(const QDateTime& now) const { return due.isValid() && now >= due; }
};

NextDraw NextDrawOf(const Archive& archive);
