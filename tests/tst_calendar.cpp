// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive.h"
#include "calendar/draw_date.h"

#include <QDate>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCalendar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dayFromDate_data();
    void dayFromDate();
    void dayFromDateAgreesWithTheCalendar();
    void formatDrawDate_data();
    void formatDrawDate();
    void yearCodesSpanTheCentury();
    void drawWeekday();
};

void TestCalendar::dayFromDate_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("yearCode");
    QTest::addColumn<int>("weekday");
    QTest::newRow("1 Jan 1996, day 0") << 1 << 1 << 96 << 1;
    QTest::newRow("15 Aug 1996") << 15 << 8 << 96 << 4;
    QTest::newRow("1 Mar 1996, after a leap February") << 1 << 3 << 96 << 5;
    QTest::newRow("1 Jan 1997") << 1 << 1 << 97 << 3;
    QTest::newRow("1 Jan 2000") << 1 << 1 << 0 << 6;
    QTest::newRow("29 Feb 2004") << 29 << 2 << 4 << 7;
    QTest::newRow("7 May 2005") << 7 << 5 << 5 << 6;
    QTest::newRow("31 Dec 2046, last year code") << 31 << 12 << 46 << 1;
    QTest::newRow("1995, a Sunday") << 1 << 1 << 95 << 7;
    QTest::newRow("the archive's first draw, a Saturday") << 4 << 1 << 47 << 6;
    QTest::newRow("28 May 1960, a Saturday") << 28 << 5 << 60 << 6;
    QTest::newRow("31 Feb is no day") << 31 << 2 << 5 << 0;
    QTest::newRow("29 Feb 1900+0 is 2000's, a Tuesday") << 29 << 2 << 0 << 2;
}

void TestCalendar::dayFromDate() {
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, yearCode);
    QFETCH(int, weekday);
    QCOMPARE(Day_From_Date(qint16(day), qint16(month), qint16(yearCode)), weekday);
}

// Every day of the archive's years against the Gregorian calendar, counted on from 4 January 1947.
void TestCalendar::dayFromDateAgreesWithTheCalendar() {
    int weekday = 6;
    for (QDate day(1947, 1, 4); day <= QDate(2046, 12, 31); day = day.addDays(1), weekday = weekday % 7 + 1) {
        const int got = Day_From_Date(qint16(day.day()), qint16(day.month()), qint16(day.year() % 100));
        if (got != weekday)
            QFAIL(qPrintable(day.toString(Qt::ISODate)));
    }
}

void TestCalendar::formatDrawDate_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("yearCode");
    QTest::addColumn<QString>("text");
    QTest::newRow("single digits padded") << 5 << 3 << 5 << u"05-03-05"_s;
    QTest::newRow("two digits") << 28 << 12 << 99 << u"28-12-99"_s;
    QTest::newRow("year code 0") << 1 << 1 << 0 << u"01-01-00"_s;
    QTest::newRow("code 4") << 9 << 10 << 4 << u"09-10-04"_s;
    QTest::newRow("three digits kept") << 200 << 0 << 100 << u"200-00-100"_s;
}

void TestCalendar::formatDrawDate() {
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, yearCode);
    QFETCH(QString, text);
    QCOMPARE(FormatDrawDate(PackedDate{quint8(day), quint8(month), quint8(yearCode)}), text);
}

void TestCalendar::yearCodesSpanTheCentury() {
    QCOMPARE(FullYear(47), 1947);
    QCOMPARE(FullYear(46), 2046);
}

void TestCalendar::drawWeekday() {
    Archive archive(2);
    archive.setDrawDate(1, {7, 5, 5});
    archive.setDrawWeekday(1, 6);
    archive.setDrawWeekday(2, 9); // a damaged byte
    archive.setDrawWeekday(3, 2); // the slot of the draw being added
    QCOMPARE(FormatDrawDate(archive, 1), u"07-05-05"_s);

    const DrawWeekdayInfo saturday = GetDrawWeekday(archive, 1);
    QCOMPARE(saturday.code, 6);
    QCOMPARE(saturday.abbrev, u"Sab"_s);
    const DrawWeekdayInfo none = GetDrawWeekday(archive, 2);
    QCOMPARE(none.code, 0);
    QVERIFY(none.abbrev.isEmpty());
    QCOMPARE(GetDrawWeekday(archive, 3).abbrev, u"Mar"_s);
}

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
