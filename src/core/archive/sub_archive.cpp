// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/sub_archive.h"

#include "archive/archive.h"
#include "archive/data_file_layout.h"

int LastWeeklyDrawOf(const Archive& archive) {
    const int firstTwiceWeekly = DrawDateKey(FirstTwiceWeeklyDate);
    int last = 0;
    for (int d = 1; d <= archive.DrawCount(); ++d)
        if (DrawDateKey(archive.DrawDate(d)) < firstTwiceWeekly)
            last = d;
    return last;
}

int SubArchiveParity(int draw, int lastWeeklyDraw) {
    return draw <= lastWeeklyDraw ? 0 : (draw - lastWeeklyDraw) % 2;
}

SubArchivePlace SubArchiveOf(int draw, int lastWeeklyDraw) {
    if (SubArchiveParity(draw, lastWeeklyDraw) == 1)
        return {FileSet::Midweek, (draw - lastWeeklyDraw + 1) / 2};
    if (draw <= lastWeeklyDraw)
        return {FileSet::Weekly, draw};
    return {FileSet::Weekly, lastWeeklyDraw + (draw - lastWeeklyDraw) / 2};
}

std::vector<int> SubArchiveDraws(int count, int lastWeeklyDraw, const QString& suffix) {
    const int parity = suffix == FileSet::Midweek ? 1 : 0;
    std::vector<int> draws;
    draws.reserve(std::size_t(std::max(count, 0)));
    for (int d = 1; d <= count; ++d)
        if (SubArchiveParity(d, lastWeeklyDraw) == parity)
            draws.push_back(d);
    return draws;
}
