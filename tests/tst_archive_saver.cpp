#include "archive/archive_loader.h"
#include "archive/archive_saver.h"
#include "archive/data_file_layout.h"
#include "archive/edit_buffer.h"
#include "archive/sub_archive.h"
#include "demo_archive.h"
#include "support/memory_file_store.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString SmDates = u"_data_sm.dtb"_s;
const QString SmNumbers = u"_est_sm.dtb"_s;
const QString Weekdays = u"_giorni.dtb"_s;
const QString National = u"_rn.dtb"_s;

// The sample draw of the demo tools: 09-10-04, a Wednesday.
EditBuffer sampleEdit() {
    return SampleDraw();
}

Archive demoOf(int draws) {
    return MakeDemoArchive(QDate(2100, 1, 1), draws);
}

MemoryFileStore storeOf(const Archive& archive) {
    MemoryFileStore store;
    WriteArchiveFiles(store, archive);
    return store;
}

Archive load(MemoryFileStore& store) {
    Archive archive;
    const int error = LoadArchive(store, archive);
    if (error != 0)
        qWarning("load failed with %d", error);
    return archive;
}

QStringList lowered(QStringList names) {
    for (QString& name : names)
        name = name.toLower();
    return names;
}

// Every byte outside [from, from + length) is the same in both files.
bool sameOutside(const QByteArray& before, const QByteArray& after, qint64 from, qint64 length) {
    return before.left(from) == after.left(from) && before.mid(from + length) == after.mid(from + length);
}

void verifyDrawIs(const Archive& archive, int d, const EditBuffer& edit, bool weekday = true) {
    QCOMPARE(archive.DrawDate(d), (PackedDate{9, 10, 4}));
    if (weekday)
        QCOMPARE(archive.DrawWeekday(d), edit.CurrentWeekday);
    for (int w = 1; w <= WheelCountOfDraw(d); ++w)
        for (int p = 1; p <= NumbersPerWheel; ++p)
            QCOMPARE(archive.DrawNumbers(w, d, p), edit.EditNumbers[std::size_t(w)][std::size_t(p)]);
}

} // namespace

class TestArchiveSaver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void overwriteRewritesOnlyTheDrawsRecords_data();
    void overwriteRewritesOnlyTheDrawsRecords();
    void appendAroundTheNationalWheel_data();
    void appendAroundTheNationalWheel();
    void appendGoesWhereTheCountSays();
    void subArchiveSavesDatesAndNumbersOnly();
    void failureAtAnyWriteLeavesALoadableArchive_data();
    void failureAtAnyWriteLeavesALoadableArchive();
    void valuesThatDoNotFitWriteNothing_data();
    void valuesThatDoNotFitWriteNothing();
    void fullOrDamagedCountIsRefused_data();
    void fullOrDamagedCountIsRefused();
    void firstDrawOfANewArchive();
    void damagedFilesKeepTheNewDrawReadable();
    void subArchivePlaces_data();
    void subArchivePlaces();
};

void TestArchiveSaver::overwriteRewritesOnlyTheDrawsRecords_data() {
    QTest::addColumn<int>("draw");
    QTest::addColumn<int>("nationalOffset"); // -1: "_rn.dtb" untouched
    QTest::newRow("draw 1") << 1 << -1;
    QTest::newRow("draw 3474") << 3474 << -1;
    QTest::newRow("draw 3475") << 3475 << 0;
    QTest::newRow("draw 3476") << 3476 << 5;
    QTest::newRow("last draw") << 3480 << 25;
}

