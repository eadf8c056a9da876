// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/data_file_layout.h"

#include <algorithm>

QString DataFileName::dates(const QString& suffix) {
    return QStringLiteral("_data_") + suffix.toLower() + QStringLiteral(".dtb");
}
QString DataFileName::numbers(const QString& suffix) {
    return QStringLiteral("_est_") + suffix.toLower() + QStringLiteral(".dtb");
}

QStringList DataFileName::all() {
    return {SmDates,
            SmNumbers,
            Weekdays,
            National,
            dates(FileSet::Weekly),
            numbers(FileSet::Weekly),
            dates(FileSet::Midweek),
            numbers(FileSet::Midweek)};
}

bool DataFileName::same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

qint64 nationalRecordOffset(int draw) {
    return qint64(NationalRecordSize) * (draw - FirstNationalDraw);
}

int DatesFileCount(const QByteArray& dates) {
    return dates.size() >= 2 ? wordAt(dates, 0) : 0;
}

Failure CheckDatesFile(const QByteArray& dates) {
    const int count = DatesFileCount(dates);
    if (count < 1 || count > MaxDrawCount || dateRecordsIn(dates) < count)
        return FileError::BadRecordNumber;
    return {};
}

qint64 dateRecordsIn(const QByteArray& datesFile) {
    return std::max<qint64>(datesFile.size() - DatesHeaderSize, 0) / DateRecordSize;
}

quint8 byteAt(const QByteArray& bytes, qint64 offset) {
    return offset >= 0 && offset < bytes.size() ? quint8(bytes[offset]) : 0;
}

qint16 wordAt(const QByteArray& bytes, qint64 offset) {
    return qint16(quint16(byteAt(bytes, offset)) | quint16(byteAt(bytes, offset + 1) << 8));
}

PackedDate dateAt(const QByteArray& bytes, qint64 offset) {
    return {byteAt(bytes, offset), byteAt(bytes, offset + 1), byteAt(bytes, offset + 2)};
}

void putBytes(QByteArray& file, qint64 offset, const QByteArray& data) {
    Q_ASSERT(offset >= 0);
    if (file.size() < offset + data.size())
        file.append(QByteArray(offset + data.size() - file.size(), '\0'));
    file.replace(offset, data.size(), data);
}

void putWord(QByteArray& file, qint64 offset, qint16 value) {
    const auto bits = quint16(value);
    QByteArray word(2, '\0');
    word[0] = char(bits & 0xFF);
    word[1] = char(bits >> 8);
    putBytes(file, offset, word);
}

QByteArray dateRecord(PackedDate date) {
    QByteArray record(DateRecordSize, '\0');
    record[0] = char(date.day);
    record[1] = char(date.month);
    record[2] = char(date.yearCode);
    return record;
}

namespace {

QByteArray wheelBytes(const WheelNumbers& numbers, int firstWheel, int lastWheel) {
    QByteArray record;
    record.reserve((lastWheel - firstWheel + 1) * NumbersPerWheel);
    for (int w = firstWheel; w <= lastWheel; ++w)
        for (int p = 1; p <= NumbersPerWheel; ++p)
            record.append(char(quint8(numbers[std::size_t(w)][std::size_t(p)])));
    return record;
}

} // namespace

QByteArray numbersRecord(const WheelNumbers& numbers) {
    return wheelBytes(numbers, 1, CityWheels);
}
QByteArray nationalRecord(const WheelNumbers& numbers) {
    return wheelBytes(numbers, NationalWheel, NationalWheel);
}

QByteArray encodeDatesFile(const Archive& archive, const std::vector<int>& draws) {
    QByteArray file(DatesHeaderSize, '\0');
    putWord(file, 0, qint16(draws.size()));
    putWord(file, 2, archive.LastWeeklyDraw);
    file.reserve(DatesHeaderSize + qsizetype(draws.size()) * DateRecordSize);
    for (int d : draws) {
        const PackedDate date = archive.DrawDate(d);
        file.append(char(date.day)).append(char(date.month)).append(char(date.yearCode));
    }
    return file;
}

namespace {

// Appends numbers as bytes; every number of a valid archive fits its byte.
void appendNumbers(QByteArray& file, const qint16* numbers, int count) {
    const qsizetype at = file.size();
    file.resize(at + count);
    char* out = file.data() + at;
    for (int i = 0; i < count; ++i)
        out[i] = char(quint8(numbers[i]));
}

} // namespace

QByteArray encodeNumbersFile(const Archive& archive, const std::vector<int>& draws) {
    QByteArray file;
    file.reserve(qsizetype(draws.size()) * NumbersRecordSize);
    for (int d : draws)
        appendNumbers(file, archive.numbersOfDraw(d), CityWheels * NumbersPerWheel);
    return file;
}

QByteArray encodeWeekdaysFile(const Archive& archive) {
    QByteArray file;
    for (int d = 1; d <= archive.DrawCount(); ++d)
        file.append(char(quint8(archive.DrawWeekday(d))));
    return file;
}

QByteArray encodeNationalFile(const Archive& archive) {
    QByteArray file;
    for (int d = FirstNationalDraw; d <= archive.DrawCount(); ++d)
        appendNumbers(file, archive.numbersOfDraw(d) + CityWheels * NumbersPerWheel, NumbersPerWheel);
    return file;
}
