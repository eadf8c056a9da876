#pragma once

#include <QString>

class FileStore;
struct EditBuffer;

// Writes the draw in `edit` into the file set `suffix` ("SM", "S" or "M") at record `draw` of that
// set: appended when draw > drawCount (the loaded archive's DrawCount), written in place otherwise.
// Only the "SM" set has the weekdays and national-wheel files.
//
// An appended draw goes where the set's own record count says; its records are written first and
// the count is raised last, so a save that fails part-way leaves an archive that loads as before.
// Each file is replaced whole and atomically.
//
// Returns 0, or the error number of the failure (nothing more is written after it). A value that
// does not fit its field (day 1..31, month 1..12, year code 0..99, weekday 0..7, numbers 0..90)
// is error 6 with nothing written; a full or damaged record count (one that is lower than the
// records the dates file holds, less the one an interrupted save may leave) is error 63.
int SaveArchive(FileStore& files, const QString& suffix, int draw, const EditBuffer& edit, int drawCount);
