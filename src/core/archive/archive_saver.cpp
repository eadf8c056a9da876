#include "archive/archive_saver.h"

#include "archive/data_file_layout.h"
#include "archive/edit_buffer.h"
#include "archive/file_store.h"

namespace {

bool inRange(int value, int low, int high) {
    return value >= low && value <= high;
}

bool fitsItsBytes(const EditBuffer& edit, int wheels, bool fullSet) {
    if (!inRange(edit.EditDate[1], 1, 31) || !inRange(edit.EditDate[2], 1, 12) ||
        !inRange(edit.EditDate[3], 0, 99))
        return false;
    if (fullSet && !inRange(edit.CurrentWeekday, 0, 7))
        return false;
    for (int w = 1; w <= wheels; ++w)
        for (int p = 1; p <= NumbersPerWheel; ++p)
            if (!inRange(edit.EditNumbers[std::size_t(w)][std::size_t(p)], 0, 90))
                return false;
    return true;
}

// An appended record goes after the set's `count` records. A count the loader would refuse once
// raised is damaged, and so is one lower than the records the file holds: appending there would
// overwrite stored draws. One record beyond the count is what an interrupted append leaves behind,
// and is written over.
bool countTakesOneMore(int count, qint64 records) {
    return count >= 0 && count < MaxDrawCount && records <= count + 1;
}

PackedDate packedDate(const EditBuffer& edit) {
    return {quint8(edit.EditDate[1]), quint8(edit.EditDate[2]), quint8(edit.EditDate[3])};
}

int readInto(FileStore& files, const QString& name, QByteArray& bytes) {
    FileRead file = files.read(name);
    bytes = std::move(file.bytes);
    return file.error;
}

} // namespace

int ReadFileSet(FileStore& files, const QString& suffix, FileSetBytes& set) {
    if (const int error = readInto(files, DataFileName::dates(suffix), set.dates))
        return error;
    if (const int error = readInto(files, DataFileName::numbers(suffix), set.numbers))
        return error;
    if (suffix != FileSet::Full)
        return 0;
    if (const int error = readInto(files, DataFileName::Weekdays, set.weekdays))
        return error;
    return readInto(files, DataFileName::National, set.national);
}

int SaveDrawInMemory(FileSetBytes& set, bool fullSet, int draw, const EditBuffer& edit, int drawCount) {
    if (draw < 1)
        return ErrorNumber::BadRecordNumber;
    const bool append = draw > drawCount;
    const int count = wordAt(set.dates, 0);
    if (append && !countTakesOneMore(count, dateRecordsIn(set.dates)))
        return ErrorNumber::BadRecordNumber;
    const int record = append ? count + 1 : draw;
    const bool national = fullSet && record >= FirstNationalDraw;
    if (!fitsItsBytes(edit, national ? AllWheels : CityWheels, fullSet))
        return ErrorNumber::Overflow;

    if (set.dates.size() < DatesHeaderSize) {
        QByteArray header(DatesHeaderSize, '\0');
        putWord(header, 0, qint16(count));
        set.dates = header;
    }
    putBytes(set.dates, dateRecordOffset(record), dateRecord(packedDate(edit)));
    putBytes(set.numbers, numbersRecordOffset(record), numbersRecord(edit.EditNumbers));
    if (fullSet)
        putBytes(set.weekdays, weekdayOffset(record), QByteArray(1, char(edit.CurrentWeekday)));
    if (national)
        putBytes(set.national, nationalRecordOffset(record), nationalRecord(edit.EditNumbers));
    if (append)
        putWord(set.dates, 0, qint16(count + 1));
    return 0;
}

int WriteFileSet(FileStore& files, const QString& suffix, const FileSetBytes& before,
                 const FileSetBytes& after) {
    const std::pair<QString, QByteArray FileSetBytes::*> order[] = {
        {DataFileName::numbers(suffix), &FileSetBytes::numbers},
        {DataFileName::Weekdays, &FileSetBytes::weekdays},
        {DataFileName::National, &FileSetBytes::national},
        {DataFileName::dates(suffix), &FileSetBytes::dates},
    };
    for (const auto& [name, member] : order)
        if (after.*member != before.*member)
            if (const int error = files.write(name, after.*member))
                return error;
    return 0;
}

int SaveArchive(FileStore& files, const QString& suffix, int draw, const EditBuffer& edit, int drawCount) {
    FileSetBytes set;
    if (const int error = ReadFileSet(files, suffix, set))
        return error;
    const FileSetBytes before = set;
    if (const int error = SaveDrawInMemory(set, suffix == FileSet::Full, draw, edit, drawCount))
        return error;
    return WriteFileSet(files, suffix, before, set);
}
