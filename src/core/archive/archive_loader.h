#pragma once

#include <QString>

class Archive;
class FileStore;

// Reads the "SM" file set into a new archive and derives every SuperEnalotto line.
// Returns 0 and replaces `archive` on success; on failure returns the error number
// (see ErrorMessageText) and leaves `archive` exactly as it was.
// A missing dates file is error 53; a missing weekdays, numbers or national-wheel file, and any
// file shorter than its records, reads as zeros. A record count below 1 or above the largest
// archive is error 63. Nothing is ever written.
int LoadArchive(FileStore& files, Archive& archive);
int LoadArchive(const QString& dataPath, Archive& archive);

// The record count of the full archive's dates file as it is on disk now, for a writer to check
// that nothing else changed the archive since it was loaded. A missing file, or one too short to
// hold its count, counts 0. Returns 0, or the error number of a failed read.
int ReadDiskDrawCount(FileStore& files, int& count);
