// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

class Archive;

// The archive written out for spreadsheets and other programs: UTF-8 with LF line endings, draws
// oldest first.

// A header row, then per draw: its index, the date as YYYY-MM-DD, the weekday abbreviation, the
// five numbers of every wheel (BA1..VE5, RN1..RN5) and the SuperEnalotto line (SE1..SE6, J).
// A number that is not there (0, and the national wheel before its first draw) is an empty cell.
QByteArray ExportCsv(const Archive& archive);

// One CSV field, quoted when it holds a comma, a quote or a line break.
QByteArray CsvField(const QByteArray& text);
