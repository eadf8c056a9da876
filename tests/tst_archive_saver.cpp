// SPDX-License-Identifier: GPL-3.0-or-later
// The archive's one write path: what a commit writes, in what order, and what it refuses.
#include "archive/archive_loader.h"
#include "archive/archive_update.h"
#include "archive/data_file_layout.h"
#include "archive/edit_buffer.h"
#include "archive/file_store.h"
#include "archive/sub_archive.h"
#include "demo_archive.h"
#include "support/archive_builders.h"
#include "support/memory_file_store.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString SmDates = u"_data_sm.dtb"_s;
const QString SmNumbers = u"_est_sm.dtb"_s;
const QString Weekdays = u"_giorni.dtb"_s;
const QString National = u"_rn.dtb"_s;

QStringList lowered(QStringList names) {
    for (QString& name : names)
        name = name.toLower();
    return names;
}

// The commit of the window, with the archive as it loads from `store`.
ArchiveUpdateResult commit(MemoryFileStore& store, int draw, const EditBuffer& edit) {
    return SaveArchive(store, Load(store), draw, edit);
}

} // namespace

class TestArchiveSaver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commitWritesTheArchiveWithTheDraw_data();
    void commitWritesTheArchiveWithTheDraw();
    void failureAtAnyWriteThenARetry_data();
    void failureAtAnyWriteThenARetry();
    void valuesThatDoNotFitWriteNothing_data();
    void valuesThatDoNotFitWriteNothing();
    void damagedOrFullArchiveIsRefused_data();
    void damagedOrFullArchiveIsRefused();
    void changedSinceLoadedWritesNothing_data();
    void changedSinceLoadedWritesNothing();
    void anotherWriterHoldsTheLock();
    void subArchivesFollowTheFullArchive_data();
    void subArchivesFollowTheFullArchive();
    void weeklyPeriodGrowsWithItsDraws();
    void backupsBeforeStoredDrawsChange();
    void subArchivePlaces_data();
    void subArchivePlaces();
};

void TestArchiveSaver::commitWritesTheArchiveWithTheDraw_data() {
    QTest::addColumn<int>("draws"); // negative: an archive of that many draws without "S" and "M"
    QTest::addColumn<int>("draw");
    QTest::addColumn<QStringList>("writes"); // in order, each changed file once
    const QStringList toS = {u"_est_s.dtb"_s, u"_data_s.dtb"_s}, toM = {u"_est_m.dtb"_s, u"_data_m.dtb"_s};
    // Draws 1 and 3475 fall on a Saturday like the sample: their weekday byte stays as it is.
    QTest::newRow("correct draw 1") << 3480 << 1 << QStringList{SmNumbers, SmDates} + toS;
    QTest::newRow("correct draw 3475") << 3480 << 3475 << QStringList{SmNumbers, National, SmDates} + toS;
    QTest::newRow("append 3474, no national record")
        << 3473 << 3474 << QStringList{SmNumbers, Weekdays, SmDates} + toM;
    QTest::newRow("append 3475 starts the national file")
        << 3474 << 3475 << QStringList{SmNumbers, Weekdays, National, SmDates} + toS;
    QTest::newRow("append 3476") << 3475 << 3476 << QStringList{SmNumbers, Weekdays, National, SmDates} + toM;
    QTest::newRow("append to an archive without sub-archives")
        << -100 << 101 << QStringList{SmNumbers, Weekdays, SmDates};
}

// The files afterwards are exactly those of the archive with the draw, sub-archives included; the
// records go first, the full archive's dates file with its count after them, the sub-archive last.
void TestArchiveSaver::commitWritesTheArchiveWithTheDraw() {
    QFETCH(int, draws);
    QFETCH(int, draw);
    QFETCH(QStringList, writes);
    const Archive demo = DemoOf(std::abs(draws));
    MemoryFileStore store = StoreOf(demo), expected = StoreOf(WithDraw(demo, draw, SampleDraw()));
    if (draws < 0)
        for (const QString& name : DataFileName::all().mid(4)) {
            store.remove(name);
            expected.remove(name);
        }
    const int before = store.writeCount();
    const ArchiveUpdateResult result = commit(store, draw, SampleDraw());
    QCOMPARE(result.error, 0);
    QVERIFY(!result.subArchivesRebuilt);
    QCOMPARE(lowered(store.writtenNames().mid(before)), lowered(writes));
    QCOMPARE(DifferingFiles(store, expected), QStringList());
}

void TestArchiveSaver::failureAtAnyWriteThenARetry_data() {
    QTest::addColumn<int>("failing");
    QTest::addColumn<int>("draws");
    QTest::addColumn<int>("draw");
    for (int write = 1; write <= 6; ++write)
        QTest::addRow("append 3476, write %d fails", write) << write << 3475 << 3476;
    for (int write = 1; write <= 5; ++write) // the weekday stays: one file fewer
        QTest::addRow("correct 3475, write %d fails", write) << write << 3476 << 3475;
}

