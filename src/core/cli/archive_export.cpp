#include "cli/archive_export.h"

#include "archive/archive.h"
#include "archive/constant_tables.h"
#include "archive/packed_date.h"

#include <array>

namespace {

// The official export's wheels, in its order: Bari .. Roma as "RM", the national wheel, Torino, Venezia.
struct OfficialWheel {
    const char* code;
    int wheel;
};
constexpr std::array<OfficialWheel, 11> OfficialOrder = {{{"BA", 1},
                                                          {"CA", 2},
                                                          {"FI", 3},
                                                          {"GE", 4},
                                                          {"MI", 5},
                                                          {"NA", 6},
                                                          {"PA", 7},
                                                          {"RM", 8},
                                                          {"RN", 11},
                                                          {"TO", 9},
                                                          {"VE", 10}}};

// Appends the decimal digits of a value that is not negative, at least `width` of them.
void appendNumber(QByteArray& text, int value, int width = 1) {
    char digits[12];
    int length = 0;
    do {
        digits[length++] = char('0' + value % 10);
        value /= 10;
    } while (value > 0 || length < width);
    while (length > 0)
        text += digits[--length];
}

void appendDate(QByteArray& text, PackedDate date, char separator) {
    appendNumber(text, FullYear(date.yearCode), 4);
    text += separator;
    appendNumber(text, date.month, 2);
    text += separator;
    appendNumber(text, date.day, 2);
}

// A number cell after its comma; a number that is not there leaves the cell empty.
void appendCell(QByteArray& text, int value) {
    text += ',';
    if (value != 0)
        appendNumber(text, value);
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
        appendNumber(csv, d);
        csv += ',';
        appendDate(csv, archive.DrawDate(d), '-');
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

QByteArray ExportStorico(const Archive& archive) {
    QByteArray text;
    text.reserve(archive.DrawCount() * 11 * 30);
    for (int d = 1; d <= archive.DrawCount(); ++d) {
        QByteArray date;
        appendDate(date, archive.DrawDate(d), '/');
        for (const OfficialWheel& wheel : OfficialOrder) {
            if (wheel.wheel == NationalWheel && d < FirstNationalDraw)
                continue;
            text += date;
            text += '\t';
            text += wheel.code;
            for (int p = 1; p <= NumbersPerWheel; ++p) {
                text += '\t';
                appendNumber(text, archive.DrawNumbers(wheel.wheel, d, p));
            }
            text += '\n';
        }
    }
    return text;
}
