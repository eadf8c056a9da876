#include "archive/archive_loader.h"

#include "archive/archive.h"
#include "archive/data_file_layout.h"
#include "archive/file_store.h"
#include "archive/super_enalotto.h"

#include <optional>

namespace {

// Reads the first `size` bytes of an optional file; what a missing or short file lacks reads as zeros.
int readPadded(FileStore& files, const QString& name, qint64 size, QByteArray& bytes) {
    FileRead read = files.read(name, size);
    bytes = std::move(read.bytes);
    if (bytes.size() < size)
        bytes.append(QByteArray(size - bytes.size(), '\0'));
    return read.error;
}

int readDates(FileStore& files, std::optional<Archive>& loaded) {
    FileRead read = files.read(DataFileName::SmDates, dateRecordOffset(MaxDrawCount + 1));
    if (read.error)
        return read.error;
    if (!read.exists)
        return ErrorNumber::FileNotFound;
    const int count = wordAt(read.bytes, 0);
    if (count < 1 || count > MaxDrawCount)
        return ErrorNumber::BadRecordNumber;
    loaded.emplace(count);
    loaded->LastWeeklyDraw = wordAt(read.bytes, 2);
    for (int d = 1; d <= count; ++d)
        loaded->setDrawDate(d, dateAt(read.bytes, dateRecordOffset(d)));
    return 0;
}

int readWeekdays(FileStore& files, Archive& archive) {
    const int count = archive.DrawCount();
    QByteArray bytes;
    if (const int error = readPadded(files, DataFileName::Weekdays, count, bytes))
        return error;
    for (int d = 1; d <= count; ++d)
        archive.setDrawWeekday(d, byteAt(bytes, weekdayOffset(d)));
    return 0;
}

int readCityWheels(FileStore& files, Archive& archive) {
    const int count = archive.DrawCount();
    QByteArray bytes;
    if (const int error = readPadded(files, DataFileName::SmNumbers, numbersRecordOffset(count + 1), bytes))
        return error;
    for (int d = 1; d <= count; ++d)
        archive.setCityWheels(d, bytes.constData() + numbersRecordOffset(d));
    return 0;
}

int readNationalWheel(FileStore& files, Archive& archive) {
    const int count = archive.DrawCount();
    const qint64 wanted = count >= FirstNationalDraw ? nationalRecordOffset(count + 1) : 0;
    QByteArray bytes;
    if (const int error = readPadded(files, DataFileName::National, wanted, bytes))
        return error;
    for (int d = FirstNationalDraw; d <= count; ++d)
        archive.setNationalWheel(d, bytes.constData() + nationalRecordOffset(d));
    return 0;
}

} // namespace

int LoadArchive(FileStore& files, Archive& archive) {
    std::optional<Archive> loaded;
    if (const int error = readDates(files, loaded))
        return error;
    for (auto step : {readWeekdays, readCityWheels, readNationalWheel})
        if (const int error = step(files, *loaded))
            return error;
    DeriveSuperNumbers(*loaded);
    archive = std::move(*loaded);
    return 0;
}

int LoadArchive(const QString& dataPath, Archive& archive) {
    DiskFileStore files(dataPath);
    return LoadArchive(files, archive);
}

int ReadDiskDrawCount(FileStore& files, int& count) {
    const FileRead read = files.read(DataFileName::SmDates, 2);
    count = read.bytes.size() >= 2 ? wordAt(read.bytes, 0) : 0;
    return read.error;
}
