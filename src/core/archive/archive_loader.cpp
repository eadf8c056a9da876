// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_loader.h"

#include "archive/archive.h"
#include "archive/data_file_layout.h"
#include "archive/file_sets.h"
#include "archive/file_store.h"
#include "archive/super_enalotto.h"

namespace {

// The bytes of an optional file from `offset` on, `size` of them; what it lacks reads as zeros.
QByteArray padded(const QByteArray& file, qint64 size) {
    QByteArray bytes = file.left(size);
    if (bytes.size() < size)
        bytes.append(QByteArray(size - bytes.size(), '\0'));
    return bytes;
}

Archive datesOf(const QByteArray& dates) {
    Archive loaded(DatesFileCount(dates));
    loaded.LastWeeklyDraw = wordAt(dates, 2);
    for (int d = 1; d <= loaded.DrawCount(); ++d)
        loaded.setDrawDate(d, dateAt(dates, dateRecordOffset(d)));
    return loaded;
}

void readWeekdays(const QByteArray& file, Archive& archive) {
    const QByteArray bytes = padded(file, archive.DrawCount());
    for (int d = 1; d <= archive.DrawCount(); ++d)
        archive.setDrawWeekday(d, byteAt(bytes, weekdayOffset(d)));
}

void readCityWheels(const QByteArray& file, Archive& archive) {
    const QByteArray bytes = padded(file, numbersRecordOffset(archive.DrawCount() + 1));
    for (int d = 1; d <= archive.DrawCount(); ++d)
        archive.setCityWheels(d, bytes.constData() + numbersRecordOffset(d));
}

void readNationalWheel(const QByteArray& file, Archive& archive) {
    const int count = archive.DrawCount();
    const QByteArray bytes = padded(file, count >= FirstNationalDraw ? nationalRecordOffset(count + 1) : 0);
    for (int d = FirstNationalDraw; d <= count; ++d)
        archive.setNationalWheel(d, bytes.constData() + nationalRecordOffset(d));
}

} // namespace

Result<Archive> DecodeArchive(const FileSetBytes& set) {
    if (Failure error = CheckDatesFile(set.dates))
        return {{}, error};
    Result<Archive> loaded{datesOf(set.dates), {}};
    readWeekdays(set.weekdays, loaded.value);
    readCityWheels(set.numbers, loaded.value);
    readNationalWheel(set.national, loaded.value);
    DeriveSuperNumbers(loaded.value);
    return loaded;
}

Result<Archive> LoadArchive(FileStore& files) {
    const auto read = ReadArchive(files, ReadScope::ForLoading);
    if (read.error)
        return {{}, read.error};
    if (!read.value.exists())
        return {{}, FileError::FileNotFound};
    return DecodeArchive(read.value.files.full);
}

Result<Archive> LoadArchive(const QString& dataPath) {
    DiskFileStore files(dataPath);
    return LoadArchive(files);
}
