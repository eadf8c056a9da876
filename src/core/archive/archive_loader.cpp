// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_loader.h"

#include "archive/archive.h"
#include "archive/data_file_layout.h"
#include "archive/file_sets.h"
#include "archive/file_store.h"
#include "archive/super_enalotto.h"

#include <optional>

namespace {

// The bytes of an optional file from `offset` on, `size` of them; what it lacks reads as zeros.
QByteArray padded(const QByteArray& file, qint64 size) {
    QByteArray bytes = file.left(size);
    if (bytes.size() < size)
        bytes.append(QByteArray(size - bytes.size(), '\0'));
    return bytes;
}

std::optional<Archive> datesOf(const QByteArray& dates) {
    std::optional<Archive> loaded;
    loaded.emplace(DatesFileCount(dates));
    loaded->LastWeeklyDraw = wordAt(dates, 2);
    for (int d = 1; d <= loaded->DrawCount(); ++d)
        loaded->setDrawDate(d, dateAt(dates, dateRecordOffset(d)));
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

int DecodeArchive(const FileSetBytes& set, Archive& archive) {
    if (const int error = CheckDatesFile(set.dates))
        return error;
    std::optional<Archive> loaded = datesOf(set.dates);
    readWeekdays(set.weekdays, *loaded);
    readCityWheels(set.numbers, *loaded);
    readNationalWheel(set.national, *loaded);
    DeriveSuperNumbers(*loaded);
    archive = std::move(*loaded);
    return 0;
}

int LoadArchive(FileStore& files, Archive& archive) {
    ArchiveSnapshot snapshot;
    if (const int error = ReadArchive(files, snapshot, ReadScope::ForLoading))
        return error;
    if (!snapshot.exists())
        return ErrorNumber::FileNotFound;
    return DecodeArchive(snapshot.files.full, archive);
}

int LoadArchive(const QString& dataPath, Archive& archive) {
    DiskFileStore files(dataPath);
    return LoadArchive(files, archive);
}
