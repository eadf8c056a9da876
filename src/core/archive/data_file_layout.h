// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"
#include "archive/file_error.h"
#include "archive/packed_date.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Byte layouts of the archive's data files. Words are 16-bit signed little-endian; every other
// value is one byte. Reads beyond the end of a short file give 0.

// The archive's file sets: the full archive and its two sub-archives, the once-a-week draws
// followed by every second later draw in "S", the others in "M".
namespace FileSet {
inline const QString Full = QStringLiteral("SM");
inline const QString Weekly = QStringLiteral("S");
inline const QString Midweek = QStringLiteral("M");
} // namespace FileSet

// File names as the program asks for them; a new file gets this spelling.
namespace DataFileName {
inline const QString SmDates = QStringLiteral("_data_sm.dtb");
inline const QString SmNumbers = QStringLiteral("_est_sm.dtb");
inline const QString Weekdays = QStringLiteral("_GIORNI.DTB");
inline const QString National = QStringLiteral("_rn.dtb");
// The dates and numbers files of a set: FileSet::Full, Weekly or Midweek (in lower case, as
// every name of the archive is written).
QString dates(const QString& suffix);
QString numbers(const QString& suffix);
// The eight files of an archive.
QStringList all();
// Whether two names reach the same file: names are compared without regard to letter case.
bool same(const QString& a, const QString& b);
} // namespace DataFileName

inline constexpr int DatesHeaderSize = 12;
inline constexpr int DateRecordSize = 3;
inline constexpr int NumbersRecordSize = 50;
inline constexpr int NationalRecordSize = 5;

// Offsets of record `index` (1-based) in each kind of file.
constexpr qint64 dateRecordOffset(int index) {
    return DatesHeaderSize + qint64(DateRecordSize) * (index - 1);
}
constexpr qint64 numbersRecordOffset(int index) {
    return qint64(NumbersRecordSize) * (index - 1);
}
constexpr qint64 weekdayOffset(int draw) {
    return draw - 1;
}
// National records start with the first draw that has the national wheel.
qint64 nationalRecordOffset(int draw);

// How many whole date records a dates file holds, whatever its count word says.
qint64 dateRecordsIn(const QByteArray& datesFile);

// The record count a dates file states (0 when it is too short to state one), and whether it is
// one the archive can hold (else BadRecordNumber).
int DatesFileCount(const QByteArray& dates);
Failure CheckDatesFile(const QByteArray& dates);

quint8 byteAt(const QByteArray& bytes, qint64 offset);
qint16 wordAt(const QByteArray& bytes, qint64 offset);
PackedDate dateAt(const QByteArray& bytes, qint64 offset);

// Writes `data` at `offset`, first growing the file with zero bytes when it is shorter.
void putBytes(QByteArray& file, qint64 offset, const QByteArray& data);
void putWord(QByteArray& file, qint64 offset, qint16 value);

QByteArray dateRecord(PackedDate date);
// Wheels 1..10, five numbers each, wheel by wheel.
QByteArray numbersRecord(const WheelNumbers& numbers);
// Wheel 11's five numbers.
QByteArray nationalRecord(const WheelNumbers& numbers);

// Whole files of an archive, used to write a complete archive in one go (demo archive, tests).
QByteArray encodeDatesFile(const Archive& archive, const std::vector<int>& draws);
QByteArray encodeNumbersFile(const Archive& archive, const std::vector<int>& draws);
QByteArray encodeWeekdaysFile(const Archive& archive);
QByteArray encodeNationalFile(const Archive& archive);
