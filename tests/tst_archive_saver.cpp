// SPDX-License-Identifier: GPL-3.0-or-later
// The archive's one write path: what a commit writes, in what order, and what it refuses.
#include "archive/archive_loader.h"
#include "archive/archive_repair.h"
#include "archive/archive_update.h"
#include "archive/backups.h"
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
    void everyStepLeavesBeforeOrAfter_data();
    void everyStepLeavesBeforeOrAfter();
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
    void backupsYouCanCountOn_data();
    void backupsYouCanCountOn();
    void repairRaisesALoweredCount();
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
            QCOMPARE(store.remove(name), Failure());
            QCOMPARE(expected.remove(name), Failure());
        }
    const qsizetype before = store.placedNames().size();
    const ArchiveUpdateResult result = commit(store, draw, SampleDraw());
    QCOMPARE(result.error, Failure());
    QVERIFY(!result.subArchivesRebuilt);
    QCOMPARE(lowered(store.placedNames().mid(before)), lowered(writes));
    QCOMPARE(DifferingFiles(store, expected), QStringList());
}

void TestArchiveSaver::everyStepLeavesBeforeOrAfter_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("append 3476") << 0;
    QTest::newRow("correct the date and numbers of 3475") << 1;
    QTest::newRow("append rewriting sub-archives left behind") << 2;
    QTest::newRow("rebuild") << 3;
    QTest::newRow("repair") << 4;
    QTest::newRow("restore") << 5;
    QTest::newRow("delete the last draw") << 6;
}

// Killed at any change, or with any change failing once, a write leaves the archive as it was or
// as it becomes, byte for byte, once it is opened again; the same write tried again ends right.
void TestArchiveSaver::everyStepLeavesBeforeOrAfter() {
    QFETCH(int, kind);
    const Archive demo = DemoOf(3475);
    MemoryFileStore start = StoreOf(demo);
    EditBuffer moved = SampleDraw();
    moved.EditDate[1] = 16; // a week later, still a Saturday
    if (kind == 2)
        start.setFile(u"_data_m.dtb"_s, StoreOf(DemoOf(3470)).file(u"_data_m.dtb"_s));
    if (kind == 4)
        start.setFile(SmNumbers, start.file(SmNumbers).left(NumbersRecordSize * 3470));
    if (kind == 5) {
        ArchiveUpdate update(start);
        QCOMPARE(update.open(), Failure());
        QCOMPARE(update.write({.corrections = {{3475, moved}}}).error, Failure());
    }
    CheckEveryStep(start, [&demo, &moved, kind](MemoryFileStore& store) {
        if (kind <= 2) {
            SaveArchive(store, demo, kind == 1 ? 3475 : 3476, kind == 1 ? moved : SampleDraw());
            return;
        }
        if (kind == 6) {
            DeleteLastDraw(store, demo);
            return;
        }
        ArchiveUpdate update(store);
        if (update.open())
            return;
        if (kind == 3) {
            update.write({.whole = WithDraw(DemoOf(3470), 3471, SampleDraw())});
        } else if (kind == 4) {
            update.write({.files = PlanRepair(update.snapshot()).files});
        } else {
            const BackupRead backup = ReadBackup(store, u"last"_s);
            if (!backup.error)
                update.write({.files = RestoredFiles(backup.snapshot, update.snapshot())});
        }
    });
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
    QCOMPARE(commit(store, 31, edit).error, FileError::Overflow);
    QCOMPARE(commit(store, 3, edit).error, FileError::Overflow);
    QCOMPARE(store.writeCount(), writes);
}

void TestArchiveSaver::damagedOrFullArchiveIsRefused_data() {
    QTest::addColumn<int>("count"); // of a dates file that holds 3010 records
    QTest::addColumn<Failure>("loadError");
    QTest::addColumn<Failure>("saveError");
    const Failure badCount = FileError::BadRecordNumber;
    QTest::newRow("32767") << 32767 << badCount << badCount;
    QTest::newRow("3011, one more than its records") << 3011 << badCount << badCount;
    QTest::newRow("0") << 0 << badCount << badCount;
    QTest::newRow("-1") << -1 << badCount << badCount;
    QTest::newRow("3009, a record hidden") << 3009 << Failure() << Failure(FileError::ArchiveDamaged);
}

