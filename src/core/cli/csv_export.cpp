// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/csv_export.h"

#include "archive/archive.h"
#include "archive/constant_tables.h"
#include "calendar/draw_date.h"

#include <array>

namespace {

// A number cell after its comma; a number that is not there leaves the cell empty.
void appendCell(QByteArray& text, int value) {
    text += ',';
    if (value != 0)
        AppendNumber(text, value);
}

QByteArray csvHeader() {
    QByteArray header = "draw,date,weekday";
    for (int w = 1; w <= AllWheels; ++w)
        for (int p = 1; p <= NumbersPerWheel; ++p)
            header += ',' + WheelCode(w).toLatin1() + QByteArray::number(p);
    for (int k = 1; k <= 6; ++k)
        header += ",SE" + QByteArray::number(k);
    return header + ",J\n";
}

} // namespace

QByteArray CsvField(const QByteArray& text) {
    if (!text.contains(',') && !text.contains('"') && !text.contains('\n') && !text.contains('\r'))
        return text;
    QByteArray quoted = text;
    quoted.replace("\"", "\"\"");
    return '"' + quoted + '"';
}

QByteArray ExportCsv(const Archive& archive) {
    QByteArray csv = csvHeader();
    csv.reserve(csv.size() + archive.DrawCount() * 200);
    for (int d = 1; d <= archive.DrawCount(); ++d) {
        AppendNumber(csv, d);
        csv += ',';
        AppendDate(csv, archive.DrawDate(d), '-');
        csv += ',';
        csv += CsvField(DayAbbrev(archive.DrawWeekday(d)).toUtf8());
        const qint16* numbers = archive.numbersOfDraw(d);
        for (int i = 0; i < AllWheels * NumbersPerWheel; ++i)
            appendCell(csv, numbers[i]);
        for (int k = 1; k <= SuperLineLength; ++k)
            appendCell(csv, archive.SuperNumbers(d, k));
        csv += '\n';
    }
    return csv;
}
