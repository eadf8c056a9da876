// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_loader.h"
#include "archive/data_file_layout.h"
#include "archive/super_enalotto.h"
#include "demo_archive.h"
#include "support/archive_builders.h"
#include "support/memory_file_store.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A dates file of `count` records (the word as given), all dated 5-3-05.
QByteArray datesFile(qint16 count, int records, qint16 lastWeekly = 0) {
    QByteArray file(DatesHeaderSize, '\0');
    putWord(file, 0, count);
    putWord(file, 2, lastWeekly);
    for (int i = 0; i < records; ++i)
        file.append(dateRecord({5, 3, 5}));
    return file;
}

// A numbers file whose record d holds the byte (d + w + p) % 90 + 1 for wheel w, position p.
QByteArray numbersFile(int records) {
    QByteArray file;
    for (int d = 1; d <= records; ++d)
        for (int w = 1; w <= CityWheels; ++w)
            for (int p = 1; p <= NumbersPerWheel; ++p)
                file.append(char((d + w + p) % 90 + 1));
    return file;
}

QByteArray nationalFile(int records) {
    QByteArray file;
    for (int r = 0; r < records; ++r)
        for (int p = 1; p <= NumbersPerWheel; ++p)
            file.append(char(r % 80 + p));
    return file;
}

} // namespace

class TestArchiveLoader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsTheDocumentedLayout();
    void badRecordCount_data();
    void badRecordCount();
    void missingFiles();
    void readErrorsFailTheLoad();
    void nationalWheelAroundItsFirstDraw_data();
    void nationalWheelAroundItsFirstDraw();
    void extraBytesAreIgnored();
    void roundTripOfAWholeArchive();
    void superLine_data();
    void superLine();
    void randomFilesNeverCrash();
};

void TestArchiveLoader::readsTheDocumentedLayout() {
    MemoryFileStore store;
    store.setFile(u"_data_sm.dtb"_s, QByteArray::fromHex("02006400"
                                                         "0102030405060708"
                                                         "050305"
                                                         "080305"));
    store.setFile(u"_est_sm.dtb"_s, numbersFile(2));
    store.setFile(u"_giorni.dtb"_s, QByteArray::fromHex("0306"));
    const auto [archive, error] = LoadArchive(store);
    QCOMPARE(error, Failure());
    QCOMPARE(archive.DrawCount(), 2);
    QCOMPARE(archive.LastWeeklyDraw, 100);
    QCOMPARE(archive.DrawDate(1), (PackedDate{5, 3, 5}));
    QCOMPARE(archive.DrawDate(2), (PackedDate{8, 3, 5}));
    QCOMPARE(archive.DrawWeekday(1), 3);
    QCOMPARE(archive.DrawWeekday(2), 6);
    QCOMPARE(archive.DrawWeekday(3), 0); // the slot of the draw being added
    // Byte 5 * (w - 1) + (p - 1) of record d.
    QCOMPARE(archive.DrawNumbers(1, 1, 1), (1 + 1 + 1) % 90 + 1);
    QCOMPARE(archive.DrawNumbers(10, 2, 5), (2 + 10 + 5) % 90 + 1);
    QCOMPARE(archive.DrawNumbers(4, 2, 3), (2 + 4 + 3) % 90 + 1);
    QCOMPARE(archive.DrawNumbers(11, 2, 1), 0);
    QCOMPARE(archive.SuperNumbers(1, 1), archive.DrawNumbers(1, 1, 1));
}

void TestArchiveLoader::badRecordCount_data() {
    QTest::addColumn<QByteArray>("dates");
    QTest::newRow("count 0") << datesFile(0, 3);
    QTest::newRow("count -1") << datesFile(-1, 3);
    QTest::newRow("count 32767") << datesFile(32767, 3);
    QTest::newRow("count -32768") << datesFile(-32768, 3);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("one byte") << QByteArray(1, '\0');
    QTest::newRow("count above its records") << datesFile(10, 3);
    QTest::newRow("count above its records, one cut short") << datesFile(3, 3).chopped(1);
}

// A bad count stops the load before any other file is read.
void TestArchiveLoader::badRecordCount() {
    QFETCH(QByteArray, dates);
    MemoryFileStore store;
    store.setFile(u"_data_sm.dtb"_s, dates);
    store.failRead(u"_est_sm.dtb"_s, FileError::DeviceIo);
    QCOMPARE(LoadArchive(store).error, FileError::BadRecordNumber);
    QCOMPARE(store.writeCount(), 0);
}

