// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/file_error.h"

#include <QString>

// Why reading the official results file, or importing it, stopped: a value that travels up to
// where it is shown, and ImportProblemText, which says it in Italian.
struct ImportProblem {
    enum Kind {
        None,
        NotAWheelLine,               // line
        UnknownWheelCode,            // line; field: the code
        WheelTwiceOnDate,            // line, wheelCode; field: the date
        NotANumber,                  // line, wheelCode; field: what stands there
        NumberTwiceOnWheel,          // line, number, wheelCode
        AfterLastYear,               // line; field: the date
        MissingWheels,               // line, number: the city wheels found; field: the date
        MissingNationalWheel,        // line, number: the draw; field: the date
        DateInFuture,                // line; field: the date
        ArchiveError,                // archiveError: the failed read or write of the archive;
                                     // field: the file it concerns, when it is one file's
        RebuildNeedsWholeHistory,    // a rebuild from a file that does not start with the first draw
        NewArchiveNeedsWholeHistory, // field: the file\'s first date
        NoDraws,                     // the file holds no draw from 1947 on
        TooManyDraws,                // number: the draws the archive would hold
        ZipDamaged,                  // the file starts as a zip but cannot be read as one
        ZipWithoutText,              // no member ending in ".txt"
        ZipWithSeveralTexts,         // more than one
        ZipEncrypted,                // the text is encrypted
        TextTooLarge,                // number: the limit in MB, counted while inflating
    };
    Kind kind = None;
    int line = 0; // the file's line, for the problems of the file
    int number = 0;
    QString wheelCode{};
    QString field{}; // dates as the file writes them, yyyy/mm/dd
    Failure archiveError{};

    explicit operator bool() const { return kind != None; }
    friend bool operator==(const ImportProblem&, const ImportProblem&) = default;
};

// "riga N: " and what is wrong there, for the problems of the file; the sentence for the others.
QString ImportProblemText(const ImportProblem& problem);

// The texts of the official results file's import, in Italian. Dates come as the import writes
// them, dd-mm-yyyy.
namespace StoricoText {

// The import's detail lines.
QString dateOutOfOrder(const QString& date, int draw);
QString weekdayDiffers(const QString& date, int draw, const QString& archived, const QString& inFile);
QString missingFromArchive(const QString& date);
QString missingFromFile(const QString& date, int draw);
QString differs(const QString& date, int draw, const QString& wheelCode, const QString& archived,
                const QString& inFile);
QString nationalIgnored(int lines, int firstNationalDraw);
QString subArchivesRebuilt();
QString backupMade(const QString& folder);

// The counts of the summary line; `planned`: what would be added and corrected, nothing written.
struct SummaryCounts {
    int read = 0;
    QString firstDate{};
    QString lastDate{};
    int skipped = 0;
    int verified = 0;
    int differing = 0;
    int added = 0;
    int corrected = 0;
    int completed = 0; // draws with missing numbers given by the file; named only when there are any
    bool planned = false;
    // A rebuild of an existing archive: draws unchanged and removed as well.
    bool rebuild = false;
    int unchanged = 0;
    int removed = 0;
};
QString summary(const SummaryCounts& counts);
// Why a run wrote nothing: differences (written with --correct) or gaps (mended with --rebuild).
QString nothingWritten(bool differences, bool gaps);
QString dryRunWroteNothing();

} // namespace StoricoText
