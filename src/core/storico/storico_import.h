// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/packed_date.h"
#include "storico/import_problem.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <array>
#include <vector>

class FileStore;

// Bringing the archive in line with the official results file (see storico_reader.h).
//
// Into a folder without an archive the whole archive is written. Into an existing one the file's
// draws are matched by date: the same numbers are verified, other numbers are listed (and
// rewritten only when corrections are asked for), draws after the archive's last one are
// appended as new draws from the window would be. The archive only grows at its end: a file date
// the archive lacks before its last draw, or an archived draw in the file's range that the file
// lacks, is a gap, and then nothing is written. So is a difference that is not corrected, unless
// the new draws are to be added despite it: they follow the archive's last draw and depend on no
// stored one, so they are added and the stored draws stay as they are.

struct ImportOptions {
    bool correct = false; // rewrite the draws whose numbers differ
    bool dryRun = false;  // report only, write nothing
    bool rebuild = false; // write the whole archive from the file, which starts with the first draw
    bool addDespiteDifferences = false; // add the new draws even when stored ones differ (not corrected)
    QDate today{};                      // no draw after tomorrow; none: the computer's date
};

// Where the archive and the file part: a difference of a stored draw, or a gap.
struct ImportDetail {
    enum Kind {
        DateOutOfOrder,     // draw: a date the archive holds twice or out of order
        MissingFromArchive, // a date of the file the archive lacks before its last draw
        MissingFromFile,    // draw: a stored draw in the file's range that the file lacks
        NumbersDiffer,      // draw, wheel, archived and inFile: the numbers of that wheel
        WeekdayDiffers,     // draw, archivedWeekday, fileWeekday
    };
    Kind kind = DateOutOfOrder;
    PackedDate date{};
    int draw = 0;
    int wheel = 0;
    std::array<qint16, 6> archived{}; // [1..5]
    std::array<qint16, 6> inFile{};
    int archivedWeekday = 0;
    int fileWeekday = 0;

    friend bool operator==(const ImportDetail&, const ImportDetail&) = default;
};

struct ImportReport {
    enum Status { Agrees = 0, Disagrees = 1, Failed = 2 };
    Status status = Failed;
    ImportProblem problem; // when Failed: what went wrong

    bool dryRun = false;       // counted, not written: what would be added and corrected
    bool newArchive = false;   // the folder held no archive
    bool wholeHistory = false; // the file starts with the archive's first draw: it can rebuild it
    int read = 0;              // draws of the file from 1947 on
    PackedDate firstDate{};    // their range
    PackedDate lastDate{};
    int skippedBefore1947 = 0;
    int nationalIgnored = 0; // national-wheel lines of draws before the national wheel
    int verified = 0;
    int differing = 0;
    int newDraws = 0;      // the file's draws after the archive's last, whether added or not,
    PackedDate firstNew{}; // and their range
    PackedDate lastNew{};
    PackedDate archiveLast{};     // the archive's last draw when the file ends before it; else none
    int added = 0;                // appended (or, with dryRun, to be appended)
    bool differencesKept = false; // added despite differences, which stay as stored
    int corrected = 0;            // rewritten (or, with dryRun, to be rewritten)
    int completed = 0;    // stored with missing numbers, which the file gives (and corrected no other way)
    bool rebuilt = false; // an existing archive written whole from the file:
    int unchanged = 0;    // its draws that stay as they were,
    int removed = 0;      // and those beyond the file's last
    int gaps = 0;
    std::vector<ImportDetail> details; // every difference and gap, in the order found
    bool subArchivesRebuilt = false;   // "S" and "M" disagreed with the full archive and were rewritten
    QString backup;                    // the folder the archive was copied into before it changed
};

// Reads `fileBytes`, the text or the zip holding it, and brings the archive held by `files` in line with it.
ImportReport ImportStorico(FileStore& files, const QByteArray& fileBytes, const ImportOptions& options);
