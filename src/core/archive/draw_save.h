#pragma once

#include "archive/archive_saver.h"

#include <QString>
#include <vector>

class Archive;
class FileStore;
struct EditBuffer;

// Saving one draw into the archive: the full set "SM" and, when the sub-archives are there, the
// "S" or "M" set the draw belongs to. The window's commit, the import and the tests all save
// through here.

// One save of a draw: the file set and the draw's index in it.
struct PlannedSave {
    QString suffix;
    int index = 0;
    friend bool operator==(const PlannedSave&, const PlannedSave&) = default;
};

// The saves of draw `draw`: always the full archive "SM" first, then, when the sub-archives are
// present, the "S" or "M" one it belongs to (a new draw goes to its end, a correction to its index).
std::vector<PlannedSave> CommitSaves(int draw, bool newDraw, int lastWeeklyDraw, bool subArchivesPresent);

// The file sets that saves touch, held in memory, the full archive first.
struct ArchiveSets {
    bool subArchives = false; // the sub-archives are there: a save goes to one of them too
    std::vector<std::pair<QString, FileSetBytes>> sets;
    FileSetBytes& set(const QString& suffix);
};

// Reads the sets named by `suffixes` ("SM" first), noting whether the sub-archives are there; no
// suffixes: every set there is. Returns 0 or the error number.
int ReadArchiveSets(FileStore& files, ArchiveSets& sets, const std::vector<QString>& suffixes = {});

// Puts draw `draw` (new: DrawCount + 1 as counted by `drawCount`) into every set it belongs to.
// Returns 0, or the error number with the sets partly changed (write none of them then).
int SaveDrawInSets(ArchiveSets& sets, int draw, bool newDraw, const EditBuffer& edit, int lastWeeklyDraw,
                   int drawCount);

// Writes every set's changed files, the full archive first. Returns 0 or the first error.
int WriteArchiveSets(FileStore& files, const ArchiveSets& before, const ArchiveSets& after);

// Reads, changes and writes the sets for one draw of `archive` (the archive as loaded): draw
// DrawCount + 1 when `newDraw`. Returns 0 or the error number of the first failure.
int SaveDraw(FileStore& files, const Archive& archive, int draw, bool newDraw, const EditBuffer& edit);