void TestArchiveSaver::overwriteRewritesOnlyTheDrawsRecords() {
    QFETCH(int, draw);
    QFETCH(int, nationalOffset);
    const Archive demo = demoOf(3480);
    MemoryFileStore store = storeOf(demo);
    const MemoryFileStore before = store;
    const EditBuffer edit = sampleEdit();

    QCOMPARE(SaveArchive(store, u"SM"_s, draw, edit, demo.DrawCount()), 0);

    const qint64 dateAt = 12 + 3 * (draw - 1);
    QCOMPARE(store.file(SmDates).mid(dateAt, 3), QByteArray::fromHex("090a04"));
    QVERIFY(sameOutside(before.file(SmDates), store.file(SmDates), dateAt, 3));
    QCOMPARE(store.file(SmNumbers).mid(50 * (draw - 1), 50), numbersRecord(edit.EditNumbers));
    QVERIFY(sameOutside(before.file(SmNumbers), store.file(SmNumbers), 50 * (draw - 1), 50));
    QCOMPARE(store.file(Weekdays).at(draw - 1), char(3));
    QVERIFY(sameOutside(before.file(Weekdays), store.file(Weekdays), draw - 1, 1));
    if (nationalOffset < 0) {
        QCOMPARE(store.file(National), before.file(National));
    } else {
        QCOMPARE(store.file(National).mid(nationalOffset, 5), nationalRecord(edit.EditNumbers));
        QVERIFY(sameOutside(before.file(National), store.file(National), nationalOffset, 5));
    }
    QCOMPARE(store.file(u"_data_s.dtb"_s), before.file(u"_data_s.dtb"_s));
    verifyDrawIs(load(store), draw, edit);
}

void TestArchiveSaver::appendAroundTheNationalWheel_data() {
    QTest::addColumn<int>("drawCount");
    QTest::addColumn<QStringList>("writes");
    QTest::newRow("draw 3474 has no national record") << 3473 << QStringList{SmNumbers, Weekdays, SmDates};
    QTest::newRow("draw 3475 starts the national file")
        << 3474 << QStringList{SmNumbers, Weekdays, National, SmDates};
    QTest::newRow("draw 3476") << 3475 << QStringList{SmNumbers, Weekdays, National, SmDates};
}

// The records go in first, the dates file with the raised count last, each file once.
void TestArchiveSaver::appendAroundTheNationalWheel() {
    QFETCH(int, drawCount);
    QFETCH(QStringList, writes);
    const Archive demo = demoOf(drawCount);
    MemoryFileStore store = storeOf(demo);
    const MemoryFileStore before = store;
    const int d = drawCount + 1;
    const EditBuffer edit = sampleEdit();
    QCOMPARE(SaveArchive(store, u"SM"_s, d, edit, drawCount), 0);

    QCOMPARE(lowered(store.writtenNames().mid(before.writeCount())), writes);
    QByteArray dates = before.file(SmDates) + QByteArray::fromHex("090a04");
    putWord(dates, 0, qint16(d));
    QCOMPARE(store.file(SmDates), dates);
    QCOMPARE(store.file(SmNumbers), before.file(SmNumbers) + numbersRecord(edit.EditNumbers));
    QCOMPARE(store.file(Weekdays), before.file(Weekdays) + QByteArray(1, char(3)));
    const QByteArray national = d >= FirstNationalDraw ? nationalRecord(edit.EditNumbers) : QByteArray();
    QCOMPARE(store.file(National), before.file(National) + national);

    const Archive loaded = load(store);
    QCOMPARE(loaded.DrawCount(), d);
    verifyDrawIs(loaded, d, edit);
}

void TestArchiveSaver::appendGoesWhereTheCountSays() {
    const Archive demo = demoOf(200);
    MemoryFileStore store = storeOf(demo);
    QByteArray dates = store.file(SmDates).left(12 + 3 * 120);
    putWord(dates, 0, 120);
    store.setFile(SmDates, dates);
    QCOMPARE(SaveArchive(store, u"SM"_s, 201, sampleEdit(), 200), 0);
    QCOMPARE(wordAt(store.file(SmDates), 0), 121);
    QCOMPARE(store.file(SmDates).size(), 12 + 3 * 121);
    QCOMPARE(store.file(SmDates).right(3), QByteArray::fromHex("090a04"));
    QCOMPARE(store.file(SmNumbers).mid(50 * 120, 50), numbersRecord(sampleEdit().EditNumbers));
    verifyDrawIs(load(store), 121, sampleEdit());
}