// Nothing runs after the failing write, as after a kill. The archive still loads, and the same
// commit tried again on it ends with the bytes of the archive with the draw.
void TestArchiveSaver::failureAtAnyWriteThenARetry() {
    QFETCH(int, failing);
    QFETCH(int, draws);
    QFETCH(int, draw);
    const Archive demo = DemoOf(draws);
    MemoryFileStore store = StoreOf(demo);
    store.failWrite(store.writeCount() + failing, 61);
    QCOMPARE(commit(store, draw, SampleDraw()).error, 61);
    QCOMPARE(store.writeCount(), StoreOf(demo).writeCount() + failing);

    const Archive loaded = Load(store);
    QVERIFY(loaded.DrawCount() == draws || loaded.DrawCount() == draw);
    for (int d = 1; d < draw; ++d)
        QVERIFY(loaded.DrawDate(d) == demo.DrawDate(d));
    QCOMPARE(SaveArchive(store, loaded, draw, SampleDraw()).error, 0);
    QCOMPARE(DifferingFiles(store, StoreOf(WithDraw(demo, draw, SampleDraw()))), QStringList());
}

void TestArchiveSaver::valuesThatDoNotFitWriteNothing_data() {
    QTest::addColumn<int>("field"); // 1..3 date, 4 weekday, 5 a number
    QTest::addColumn<int>("value");
    QTest::newRow("year code 100") << 3 << 100;
    QTest::newRow("year code -1") << 3 << -1;
    QTest::newRow("day 0") << 1 << 0;
    QTest::newRow("day 32") << 1 << 32;
    QTest::newRow("month 13") << 2 << 13;
    QTest::newRow("weekday 8") << 4 << 8;
    QTest::newRow("weekday -1") << 4 << -1;
    QTest::newRow("number 91") << 5 << 91;
    QTest::newRow("number 256") << 5 << 256;
    QTest::newRow("number -1") << 5 << -1;
}

void TestArchiveSaver::valuesThatDoNotFitWriteNothing() {
    QFETCH(int, field);
    QFETCH(int, value);
    MemoryFileStore store = StoreOf(DemoOf(30));
    const int writes = store.writeCount();
    EditBuffer edit = SampleDraw();
    if (field <= 3)
        edit.EditDate[std::size_t(field)] = qint16(value);
    else if (field == 4)
        edit.CurrentWeekday = qint16(value);
    else
        edit.EditNumbers[6][4] = qint16(value);
    QCOMPARE(commit(store, 31, edit).error, 6);
    QCOMPARE(commit(store, 3, edit).error, 6);
    QCOMPARE(store.writeCount(), writes);
}

void TestArchiveSaver::damagedOrFullArchiveIsRefused_data() {
    QTest::addColumn<int>("count"); // of a dates file that holds 3010 records
    QTest::addColumn<int>("error");
    QTest::newRow("32767") << 32767 << 63;
    QTest::newRow("3011, one more than its records") << 3011 << 63;
    QTest::newRow("0") << 0 << 63;
    QTest::newRow("-1") << -1 << 63;
    QTest::newRow("3009, a record left behind") << 3009 << 0;
}

// A dates file that counts records it does not hold is damaged: nothing is appended to it.
void TestArchiveSaver::damagedOrFullArchiveIsRefused() {
    QFETCH(int, count);
    QFETCH(int, error);
    MemoryFileStore store = StoreOf(DemoOf(3010));
    QByteArray dates = store.file(SmDates);
    putWord(dates, 0, qint16(count));
    store.setFile(SmDates, dates);
    const int writes = store.writeCount();
    Archive loaded;
    QCOMPARE(LoadArchive(store, loaded), error);
    QCOMPARE(SaveArchive(store, loaded, loaded.DrawCount() + 1, SampleDraw()).error, error);
    if (error != 0)
        QCOMPARE(store.writeCount(), writes);
    else
        QCOMPARE(DifferingFiles(store, StoreOf(WithDraw(DemoOf(3009), 3010, SampleDraw()))), QStringList());

    // A full archive takes no more draws.
    Archive full(MaxDrawCount);
    MemoryFileStore fullStore = StoreOf(full);
    QCOMPARE(SaveArchive(fullStore, full, MaxDrawCount + 1, SampleDraw()).error, 63);
}

void TestArchiveSaver::changedSinceLoadedWritesNothing_data() {
    QTest::addColumn<int>("change"); // 0 a draw added, 1 a number corrected, 2 LastWeeklyDraw, 3 removed
    QTest::newRow("a draw added by another copy") << 0;
    QTest::newRow("a draw corrected by another copy") << 1;
    QTest::newRow("another LastWeeklyDraw") << 2;
    QTest::newRow("the archive removed") << 3;
}

