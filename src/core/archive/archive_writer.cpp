#include "archive/archive_writer.h"

#include "archive/archive.h"
#include "archive/data_file_layout.h"
#include "archive/file_store.h"
#include "archive/sub_archive.h"

int WriteWholeArchive(FileStore& files, const Archive& archive) {
    std::vector<int> all, weekly, midweek;
    all.reserve(std::size_t(archive.DrawCount()));
    for (int d = 1; d <= archive.DrawCount(); ++d) {
        all.push_back(d);
        (SubArchiveParity(d, archive.LastWeeklyDraw) == 1 ? midweek : weekly).push_back(d);
    }
    const std::pair<QString, QByteArray> contents[] = {
        {DataFileName::SmNumbers, encodeNumbersFile(archive, all)},
        {DataFileName::Weekdays, encodeWeekdaysFile(archive)},
        {DataFileName::National, encodeNationalFile(archive)},
        {DataFileName::numbers(FileSet::Weekly), encodeNumbersFile(archive, weekly)},
        {DataFileName::dates(FileSet::Weekly), encodeDatesFile(archive, weekly)},
        {DataFileName::numbers(FileSet::Midweek), encodeNumbersFile(archive, midweek)},
        {DataFileName::dates(FileSet::Midweek), encodeDatesFile(archive, midweek)},
        {DataFileName::SmDates, encodeDatesFile(archive, all)},
    };
    for (const auto& [name, bytes] : contents)
        if (const int error = files.write(name, bytes))
            return error;
    return 0;
}