void TestArchiveLoader::missingFiles() {
    MemoryFileStore empty;
    QCOMPARE(LoadArchive(empty).error, FileError::FileNotFound);

    // Only the dates file: everything else reads as zeros.
    MemoryFileStore datesOnly;
    datesOnly.setFile(u"_DATA_SM.DTB"_s, datesFile(3480, 3480, 2618));
    const auto [archive, error] = LoadArchive(datesOnly);
    QCOMPARE(error, Failure());
    QCOMPARE(archive.DrawCount(), 3480);
    QCOMPARE(archive.LastWeeklyDraw, 2618);
    QCOMPARE(archive.DrawDate(3480), (PackedDate{5, 3, 5}));
    QCOMPARE(archive.DrawWeekday(3480), 0);
    QCOMPARE(archive.DrawNumbers(11, 3480, 5), 0);
    QCOMPARE(archive.SuperNumbers(3480, 7), 0);
    QCOMPARE(datesOnly.writeCount(), 0);
}

void TestArchiveLoader::readErrorsFailTheLoad() {
    const Archive demo = MakeDemoArchive(QDate(1948, 1, 1));
    for (const QString& name : {u"_data_sm.dtb"_s, u"_GIORNI.DTB"_s, u"_est_sm.dtb"_s, u"_rn.dtb"_s}) {
        MemoryFileStore store = StoreOf(demo);
        store.failRead(name, FileError::PermissionDenied);
        QCOMPARE(LoadArchive(store).error, FileError::PermissionDenied);
    }
}

void TestArchiveLoader::nationalWheelAroundItsFirstDraw_data() {
    QTest::addColumn<int>("count");
    QTest::newRow("3474: no national draws") << 3474;
    QTest::newRow("3475: one") << 3475;
    QTest::newRow("3476: two") << 3476;
}

// Only the records the count asks for are read; the rest of "_rn.dtb" is ignored.
void TestArchiveLoader::nationalWheelAroundItsFirstDraw() {
    QFETCH(int, count);
    MemoryFileStore store;
    store.setFile(u"_data_sm.dtb"_s, datesFile(qint16(count), count));
    store.setFile(u"_est_sm.dtb"_s, numbersFile(count));
    store.setFile(u"_rn.dtb"_s, nationalFile(5));
    const auto [archive, error] = LoadArchive(store);
    QCOMPARE(error, Failure());
    for (int d = 3470; d <= 3478; ++d)
        for (int p = 1; p <= NumbersPerWheel; ++p) {
            const int expected = d >= FirstNationalDraw && d <= count ? (d - FirstNationalDraw) % 80 + p : 0;
            QCOMPARE(archive.DrawNumbers(11, d, p), expected);
        }
}

void TestArchiveLoader::extraBytesAreIgnored() {
    const Archive demo = MakeDemoArchive(QDate(1950, 1, 1));
    MemoryFileStore store = StoreOf(demo);
    for (const QString& name : {u"_data_sm.dtb"_s, u"_est_sm.dtb"_s, u"_GIORNI.DTB"_s})
        store.setFile(name, store.file(name) + QByteArray(77, '\x07'));
    const auto [archive, error] = LoadArchive(store);
    QCOMPARE(error, Failure());
    QVERIFY(archive == demo);
}

void TestArchiveLoader::roundTripOfAWholeArchive() {
    const Archive demo = MakeDemoArchive();
    MemoryFileStore store = StoreOf(demo);
    const auto [archive, error] = LoadArchive(store);
    QCOMPARE(error, Failure());
    QCOMPARE(archive.DrawCount(), demo.DrawCount());
    QVERIFY(archive == demo);
}

