// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storico/storico_import.h"

#include <QString>

// The official results file's import put into words, in Italian, where it is shown. Dates of the
// archive read dd-mm-yyyy, those of the file as it writes them.

// "riga N: " and what is wrong there, for the problems of the file; the sentence for the others.
QString ImportProblemText(const ImportProblem& problem);

// One line for a difference or a gap.
QString ImportDetailText(const ImportDetail& detail);

// The summary line: draws read and their range, skipped, verified, differing, added, corrected.
QString ImportSummaryText(const ImportReport& report);

// Where the file came from, for the advice that names the command to run next.
enum class ImportSource { File, Site }; // --import FILE, --update

// The summary, the national-wheel lines ignored, every detail, then what was written or why
// nothing was, a file that ends before the archive, the sub-archives rebuilt and the backup made:
// one per line.
QString ImportReportText(const ImportReport& report, ImportSource source = ImportSource::File);

// The warning for a file whose last draw comes before the archive's (report.archiveLast set).
QString EndsBeforeArchiveText(const ImportReport& report);

// "19 estrazioni (dal 04-08-2026 al 18-08-2026)", "1 estrazione (del 18-08-2026)".
QString NewDrawsText(const ImportReport& report);