// A dates file whose count is not its records is damaged: nothing is added to it.
void TestArchiveSaver::damagedOrFullArchiveIsRefused() {
    QFETCH(int, count);
    QFETCH(Failure, loadError);
    QFETCH(Failure, saveError);
    MemoryFileStore store = StoreOf(DemoOf(3010));
    QByteArray dates = store.file(SmDates);
    putWord(dates, 0, qint16(count));
    store.setFile(SmDates, dates);
    const int writes = store.writeCount();
    const auto [loaded, error] = LoadArchive(store);
    QCOMPARE(error, loadError);
    QCOMPARE(SaveArchive(store, loaded, loaded.DrawCount() + 1, SampleDraw()).error, saveError);
    QCOMPARE(store.writeCount(), writes);

    // A full archive takes no more draws.
    Archive full(MaxDrawCount);
    for (int d = 1; d <= MaxDrawCount; ++d)
        full.setDrawDate(d, {1, 1, 47});
    full.LastWeeklyDraw = MaxDrawCount;
    MemoryFileStore fullStore = StoreOf(full);
    QCOMPARE(SaveArchive(fullStore, full, MaxDrawCount + 1, SampleDraw()).error, FileError::BadRecordNumber);
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
    QCOMPARE(SaveArchive(store, loaded, 2999, SampleDraw()).error, FileError::ArchiveChanged);
    QCOMPARE(SaveArchive(store, loaded, 3001, SampleDraw()).error, FileError::ArchiveChanged);
    QCOMPARE(store.writeCount(), before.writeCount());
}

void TestArchiveSaver::anotherWriterHoldsTheLock() {
    const Archive demo = DemoOf(100);
    MemoryFileStore store = StoreOf(demo);
    auto held = store.lock(0);
    QCOMPARE(held.error, Failure());
    QCOMPARE(SaveArchive(store, demo, 101, SampleDraw()).error, FileError::ArchiveInUse);
    QCOMPARE(store.writeCount(), StoreOf(demo).writeCount());
    held.value.reset();
    QCOMPARE(SaveArchive(store, demo, 101, SampleDraw()).error, Failure());
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
        QCOMPARE(store.remove(file), Failure());
    const ArchiveUpdateResult result = commit(store, 3001, SampleDraw());
    QCOMPARE(result.error, Failure());
    QVERIFY(result.subArchivesRebuilt);
    QVERIFY(!result.backup.isEmpty());
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
        QCOMPARE(commit(store, d, edit).error, Failure());
    }
    QCOMPARE(Load(store).LastWeeklyDraw, whole.LastWeeklyDraw);
    QCOMPARE(DifferingFiles(store, StoreOf(whole)), QStringList());
}

// A correction copies the files first, an append does not; a read-only file stops a write before
// anything is written.
void TestArchiveSaver::backupsBeforeStoredDrawsChange() {
    const Archive demo = DemoOf(100);
    MemoryFileStore store = StoreOf(demo);
    EditBuffer edit = SampleDraw();
    {
        ArchiveUpdate update(store);
        QCOMPARE(update.open(), Failure());
        update.now = [] { return QDateTime(QDate(2026, 12, 7), QTime(14, 30, 5)); };
        QCOMPARE(update.write({.corrections = {{50, edit}}}).backup, u"backup/20261207-143005"_s);
    }
    QCOMPARE(store.file(u"backup/20261207-143005/"_s + SmNumbers), StoreOf(demo).file(SmNumbers));
    QCOMPARE(store.entries(u"backup/20261207-143005"_s).size(), 9); // the files and the manifest
    QVERIFY(commit(store, 101, edit).backup.isEmpty());
    QCOMPARE(ListBackups(store).size(), std::size_t(1));

    store.setReadOnly(Weekdays);
    const int writes = store.writeCount();
    const ArchiveUpdateResult refused = commit(store, 102, edit);
    QCOMPARE(refused.error, FileError::PermissionDenied);
    QVERIFY(DataFileName::same(refused.file, Weekdays));
    QCOMPARE(store.writeCount(), writes);
}

