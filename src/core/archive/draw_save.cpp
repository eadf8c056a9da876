#include "archive/draw_save.h"

#include "archive/archive.h"
#include "archive/data_file_layout.h"
#include "archive/sub_archive.h"

#include <algorithm>

std::vector<PlannedSave> CommitSaves(int draw, bool newDraw, int lastWeeklyDraw, bool subArchivesPresent) {
    std::vector<PlannedSave> saves{{FileSet::Full, draw}};
    if (!subArchivesPresent)
        return saves;
    const SubArchivePlace place = SubArchiveOf(draw, lastWeeklyDraw);
    // A new draw lies past the end of every set, so the saver appends it to the sub-archive.
    saves.push_back({place.suffix, newDraw ? draw : place.index});
    return saves;
}

FileSetBytes& ArchiveSets::set(const QString& suffix) {
    const auto found =
        std::find_if(sets.begin(), sets.end(), [&suffix](const auto& set) { return set.first == suffix; });
    Q_ASSERT(found != sets.end());
    return found->second;
}

int ReadArchiveSets(FileStore& files, ArchiveSets& sets, const std::vector<QString>& suffixes) {
    sets.subArchives = SubArchivesPresent(files);
    std::vector<QString> wanted = suffixes;
    if (wanted.empty()) {
        wanted = {FileSet::Full};
        if (sets.subArchives)
            wanted.insert(wanted.end(), {FileSet::Weekly, FileSet::Midweek});
    }
    sets.sets.clear();
    for (const QString& suffix : wanted) {
        FileSetBytes bytes;
        if (const int error = ReadFileSet(files, suffix, bytes))
            return error;
        sets.sets.emplace_back(suffix, std::move(bytes));
    }
    return 0;
}

int SaveDrawInSets(ArchiveSets& sets, int draw, bool newDraw, const EditBuffer& edit, int lastWeeklyDraw,
                   int drawCount) {
    for (const PlannedSave& save : CommitSaves(draw, newDraw, lastWeeklyDraw, sets.subArchives))
        if (const int error = SaveDrawInMemory(sets.set(save.suffix), save.suffix == FileSet::Full,
                                               save.index, edit, drawCount))
            return error;
    return 0;
}

int WriteArchiveSets(FileStore& files, const ArchiveSets& before, const ArchiveSets& after) {
    Q_ASSERT(before.sets.size() == after.sets.size());
    for (std::size_t i = 0; i < after.sets.size(); ++i)
        if (const int error =
                WriteFileSet(files, after.sets[i].first, before.sets[i].second, after.sets[i].second))
            return error;
    return 0;
}

// Only the sets the draw goes to are read: a sub-archive that cannot be read stops only the saves
// that need it.
int SaveDraw(FileStore& files, const Archive& archive, int draw, bool newDraw, const EditBuffer& edit) {
    std::vector<QString> suffixes;
    for (const PlannedSave& save :
         CommitSaves(draw, newDraw, archive.LastWeeklyDraw, SubArchivesPresent(files)))
        suffixes.push_back(save.suffix);
    ArchiveSets sets;
    if (const int error = ReadArchiveSets(files, sets, suffixes))
        return error;
    const ArchiveSets before = sets;
    if (const int error =
            SaveDrawInSets(sets, draw, newDraw, edit, archive.LastWeeklyDraw, archive.DrawCount()))
        return error;
    return WriteArchiveSets(files, before, sets);
}
