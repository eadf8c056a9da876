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

// Reads a whole file (a missing one as empty), writes `record` at `offset` and puts it back.
int putRecord(FileStore& files, const QString& name, qint64 offset, const QByteArray& record) {
    FileRead file = files.read(name);
    if (file.error)
        return file.error;
    putBytes(file.bytes, offset, record);
    return files.write(name, file.bytes);
}

} // namespace

int SaveArchive(FileStore& files, const QString& suffix, int draw, const EditBuffer& edit, int drawCount) {
    const bool fullSet = suffix == FullSet;
    const bool append = draw > drawCount;
    const QString datesName = DataFileName::dates(suffix);
    if (draw < 1)
        return ErrorNumber::BadRecordNumber;

    FileRead dates = files.read(datesName);
    if (dates.error)
        return dates.error;
    const int count = wordAt(dates.bytes, 0);
    if (append && !countTakesOneMore(count, dateRecordsIn(dates.bytes)))
        return ErrorNumber::BadRecordNumber;
    const int record = append ? count + 1 : draw;
    const bool national = fullSet && record >= FirstNationalDraw;
    if (!fitsItsBytes(edit, national ? AllWheels : CityWheels, fullSet))
        return ErrorNumber::Overflow;

    if (dates.bytes.size() < DatesHeaderSize) {
        QByteArray header(DatesHeaderSize, '\0');
        putWord(header, 0, qint16(count));
        dates.bytes = header;
    }
    putBytes(dates.bytes, dateRecordOffset(record), dateRecord(packedDate(edit)));
    if (const int error = files.write(datesName, dates.bytes))
        return error;
    if (const int error = putRecord(files, DataFileName::numbers(suffix), numbersRecordOffset(record),
                                    numbersRecord(edit.EditNumbers)))
        return error;
    if (fullSet) {
        const QByteArray weekday(1, char(edit.CurrentWeekday));
        if (const int error = putRecord(files, WeekdaysName, weekdayOffset(record), weekday))
            return error;
    }
    if (national)
        if (const int error = putRecord(files, DataFileName::National, nationalRecordOffset(record),
                                        nationalRecord(edit.EditNumbers)))
            return error;
    if (!append)
        return 0;
    // The new draw's records are all in place: only now does the set count it.
    putWord(dates.bytes, 0, qint16(count + 1));
    return files.write(datesName, dates.bytes);
}