void TestArchiveSaver::subArchiveSavesDatesAndNumbersOnly() {
    const Archive demo = demoOf(3500);
    MemoryFileStore store = storeOf(demo);
    const MemoryFileStore before = store;
    const EditBuffer edit = sampleEdit();
    const int mCount = wordAt(before.file(u"_data_m.dtb"_s), 0);

    // Appended: the set's own count is raised, whatever DrawCount is.
    QCOMPARE(SaveArchive(store, u"M"_s, 3501, edit, 3500), 0);
    QCOMPARE(wordAt(store.file(u"_data_m.dtb"_s), 0), mCount + 1);
    QCOMPARE(store.file(u"_est_m.dtb"_s), before.file(u"_est_m.dtb"_s) + numbersRecord(edit.EditNumbers));
    QCOMPARE(lowered(store.writtenNames().mid(before.writeCount())),
             (QStringList{u"_est_m.dtb"_s, u"_data_m.dtb"_s}));

    // In place: record 2 of "S".
    QCOMPARE(SaveArchive(store, u"S"_s, 2, edit, 3500), 0);
    QCOMPARE(store.file(u"_data_s.dtb"_s).mid(12 + 3, 3), QByteArray::fromHex("090a04"));
    QCOMPARE(store.file(u"_est_s.dtb"_s).mid(50, 50), numbersRecord(edit.EditNumbers));
    for (const QString& name : {SmDates, SmNumbers, Weekdays, National})
        QCOMPARE(store.file(name), before.file(name));
}

void TestArchiveSaver::failureAtAnyWriteLeavesALoadableArchive_data() {
    QTest::addColumn<int>("failingWrite");
    QTest::addColumn<int>("drawCount");
    for (int write = 1; write <= 4; ++write)
        QTest::addRow("append 3476, write %d fails", write) << write << 3475;
    for (int write = 1; write <= 4; ++write)
        QTest::addRow("overwrite 3475, write %d fails", write) << write << 3476;
}

void TestArchiveSaver::failureAtAnyWriteLeavesALoadableArchive() {
    QFETCH(int, failingWrite);
    QFETCH(int, drawCount);
    const Archive demo = demoOf(drawCount);
    MemoryFileStore store = storeOf(demo);
    store.failWrite(store.writeCount() + failingWrite, 61);
    const int draw = drawCount == 3475 ? 3476 : 3475;

    QCOMPARE(SaveArchive(store, u"SM"_s, draw, sampleEdit(), drawCount), 61);
    QCOMPARE(store.writeCount(), 8 + failingWrite); // nothing is written after the failure

    Archive loaded;
    QCOMPARE(LoadArchive(store, loaded), 0);
    QCOMPARE(loaded.DrawCount(), drawCount);
    for (int d = 1; d < FirstNationalDraw; ++d)
        QCOMPARE(loaded.DrawDate(d), demo.DrawDate(d));
}

void TestArchiveSaver::valuesThatDoNotFitWriteNothing_data() {
    QTest::addColumn<int>("field"); // 1..3 date, 4 weekday, 5 a number
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("year code 100") << 3 << 100 << u"SM"_s;
    QTest::newRow("year code 205") << 3 << 205 << u"S"_s;
    QTest::newRow("year code -1") << 3 << -1 << u"SM"_s;
    QTest::newRow("day 0") << 1 << 0 << u"SM"_s;
    QTest::newRow("day 32") << 1 << 32 << u"M"_s;
    QTest::newRow("month 13") << 2 << 13 << u"SM"_s;
    QTest::newRow("weekday 8") << 4 << 8 << u"SM"_s;
    QTest::newRow("weekday -1") << 4 << -1 << u"SM"_s;
    QTest::newRow("number 91") << 5 << 91 << u"SM"_s;
    QTest::newRow("number 256") << 5 << 256 << u"S"_s;
    QTest::newRow("number -1") << 5 << -1 << u"SM"_s;
}

void TestArchiveSaver::valuesThatDoNotFitWriteNothing() {
    QFETCH(int, field);
    QFETCH(int, value);
    QFETCH(QString, suffix);
    MemoryFileStore store = storeOf(demoOf(30));
    const int writes = store.writeCount();
    EditBuffer edit = sampleEdit();
    if (field <= 3)
        edit.EditDate[std::size_t(field)] = qint16(value);
    else if (field == 4)
        edit.CurrentWeekday = qint16(value);
    else
        edit.EditNumbers[6][4] = qint16(value);
    QCOMPARE(SaveArchive(store, suffix, 31, edit, 30), 6);
    QCOMPARE(SaveArchive(store, suffix, 3, edit, 30), 6);
    QCOMPARE(store.writeCount(), writes);
}

