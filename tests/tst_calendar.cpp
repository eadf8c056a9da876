// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive.h"
#include "archive/draw_schedule.h"
#include "calendar/draw_date.h"
#include "text/status_texts.h"

#include <QDate>
#include <QLocale>
#include <QTest>
#include <QTimeZone>

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
    void nextDraw_data();
    void nextDraw();
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

// Draws on `weekdays` (digits, Monday 1) for the year up to `last`, without `skipped`, with `moved`.
static Archive drawsOn(const QString& weekdays, QDate last, QDate skipped, QDate moved) {
    QList<QDate> dates;
    for (QDate day = last.addYears(-1).addDays(1); day <= last; day = day.addDays(1))
        if ((weekdays.contains(QString::number(day.dayOfWeek())) && day != skipped) || day == moved)
            dates.append(day);
    Archive archive(int(dates.size()));
    for (int d = 1; d <= archive.DrawCount(); ++d) {
        const QDate day = dates[d - 1];
        archive.setDrawDate(d, PackDate(day.year(), day.month(), day.day()));
        archive.setDrawWeekday(d, qint16(day.dayOfWeek()));
    }
    return archive;
}

void TestCalendar::nextDraw_data() {
    QTest::addColumn<QString>("weekdays");
    QTest::addColumn<QDate>("last");    // the archive's last draw
    QTest::addColumn<QDate>("skipped"); // a draw day without a draw
    QTest::addColumn<QDate>("moved");   // a draw on another day, for a holiday
    QTest::addColumn<QDate>("next");
    QTest::addColumn<QDateTime>("now"); // in New York: 20:00 in Rome is 14:00 in summer, 14:00 in winter
    QTest::addColumn<bool>("due");
    const QTimeZone newYork("America/New_York");
    QTest::newRow("2016, Saturday to Tuesday")
        << u"246"_s << QDate(2016, 6, 25) << QDate() << QDate() << QDate(2016, 6, 28)
        << QDateTime(QDate(2016, 6, 27), QTime(12, 0), newYork) << false;
    QTest::newRow("2024, Thursday to Friday")
        << u"2456"_s << QDate(2024, 3, 14) << QDate() << QDate() << QDate(2024, 3, 15)
        << QDateTime(QDate(2024, 3, 16), QTime(9, 0), newYork) << true;
    QTest::newRow("2026, 19:59 in Rome")
        << u"2456"_s << QDate(2026, 8, 15) << QDate() << QDate() << QDate(2026, 8, 18)
        << QDateTime(QDate(2026, 8, 18), QTime(13, 59), newYork) << false;
    QTest::newRow("2026, 20:01 in Rome")
        << u"2456"_s << QDate(2026, 8, 15) << QDate() << QDate() << QDate(2026, 8, 18)
        << QDateTime(QDate(2026, 8, 18), QTime(14, 1), newYork) << true;
    QTest::newRow("a draw moved to a Monday is no draw day")
        << u"246"_s << QDate(2019, 4, 27) << QDate() << QDate(2019, 4, 22) << QDate(2019, 4, 30)
        << QDateTime(QDate(2019, 4, 29), QTime(14, 1), newYork) << false;
    QTest::newRow("a holiday without a draw stays due until the next one comes")
        << u"2456"_s << QDate(2025, 12, 23) << QDate(2025, 8, 14) << QDate() << QDate(2025, 12, 25)
        << QDateTime(QDate(2025, 12, 26), QTime(13, 59), newYork) << true;
    QTest::newRow("winter, 19:59 in Rome")
        << u"2456"_s << QDate(2025, 12, 20) << QDate() << QDate() << QDate(2025, 12, 23)
        << QDateTime(QDate(2025, 12, 23), QTime(13, 59), newYork) << false;
}

// The schedule from the archive, the evening in Rome whatever the zone of the clock.
void TestCalendar::nextDraw() {
    QFETCH(QString, weekdays);
    QFETCH(QDate, last);
    QFETCH(QDate, skipped);
    QFETCH(QDate, moved);
    QFETCH(QDate, next);
    QFETCH(QDateTime, now);
    QFETCH(bool, due);
    const NextDraw found = NextDrawOf(drawsOn(weekdays, last, skipped, moved));
    QCOMPARE(found.date, next);
    QCOMPARE(found.isDueAt(now), due);
    QCOMPARE(found.isDueAt(found.due.addSecs(-60)), false);
    QCOMPARE(found.due.toTimeZone(QTimeZone("Europe/Rome")).time(), QTime(20, 0));
    QCOMPARE(NextDrawText(found, now),
             due ? u"In attesa dei risultati del "_s + next.toString(u"dd-MM-yyyy"_s)
                 : u"Prossima estrazione: "_s + QLocale(QLocale::Italian).dayName(next.dayOfWeek()) + u' ' +
                       next.toString(u"dd-MM-yyyy"_s));
}

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