// Another copy of the program saved since this one loaded: its work is never undone.
void TestArchiveSaver::changedSinceLoadedWritesNothing() {
    QFETCH(int, change);
    const Archive loaded = DemoOf(3000);
    Archive other = change == 0 ? DemoOf(3001) : loaded;
    if (change == 1)
        other.setDrawNumber(4, 2999, 2, qint16(other.DrawNumbers(4, 2999, 2) % 90 + 1));
    if (change == 2)
        other.LastWeeklyDraw = 2617;
    MemoryFileStore store = change == 3 ? MemoryFileStore() : StoreOf(other);
    const MemoryFileStore before = store;
    QCOMPARE(SaveArchive(store, loaded, 2999, SampleDraw()).error, ErrorNumber::ArchiveChanged);
    QCOMPARE(SaveArchive(store, loaded, 3001, SampleDraw()).error, ErrorNumber::ArchiveChanged);
    QCOMPARE(store.writeCount(), before.writeCount());
}

void TestArchiveSaver::anotherWriterHoldsTheLock() {
    const Archive demo = DemoOf(100);
    MemoryFileStore store = StoreOf(demo);
    std::unique_ptr<StoreLock> held;
    QCOMPARE(store.lock(held, 0), 0);
    QCOMPARE(SaveArchive(store, demo, 101, SampleDraw()).error, ErrorNumber::ArchiveInUse);
    QCOMPARE(store.writeCount(), StoreOf(demo).writeCount());
    held.reset();
    QCOMPARE(SaveArchive(store, demo, 101, SampleDraw()).error, 0);
    QVERIFY(!store.locked());
}

void TestArchiveSaver::subArchivesFollowTheFullArchive_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("damage"); // 0 left five draws behind, 1 count raised, 2 removed
    QTest::newRow("S left behind") << u"_data_s.dtb"_s << 0;
    QTest::newRow("M left behind") << u"_data_m.dtb"_s << 0;
    QTest::newRow("M count damaged") << u"_data_m.dtb"_s << 1;
    QTest::newRow("S numbers missing") << u"_est_s.dtb"_s << 2;
}

// Whatever the sub-archives hold, a commit leaves them as the full archive implies, and says so.
void TestArchiveSaver::subArchivesFollowTheFullArchive() {
    QFETCH(QString, file);
    QFETCH(int, damage);
    const Archive demo = DemoOf(3000);
    MemoryFileStore store = StoreOf(demo);
    if (damage == 0)
        store.setFile(file, StoreOf(DemoOf(2990)).file(file));
    if (damage == 1) {
        QByteArray dates = store.file(file);
        putWord(dates, 0, qint16(wordAt(dates, 0) + 3));
        store.setFile(file, dates);
    }
    if (damage == 2)
        store.remove(file);
    const ArchiveUpdateResult result = commit(store, 3001, SampleDraw());
    QCOMPARE(result.error, 0);
    QVERIFY(result.subArchivesRebuilt);
    QCOMPARE(DifferingFiles(store, StoreOf(WithDraw(demo, 3001, SampleDraw()))), QStringList());
}

// An archive of once-a-week draws extended by later once-a-week draws ends as one written at once.
void TestArchiveSaver::weeklyPeriodGrowsWithItsDraws() {
    const Archive whole = DemoOf(2625);
    MemoryFileStore store = StoreOf(DemoOf(2600));
    for (int d = 2601; d <= 2625; ++d) {
        EditBuffer edit;
        const PackedDate date = whole.DrawDate(d);
        edit.EditDate = {0, date.day, date.month, date.yearCode};
        edit.CurrentWeekday = whole.DrawWeekday(d);
        edit.EditNumbers = whole.drawWheels(d);
        QCOMPARE(commit(store, d, edit).error, 0);
    }
    QCOMPARE(Load(store).LastWeeklyDraw, whole.LastWeeklyDraw);
    QCOMPARE(DifferingFiles(store, StoreOf(whole)), QStringList());
}

// A correction copies the files first, an append does not.
void TestArchiveSaver::backupsBeforeStoredDrawsChange() {
    const Archive demo = DemoOf(100);
    MemoryFileStore store = StoreOf(demo);
    EditBuffer edit = SampleDraw();
    {
        ArchiveUpdate update(store);
        QCOMPARE(update.open(), 0);
        update.now = [] { return QDateTime(QDate(2026, 12, 7), QTime(14, 30, 5)); };
        QCOMPARE(update.write({.corrections = {{50, edit}}}).backup, u"backup/20261207-143005"_s);
    }
    QCOMPARE(store.backups.value(u"20261207-143005"_s).value(SmNumbers), StoreOf(demo).file(SmNumbers));
    QCOMPARE(store.backups.value(u"20261207-143005"_s).size(), 8);

    QVERIFY(commit(store, 101, edit).backup.isEmpty());
    QCOMPARE(store.backups.size(), 1);
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