void TestArchiveLoader::superLine_data() {
    QTest::addColumn<QList<QList<int>>>("wheels"); // BA, FI, MI, NA, PA, RO, VE
    QTest::addColumn<QList<int>>("line");
    QTest::newRow("no collisions") << QList<QList<int>>{{1, 2, 3, 4, 5},  {6, 7, 8, 9, 10}, {11, 0, 0, 0, 0},
                                                        {12, 0, 0, 0, 0}, {13, 0, 0, 0, 0}, {14, 0, 0, 0, 0},
                                                        {15, 0, 0, 0, 0}}
                                   << QList<int>{1, 6, 11, 12, 13, 14, 15};
    QTest::newRow("collisions") << QList<QList<int>>{{12, 1, 1, 1, 1}, {12, 40, 1, 1, 1}, {40, 12, 7, 1, 1},
                                                     {3, 1, 1, 1, 1},  {8, 1, 1, 1, 1},   {9, 1, 1, 1, 1},
                                                     {3, 8, 9, 50, 1}}
                                << QList<int>{12, 40, 7, 3, 8, 9, 50};
    QTest::newRow("FI takes its second number unchecked")
        << QList<QList<int>>{{0, 1, 1, 1, 1}, {0, 0, 12, 1, 1}, {5, 0, 0, 0, 0}, {6, 0, 0, 0, 0},
                             {7, 0, 0, 0, 0}, {8, 0, 0, 0, 0},  {9, 0, 0, 0, 0}}
        << QList<int>{0, 0, 5, 6, 7, 8, 9};
    QTest::newRow("a wheel entirely taken keeps its fifth number")
        << QList<QList<int>>{{1, 0, 0, 0, 0}, {2, 0, 0, 0, 0}, {3, 0, 0, 0, 0}, {4, 0, 0, 0, 0},
                             {5, 0, 0, 0, 0}, {6, 0, 0, 0, 0}, {1, 2, 3, 4, 5}}
        << QList<int>{1, 2, 3, 4, 5, 6, 5};
    QTest::newRow("a later collision restarts the comparisons")
        << QList<QList<int>>{{10, 0, 0, 0, 0}, {20, 0, 0, 0, 0}, {20, 10, 30, 0, 0}, {4, 0, 0, 0, 0},
                             {5, 0, 0, 0, 0},  {6, 0, 0, 0, 0},  {7, 0, 0, 0, 0}}
        << QList<int>{10, 20, 30, 4, 5, 6, 7};
}

void TestArchiveLoader::superLine() {
    QFETCH(QList<QList<int>>, wheels);
    QFETCH(QList<int>, line);
    const int wheelIndex[] = {1, 3, 5, 6, 7, 8, 10};
    Archive archive(1);
    for (int i = 0; i < 7; ++i) {
        const QList<int>& numbers = wheels.at(i);
        SetWheel(archive, 1, wheelIndex[i], {numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]});
    }
    const SuperLine derived = DeriveSuperLine(archive, 1);
    for (int k = 1; k <= SuperLineLength; ++k)
        QCOMPARE(derived[std::size_t(k)], line.at(k - 1));
}

// Damaged files of every kind give a failure or zeros, never a crash or a write.
void TestArchiveLoader::randomFilesNeverCrash() {
    QRandomGenerator random(20261207);
    auto noise = [&](int size) {
        QByteArray bytes(size, '\0');
        for (char& c : bytes)
            c = char(random.bounded(256));
        return bytes;
    };
    for (int round = 0; round < 300; ++round) {
        MemoryFileStore store;
        QByteArray dates = noise(random.bounded(0, 200));
        if (round % 3 == 0 && dates.size() >= 2)
            putWord(dates, 0, qint16(random.bounded(1, 4000)));
        store.setFile(u"_data_sm.dtb"_s, dates);
        store.setFile(u"_est_sm.dtb"_s, noise(random.bounded(0, 3000)));
        store.setFile(u"_giorni.dtb"_s, noise(random.bounded(0, 100)));
        store.setFile(u"_rn.dtb"_s, noise(random.bounded(0, 100)));
        const auto [archive, error] = LoadArchive(store);
        const int count = wordAt(dates, 0);
        if (count >= 1 && count <= MaxDrawCount && dateRecordsIn(dates) >= count) {
            QCOMPARE(error, Failure());
            QCOMPARE(archive.DrawCount(), count);
        } else {
            QCOMPARE(error, FileError::BadRecordNumber);
            QCOMPARE(archive.DrawCount(), 0);
        }
        QCOMPARE(store.writeCount(), 0);
    }
}

QTEST_GUILESS_MAIN(TestArchiveLoader)
#include "tst_archive_loader.moc"