void TestArchiveSaver::backupsYouCanCountOn_data() {
    QTest::addColumn<int>("setup"); // 0 twelve made in turn, 1 cut short, 2 clock once ahead, 3 user's
                                    // folder, 4 a backup the user copied under a name of their own
    QTest::newRow("the ten newest kept") << 0;
    QTest::newRow("one cut short at each step: removed, never counted") << 1;
    QTest::newRow("a clock once ahead") << 2;
    QTest::newRow("a folder of the user's own") << 3;
    QTest::newRow("a backup copied by the user") << 4;
}

// Backups count only when complete; the ten newest by the order they were made are kept, the
// new one always among them; nothing the program did not make is touched.
void TestArchiveSaver::backupsYouCanCountOn() {
    QFETCH(int, setup);
    MemoryFileStore store = StoreOf(DemoOf(40));
    const ArchiveSnapshot snapshot = ReadArchive(store).value;
    QDateTime clock(QDate(2026, 12, 7), QTime(10, 0));
    QStringList made;
    const auto backup = [&] {
        clock = clock.addSecs(1);
        const auto backupMade =
            MakeBackup(store, snapshot, setup == 2 && made.size() < 5 ? clock.addYears(1) : clock);
        if (!backupMade.error)
            made.prepend(backupMade.value);
        return backupMade.error;
    };
    if (setup == 3)
        store.setFile(u"backup/20200101-000000/note.txt"_s, "mine");
    for (int i = 0; i < 12; ++i) {
        if (setup == 1) {
            const int writes = store.writeCount();
            store.killAt(writes + 1 + i % 9);
            QVERIFY(backup());
            store.stopFailing();
        }
        QCOMPARE(backup(), Failure());
        const QString first = u"backup/"_s + made.last();
        if (setup == 4 && i == 0)
            for (const QString& file : store.entries(first))
                store.setFile(u"backup/mia copia/"_s + file, store.file(first + u'/' + file));
    }
    std::vector<BackupInfo> kept = ListBackups(store);
    QCOMPARE(int(kept.size()), KeptBackups);
    for (int i = 0; i < KeptBackups; ++i) {
        QVERIFY(kept[std::size_t(i)].complete);
        QCOMPARE(kept[std::size_t(i)].name, made.at(i));
        QCOMPARE(kept[std::size_t(i)].draws, 40);
    }
    QCOMPARE(store.contains(u"backup/20200101-000000/note.txt"_s), setup == 3);
    QCOMPARE(store.entries(u"backup/mia copia"_s).size(), setup == 4 ? 9 : 0);
    const BackupRead restored = ReadBackup(store, u"last"_s);
    QCOMPARE(restored.error, Failure());
    QCOMPARE(restored.info.name, made.first());
    QVERIFY(restored.snapshot.files == snapshot.files);
}

// A count lowered by damage hides draws that the repair brings back, an incomplete one among them;
// a junk record after them is not a draw.
void TestArchiveSaver::repairRaisesALoweredCount() {
    Archive demo = DemoOf(3000);
    demo.setDrawNumber(4, 2995, 3, 0);
    MemoryFileStore reference = StoreOf(demo);
    MemoryFileStore store = reference;
    QByteArray dates = store.file(SmDates);
    putWord(dates, 0, 2990);
    store.setFile(SmDates, dates + QByteArray::fromHex("1f0263"));
    const auto [snapshot, error] = ReadArchive(store);
    QCOMPARE(error, Failure());
    const RepairPlan plan = PlanRepair(snapshot);
    QVERIFY(plan.steps.front() ==
            (RepairStep{.kind = RepairStep::CountChanged, .number = 2990, .other = 3000}));
    QVERIFY(plan.files.files.full == ReadArchive(reference).value.files.full);
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
