// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/sub_archive.h"

#include "archive/archive.h"
#include "archive/data_file_layout.h"
#include "archive/file_store.h"

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

bool SubArchivesPresent(FileStore& files) {
    return files.read(DataFileName::dates(FileSet::Weekly), 0).exists;
}