void TestArchiveSaver::fullOrDamagedCountIsRefused_data() {
    QTest::addColumn<int>("count"); // of a dates file that holds 10 records
    QTest::addColumn<int>("error");
    QTest::newRow("32767") << 32767 << 63;
    QTest::newRow("32766, a full archive") << 32766 << 63;
    QTest::newRow("-1") << -1 << 63;
    QTest::newRow("0 would overwrite draw 1") << 0 << 63;
    QTest::newRow("8 would overwrite draw 9") << 8 << 63;
    QTest::newRow("9, one record left by an interrupted save") << 9 << 0;
    QTest::newRow("32765 takes one more") << 32765 << 0;
}

void TestArchiveSaver::fullOrDamagedCountIsRefused() {
    QFETCH(int, count);
    QFETCH(int, error);
    MemoryFileStore store = storeOf(demoOf(10));
    QByteArray dates = store.file(SmDates);
    putWord(dates, 0, qint16(count));
    store.setFile(SmDates, dates);
    const int writes = store.writeCount();
    QCOMPARE(SaveArchive(store, u"SM"_s, 11, sampleEdit(), 10), error);
    if (error != 0)
        QCOMPARE(store.writeCount(), writes);
    else
        QCOMPARE(wordAt(store.file(SmDates), 0), count + 1);
}

// A folder with no archive: the first draw creates every file with a full header.
void TestArchiveSaver::firstDrawOfANewArchive() {
    MemoryFileStore store;
    store.setFile(SmDates, QByteArray::fromHex("0000ff")); // shorter than its header
    const EditBuffer edit = sampleEdit();
    QCOMPARE(SaveArchive(store, u"SM"_s, 1, edit, 0), 0);
    QCOMPARE(store.file(SmDates), QByteArray::fromHex("0100"
                                                      "0000"
                                                      "0000000000000000"
                                                      "090a04"));
    QCOMPARE(store.file(SmNumbers), numbersRecord(edit.EditNumbers));
    QCOMPARE(store.file(Weekdays), QByteArray(1, char(3)));
    QVERIFY(!store.contains(National));

    store.remove(SmDates);
    store.remove(SmNumbers);
    QCOMPARE(SaveArchive(store, u"SM"_s, 1, edit, 0), 0);
    const Archive loaded = load(store);
    QCOMPARE(loaded.DrawCount(), 1);
    verifyDrawIs(loaded, 1, edit);
}

// Extra bytes left behind by an earlier failed save are overwritten, not appended after.
void TestArchiveSaver::damagedFilesKeepTheNewDrawReadable() {
    const Archive demo = demoOf(3480);
    MemoryFileStore store = storeOf(demo);
    // At most one date record beyond the count; the other files may hold anything after theirs.
    store.setFile(SmDates, store.file(SmDates) + QByteArray(3, '\x55'));
    for (const QString& name : {SmNumbers, Weekdays, National})
        store.setFile(name, store.file(name) + QByteArray(13, '\x55'));
    const EditBuffer edit = sampleEdit();
    QCOMPARE(SaveArchive(store, u"SM"_s, 3481, edit, 3480), 0);
    const Archive loaded = load(store);
    QCOMPARE(loaded.DrawCount(), 3481);
    verifyDrawIs(loaded, 3481, edit);
    QCOMPARE(loaded.DrawDate(3480), demo.DrawDate(3480));
}

void TestArchiveSaver::subArchivePlaces_data() {
    QTest::addColumn<int>("draw");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<int>("index");
    QTest::newRow("weekly 1") << 1 << u"S"_s << 1;
    QTest::newRow("weekly 100") << 100 << u"S"_s << 100;
    QTest::newRow("101") << 101 << u"M"_s << 1;
    QTest::newRow("102") << 102 << u"S"_s << 101;
    QTest::newRow("103") << 103 << u"M"_s << 2;
    QTest::newRow("104") << 104 << u"S"_s << 102;
}

void TestArchiveSaver::subArchivePlaces() {
    QFETCH(int, draw);
    QFETCH(QString, suffix);
    QFETCH(int, index);
    const SubArchivePlace place = SubArchiveOf(draw, 100);
    QCOMPARE(place.suffix, suffix);
    QCOMPARE(place.index, index);
    QCOMPARE(SubArchiveParity(draw, 100), suffix == u"M"_s ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestArchiveSaver)
#include "tst_archive_saver.moc"
