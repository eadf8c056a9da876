#include "archive/sub_archive.h"

#include "archive/data_file_layout.h"
#include "archive/file_store.h"

int SubArchiveParity(int draw, int lastWeeklyDraw) {
    return draw <= lastWeeklyDraw ? 0 : (draw - lastWeeklyDraw) % 2;
}

SubArchivePlace SubArchiveOf(int draw, int lastWeeklyDraw) {
    if (SubArchiveParity(draw, lastWeeklyDraw) == 1)
        return {QStringLiteral("M"), (draw - lastWeeklyDraw + 1) / 2};
    if (draw <= lastWeeklyDraw)
        return {QStringLiteral("S"), draw};
    return {QStringLiteral("S"), lastWeeklyDraw + (draw - lastWeeklyDraw) / 2};
}

bool SubArchivesPresent(FileStore& files) {
    return files.read(DataFileName::dates(QStringLiteral("S")), 0).exists;
}
