// SPDX-License-Identifier: GPL-3.0-or-later
#include "paste/scanners.h"

#include "archive/archive.h"
#include "archive/constant_tables.h"
#include "archive/packed_date.h"

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

constexpr int MaxNumbersPerLine = 10;
constexpr int LargestNumber = 32767;

} // namespace

NumberScan ScanNumbers(const QString& u) {
    NumberScan scan;
    const qsizetype length = u.size();
    qsizetype p = 0;
    while (p < length) {
        if (!isDigit(u[p])) {
            ++p;
            continue;
        }
        if (++scan.count > MaxNumbersPerLine) {
            scan.usable = false;
            return scan;
        }
        int value = 0;
        for (; p < length && isDigit(u[p]); ++p) {
            if (value <= LargestNumber) // stop growing once too large; the line is refused below
                value = value * 10 + (u[p].unicode() - u'0');
        }
        if (value > LargestNumber) {
            scan.usable = false;
            return scan;
        }
        scan.numbers[std::size_t(scan.count)] = qint16(value);
    }
    return scan;
}

bool NadjiDatum(const QString& u, ImportNumbersArray& ImportNumbers) {
    const NumberScan scan = ScanNumbers(u);
    ImportNumbers = scan.numbers;
    if (!scan.usable || scan.count != 3)
        return false;
    const int day = ImportNumbers[1], month = ImportNumbers[2];
    if (day < 1 || day > 31 || month < 1 || month > 12)
        return false;
    int year = ImportNumbers[3];
    if (year >= 2000)
        year -= 2000;
    if (year >= 1900)
        year -= 1900;
    ImportNumbers[3] = qint16(year);
    return true;
}

int NadjiGiorno(const QString& u) {
    static const QString stems[] = {QStringLiteral("LUNED"),    QStringLiteral("MARTED"),
                                    QStringLiteral("MERCOLED"), QStringLiteral("GIOVED"),
                                    QStringLiteral("VENERD"),   QStringLiteral("SABAT"),
                                    QStringLiteral("DOMENIC")};
    for (int code = 1; code <= 7; ++code)
        if (u.contains(stems[code - 1]))
            return code;
    return 0;
}

int NadjiIzvlacenje(const QString& u, ImportNumbersArray& ImportNumbers) {
    const NumberScan scan = ScanNumbers(u);
    ImportNumbers = scan.numbers;
    if (!scan.usable || scan.count != NumbersPerWheel)
        return 0;
    for (int p = 1; p <= NumbersPerWheel; ++p)
        if (ImportNumbers[std::size_t(p)] < 1 || ImportNumbers[std::size_t(p)] > 90)
            return 0;
    for (int i = 1; i <= WheelNameCount; ++i)
        if (u.contains(WheelName(i)))
            return WheelOfName(i);
    for (int i = 1; i <= WheelCodeCount; ++i)
        if (u.contains(WheelCode(i)))
            return WheelOfCode(i);
    return 0;
}

int NadjiEst(const Archive& archive, const std::array<qint16, 4>& EditDate) {
    const int target = DrawDateKey(EditDate[1], EditDate[2], EditDate[3]);
    const int count = archive.DrawCount();
    for (int d = 1; d <= count; ++d) {
        const PackedDate date = archive.DrawDate(d);
        const int key = DrawDateKey(date);
        if (key < target)
            continue;
        return key == target ? -d : d;
    }
    return count + 1;
}
