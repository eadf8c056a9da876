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
    // Every real day of the archive's years is checked against the calendar below: here, what is no day.
    QTest::newRow("31 Feb") << 31 << 2 << 5 << 0;
    QTest::newRow("29 Feb of a common year") << 29 << 2 << 5 << 0;
    QTest::newRow("day 0") << 0 << 3 << 5 << 0;
    QTest::newRow("month 13") << 1 << 13 << 5 << 0;
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
