// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/file_error.h"

#include <QDate>
#include <QString>

// Why reading the official results file, or importing it, stopped: a value that travels up to
// where it is shown, where ImportProblemText says it in Italian. Dates are the file's own, which
// may lie outside the years the archive holds.
struct ImportProblem {
    enum Kind {
        None,
        NotAWheelLine,               // line
        UnknownWheelCode,            // line; field: the code
        WheelTwiceOnDate,            // line, wheelCode, date
        NotANumber,                  // line, wheelCode; field: what stands there
        NumberTwiceOnWheel,          // line, number, wheelCode
        AfterLastYear,               // line, date
        MissingWheels,               // line, date; number: the city wheels found
        MissingNationalWheel,        // line, date; number: the draw
        DateInFuture,                // line, date
        ArchiveError,                // archiveError: the failed read or write of the archive;
                                     // field: the file it concerns, when it is one file's
        RebuildNeedsWholeHistory,    // a rebuild from a file that does not start with the first draw
        NewArchiveNeedsWholeHistory, // date: the file's first
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
    QString field{};
    QDate date{};
    Failure archiveError{};

    explicit operator bool() const { return kind != None; }
    friend bool operator==(const ImportProblem&, const ImportProblem&) = default;
};
