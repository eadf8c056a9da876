// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive.h"
#include "archive/constant_tables.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

class TestConstantTables : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wheelCodes_data();
    void wheelCodes();
    void wheelNames_data();
    void wheelNames();
    void dayAbbrevs();
    void outsideTheTables();
    void wheelCountOfDraw();
};

void TestConstantTables::wheelCodes_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("wheel");
    const QStringList codes = {u"BA"_s, u"CA"_s, u"FI"_s, u"GE"_s, u"MI"_s, u"NA"_s, u"PA"_s,
                               u"RO"_s, u"TO"_s, u"VE"_s, u"RN"_s, u"RM"_s, u"NZ"_s};
    const int wheels[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 8, 11};
    for (int i = 1; i <= WheelCodeCount; ++i)
        QTest::addRow("%d", i) << i << codes.at(i - 1) << wheels[i - 1];
}

void TestConstantTables::wheelCodes() {
    QFETCH(int, index);
    QFETCH(QString, code);
    QFETCH(int, wheel);
    QCOMPARE(WheelCode(index), code);
    QCOMPARE(WheelOfCode(index), wheel);
}

void TestConstantTables::wheelNames_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("wheel");
    const QStringList names = {u"BARI"_s,   u"CAGLIARI"_s, u"FIRENZE"_s,         u"GENOVA"_s,
                               u"MILANO"_s, u"NAPOLI"_s,   u"PALERMO"_s,         u"ROMA"_s,
                               u"TORINO"_s, u"VENEZIA"_s,  u"RUOTA NAZIONALE"_s, u"NAZIONALE"_s};
    for (int i = 1; i <= WheelNameCount; ++i)
        QTest::addRow("%d", i) << i << names.at(i - 1) << (i == 12 ? 11 : i);
}

void TestConstantTables::wheelNames() {
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(int, wheel);
    QCOMPARE(WheelName(index), name);
    QCOMPARE(WheelOfName(index), wheel);
}

// Code 0 names no day; 1..7 are Monday to Sunday, as the Italian calendar abbreviates them.
void TestConstantTables::dayAbbrevs() {
    QCOMPARE(DayAbbrev(0), QString());
    const QLocale italian(QLocale::Italian);
    for (int code = 1; code < DayAbbrevCount; ++code) {
        const QString name = italian.dayName(code, QLocale::ShortFormat);
        QCOMPARE(DayAbbrev(code), name.left(1).toUpper() + name.mid(1, 2));
    }
}

void TestConstantTables::outsideTheTables() {
    for (int index : {-1, 0, 14, 1000}) {
        QVERIFY(WheelCode(index).isEmpty());
        QCOMPARE(WheelOfCode(index), 0);
    }
    QVERIFY(WheelName(13).isEmpty());
    QCOMPARE(WheelOfName(-5), 0);
    QVERIFY(DayAbbrev(8).isEmpty());
    QVERIFY(DayAbbrev(-1).isEmpty());
}

void TestConstantTables::wheelCountOfDraw() {
    QCOMPARE(WheelCountOfDraw(1), 10);
    QCOMPARE(WheelCountOfDraw(3474), 10);
    QCOMPARE(WheelCountOfDraw(3475), 11);
    QCOMPARE(WheelCountOfDraw(MaxDrawCount), 11);
}

QTEST_GUILESS_MAIN(TestConstantTables)
#include "tst_constant_tables.moc"
