// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/stats_csv.h"

#include "calendar/draw_date.h"
#include "storico/official_wheels.h"

namespace {

void appendFigures(QByteArray& csv, const Archive& archive, const Figures& f) {
    for (const int value : {f.drawn, f.delay, f.maxDelay}) {
        csv += ',';
        AppendNumber(csv, value);
    }
    csv += ',';
    if (f.lastDraw != 0)
        AppendDate(csv, archive.DrawDate(f.lastDraw), '-');
    csv += '\n';
}

} // namespace

QByteArray NumberFiguresCsv(const Archive& archive, const std::array<Figures, HighestNumber + 1>& figures) {
    QByteArray csv = "number,drawn,delay,max_delay,last_date\n";
    for (int n = 1; n <= HighestNumber; ++n) {
        AppendNumber(csv, n);
        appendFigures(csv, archive, figures[std::size_t(n)]);
    }
    return csv;
}

QByteArray PairFiguresCsv(const Archive& archive, const std::vector<Figures>& figures) {
    QByteArray csv = "pair,drawn,delay,max_delay,last_date\n";
    for (int i = 0; i < int(figures.size()); ++i) {
        const auto [a, b] = PairAt(i);
        AppendNumber(csv, a);
        csv += '-';
        AppendNumber(csv, b);
        appendFigures(csv, archive, figures[std::size_t(i)]);
    }
    return csv;
}

QByteArray MatchesCsv(const Archive& archive, const std::vector<DrawMatch>& matches) {
    QByteArray csv = "draw,date,wheel,numbers\n";
    for (const DrawMatch& match : matches) {
        AppendNumber(csv, match.draw);
        csv += ',';
        AppendDate(csv, archive.DrawDate(match.draw), '-');
        csv += ',' + OfficialWheelCode(match.wheel).toLatin1() + ',';
        for (int p = 1; p <= NumbersPerWheel; ++p) {
            if (p > 1)
                csv += ' ';
            AppendNumber(csv, archive.DrawNumbers(match.wheel, match.draw, p));
        }
        csv += '\n';
    }
    return csv;
}
