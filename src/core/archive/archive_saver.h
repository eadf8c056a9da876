#pragma once

#include <QByteArray>
#include <QString>

class FileStore;
struct EditBuffer;

// The files of one set ("SM", "S" or "M") as bytes in memory. Only the "SM" set has the weekdays
// and national-wheel files.
struct FileSetBytes {
    QByteArray dates;
    QByteArray numbers;
    QByteArray weekdays;
    QByteArray national;
    friend bool operator==(const FileSetBytes&, const FileSetBytes&) = default;
};

// Reads the files of set `suffix` (a missing file as empty). Returns 0 or the error number.
int ReadFileSet(FileStore& files, const QString& suffix, FileSetBytes& set);

// Writes the files of set `suffix` that differ between `before` and `after`, each once and whole:
// the records first (numbers, weekdays, national wheel), the dates file with its count last, so a
// write that fails part-way leaves a set whose count names only whole records. Returns 0, or the
// error number of the failed write (nothing more is written after it).
int WriteFileSet(FileStore& files, const QString& suffix, const FileSetBytes& before,
                 const FileSetBytes& after);

// Puts the draw in `edit` into the set's bytes at record `draw` of that set: appended when
// draw > drawCount (the loaded archive's DrawCount), in place otherwise. An appended draw goes
// where the set's own record count says, and the count is raised.
//
// Returns 0, or the error number with nothing changed. A value that does not fit its field (day
// 1..31, month 1..12, year code 0..99, weekday 0..7, numbers 0..90) is error 6; a full or damaged
// record count (one that is lower than the records the dates file holds, less the one an
// interrupted save may leave) is error 63.
int SaveDrawInMemory(FileSetBytes& set, bool fullSet, int draw, const EditBuffer& edit, int drawCount);

// Writes the draw in `edit` into the file set `suffix` on `files`, as SaveDrawInMemory puts it,
// through WriteFileSet. Returns 0, or the error number of the failure.
int SaveArchive(FileStore& files, const QString& suffix, int draw, const EditBuffer& edit, int drawCount);
