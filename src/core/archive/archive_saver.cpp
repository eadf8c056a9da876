#include "archive/archive_saver.h"

#include "archive/data_file_layout.h"
#include "archive/edit_buffer.h"
#include "archive/file_store.h"

namespace {

const QString FullSet = QStringLiteral("SM");
// The saver's spelling of the weekdays file; a new file gets this name.
const QString WeekdaysName = QStringLiteral("_giorni.dtb");

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
    if (suffix != FullSet)
        return 0;
    if (const int error = readInto(files, WeekdaysName, set.weekdays))
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

int SaveArchive(FileStore& files, const QString& suffix, int draw, const EditBuffer& edit, int drawCount) {
    const bool fullSet = suffix == FullSet;
    FileSetBytes set;
    if (const int error = ReadFileSet(files, suffix, set))
        return error;
    const FileSetBytes before = set;
    if (const int error = SaveDrawInMemory(set, fullSet, draw, edit, drawCount))
        return error;

    // The dates file goes first with the new record under the old count, and again at the end
    // with the raised count: only then does the set count the new draw.
    const int oldCount = wordAt(before.dates, 0);
    const bool countRaised = wordAt(set.dates, 0) != oldCount;
    QByteArray datesFirst = set.dates;
    putWord(datesFirst, 0, qint16(oldCount));
    const std::pair<QString, const QByteArray*> writes[] = {
        {DataFileName::dates(suffix), &datesFirst},
        {DataFileName::numbers(suffix), &set.numbers},
        {fullSet ? WeekdaysName : QString(), &set.weekdays},
        {set.national != before.national ? DataFileName::National : QString(), &set.national},
        {countRaised ? DataFileName::dates(suffix) : QString(), &set.dates},
    };
    for (const auto& [name, bytes] : writes)
        if (!name.isEmpty())
            if (const int error = files.write(name, *bytes))
                return error;
    return 0;
}
