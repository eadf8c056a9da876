// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_loader.h"
#include "archive/archive_writer.h"
#include "archive/data_file_layout.h"
#include "archive/file_store.h"
#include "archive/sub_archive.h"
#include "calendar/draw_date.h"
#include "demo_archive.h"
#include "support/memory_file_store.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

int findDraw(const Archive& archive, PackedDate date) {
    for (int d = 1; d <= archive.DrawCount(); ++d)
        if (archive.DrawDate(d) == date)
            return d;
    return 0;
}

QDate calendarDate(PackedDate date) {
    return QDate(FullYear(date.yearCode), date.month, date.day);
}

int runTool(const QString& folder, QByteArray* output) {
    QProcess tool;
    tool.start(QStringLiteral(MAKE_DEMO_ARCHIVE), {folder});
    tool.waitForFinished();
    *output = tool.readAllStandardOutput();
    return tool.exitCode();
}

} // namespace

class TestDemoArchive : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void followsTheCalendarOfTheDraws();
    void numbersAreFiveDistinctPerWheel();
    void isTheSameEveryTime();
    void subArchivesSplitTheDraws();
    void toolNeverOverwritesAnArchive();
};

void TestDemoArchive::followsTheCalendarOfTheDraws() {
    const Archive archive = MakeDemoArchive();
    QCOMPARE(FormatDrawDate(archive, 1), u"04-01-47"_s);
    QCOMPARE(FormatDrawDate(archive, archive.LastWeeklyDraw), u"08-03-97"_s);
    QCOMPARE(FormatDrawDate(archive, archive.LastWeeklyDraw + 1), u"12-03-97"_s);
    QCOMPARE(FormatDrawDate(archive, archive.DrawCount()), u"05-12-26"_s);
    QVERIFY(archive.DrawCount() > FirstNationalDraw);

    const int firstThrice = findDraw(archive, {21, 6, 5});
    const int firstFriday = findDraw(archive, {7, 7, 23});
    QVERIFY(firstThrice > FirstNationalDraw);
    QVERIFY(firstFriday > firstThrice);

    QSet<int> weekdays;
    for (int d = 1; d <= archive.DrawCount(); ++d) {
        const QDate day = calendarDate(archive.DrawDate(d));
        QVERIFY(day.isValid());
        QCOMPARE(archive.DrawWeekday(d), day.dayOfWeek());
        if (d > 1)
            QVERIFY(calendarDate(archive.DrawDate(d - 1)) < day);
        const int gapDays = d > 1 ? int(calendarDate(archive.DrawDate(d - 1)).daysTo(day)) : 7;
        if (d <= archive.LastWeeklyDraw)
            QCOMPARE(gapDays, 7);
        else if (d < firstThrice)
            QVERIFY(gapDays == 3 || gapDays == 4);
        weekdays.insert(archive.DrawWeekday(d));
    }
    QCOMPARE(weekdays, (QSet<int>{2, 3, 4, 5, 6}));
}

void TestDemoArchive::numbersAreFiveDistinctPerWheel() {
    const Archive archive = MakeDemoArchive();
    for (int d = 1; d <= archive.DrawCount(); ++d) {
        for (int w = 1; w <= AllWheels; ++w) {
            QSet<int> seen;
            for (int p = 1; p <= NumbersPerWheel; ++p) {
                const int n = archive.DrawNumbers(w, d, p);
                if (w == NationalWheel && d < FirstNationalDraw) {
                    QCOMPARE(n, 0);
                    continue;
                }
                QVERIFY(n >= 1 && n <= 90);
                seen.insert(n);
            }
            QCOMPARE(seen.size(), w == NationalWheel && d < FirstNationalDraw ? 0 : 5);
        }
    }
}

void TestDemoArchive::isTheSameEveryTime() {
    const Archive first = MakeDemoArchive();
    QVERIFY(first == MakeDemoArchive());
    // A shorter archive is the start of the longer one.
    const Archive shorter = MakeDemoArchive(QDate(1990, 1, 1));
    for (int d = 1; d <= shorter.DrawCount(); ++d)
        QCOMPARE(shorter.drawWheels(d), first.drawWheels(d));
}

// Record i of "S" and "M" is the draw that the sub-archive rule places there.
void TestDemoArchive::subArchivesSplitTheDraws() {
    const Archive archive = MakeDemoArchive();
    MemoryFileStore store;
    QCOMPARE(WriteWholeArchive(store, archive), Failure());
    const QByteArray sDates = store.file(u"_data_s.dtb"_s), mDates = store.file(u"_data_m.dtb"_s);
    const QByteArray sNumbers = store.file(u"_est_s.dtb"_s), mNumbers = store.file(u"_est_m.dtb"_s);
    QCOMPARE(wordAt(sDates, 0) + wordAt(mDates, 0), archive.DrawCount());
    QCOMPARE(sNumbers.size(), 50 * wordAt(sDates, 0));
    QCOMPARE(mNumbers.size(), 50 * wordAt(mDates, 0));
    for (int d = 1; d <= archive.DrawCount(); ++d) {
        const SubArchivePlace place = SubArchiveOf(d, archive.LastWeeklyDraw);
        const bool m = place.suffix == u"M"_s;
        QCOMPARE(dateAt(m ? mDates : sDates, dateRecordOffset(place.index)), archive.DrawDate(d));
        QCOMPARE((m ? mNumbers : sNumbers).mid(numbersRecordOffset(place.index), 50),
                 numbersRecord(archive.drawWheels(d)));
    }
}

void TestDemoArchive::toolNeverOverwritesAnArchive() {
    QTemporaryDir dir;
    QByteArray output;
    QCOMPARE(runTool(dir.path(), &output), 0);
    const auto [loaded, error] = LoadArchive(dir.path() + u'/');
    QCOMPARE(error, Failure());
    QVERIFY(loaded == MakeDemoArchive());

    // Any ".dtb" file, in any case, stops it.
    QTemporaryDir other;
    QFile mine(other.filePath(u"_EST_SM.DTB"_s));
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.write("mine");
    mine.close();
    QCOMPARE(runTool(other.path(), &output), 0);
    QVERIFY(output.contains("left as it is"));
    QCOMPARE(QDir(other.path()).entryList(QDir::Files), QStringList{u"_EST_SM.DTB"_s});
    QVERIFY(mine.open(QIODevice::ReadOnly));
    QCOMPARE(mine.readAll(), QByteArray("mine"));
}

QTEST_GUILESS_MAIN(TestDemoArchive)
#include "tst_demo_archive.moc"
