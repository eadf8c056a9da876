// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive.h"
#include "grid/grid_keys.h"
#include "grid/grid_metrics.h"
#include "grid/grid_text.h"
#include "support/archive_builders.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Two draws shaped like the published example: draw 3474 (Thursday) and draw 3475 (Saturday).
Archive sampleArchive() {
    Archive archive(3475);
    archive.setDrawDate(3474, {3, 3, 5});
    archive.setDrawWeekday(3474, 4);
    SetWheel(archive, 3474, 10, {8, 52, 1, 30, 66});
    for (int k = 1; k <= 7; ++k)
        archive.setSuperNumber(3474, k, qint16(QList<int>{14, 70, 2, 36, 58, 81, 8}.at(k - 1)));
    archive.setDrawDate(3475, {5, 3, 5});
    archive.setDrawWeekday(3475, 6);
    SetWheel(archive, 3475, 10, {47, 3, 88, 12, 61});
    SetWheel(archive, 3475, 11, {9, 40, 77, 2, 55});
    for (int k = 1; k <= 7; ++k)
        archive.setSuperNumber(3475, k, qint16(QList<int>{61, 5, 39, 18, 84, 23, 47}.at(k - 1)));
    return archive;
}

} // namespace

class TestGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headerLine_data();
    void headerLine();
    void rowLines_data();
    void rowLines();
    void numberCells();
    void indexCell_data();
    void indexCell();
    void visibleRange();
    void ruleCells();
    void metricsWorkedExample();
    void metricsRounding_data();
    void metricsRounding();
    void keyTable_data();
    void keyTable();
    void qtKeys();
};

void TestGrid::headerLine_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("line");
    QTest::newRow("VE, RN, SuperEnalotto")
        << 10 << 12 << u"     Data            VE             RN         Super Enalotto   J  N. "_s;
    QTest::newRow("BA and CA") << 1 << 2 << u"     Data            BA             CA        N. "_s;
    QTest::newRow("SuperEnalotto alone") << 12 << 12 << u"     Data        Super Enalotto   J  N. "_s;
}

void TestGrid::headerLine() {
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, line);
    QCOMPARE(GridHeaderLine(first, last), line);
}

void TestGrid::rowLines_data() {
    QTest::addColumn<int>("draw");
    QTest::addColumn<bool>("sorted");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("jolly");
    QTest::newRow("stored order")
        << 3475 << false << u" Sab 05-03-05  47  3 88 12 61  9 40 77  2 55 61  5 39 18 84 23 47 3475"_s
        << u"47"_s;
    QTest::newRow("ascending, the Jolly stays")
        << 3475 << true << u" Sab 05-03-05   3 12 47 61 88  2  9 40 55 77  5 18 23 39 61 84 47 3475"_s
        << u"47"_s;
    QTest::newRow("national wheel all zeros before 3475")
        << 3474 << false << u" Gio 03-03-05   8 52  1 30 66                14 70  2 36 58 81  8 3474"_s
        << u" 8"_s;
    QTest::newRow("no weekday keeps the columns")
        << 1 << false << u"     00-00-00  "_s + QString(15 + 15 + 21, u' ') + u"   1"_s << u"  "_s;
}

void TestGrid::rowLines() {
    QFETCH(int, draw);
    QFETCH(bool, sorted);
    QFETCH(QString, line);
    QFETCH(QString, jolly);
    const GridRowText row = GridRowLine(sampleArchive(), draw, 10, 12, sorted);
    QCOMPARE(row.whole(), line);
    QCOMPARE(row.jolly, jolly);
    QCOMPARE(row.beforeJolly.size(), 15 + 15 + 15 + 18);
}

void TestGrid::numberCells() {
    QCOMPARE(GridNumberCell(0), u"  "_s);
    QCOMPARE(GridNumberCell(7), u" 7"_s);
    QCOMPARE(GridNumberCell(90), u"90"_s);
    // Zeros come first in ascending order, so the blanks stand on the left.
    Archive archive(1);
    SetWheel(archive, 1, 1, {40, 0, 7, 0, 12});
    const QString date = u"     00-00-00  "_s;
    QCOMPARE(GridRowLine(archive, 1, 1, 1, true).whole(), date + u"       7 12 40 "_s + u"   1"_s);
    QCOMPARE(GridRowLine(archive, 1, 1, 1, false).whole(), date + u"40     7    12 "_s + u"   1"_s);
}

void TestGrid::indexCell_data() {
    QTest::addColumn<int>("draw");
    QTest::addColumn<QString>("cell");
    QTest::newRow("7") << 7 << u"   7"_s;
    QTest::newRow("42") << 42 << u"  42"_s;
    QTest::newRow("3500") << 3500 << u"3500"_s;
    QTest::newRow("12345 runs past the frame") << 12345 << u"12345"_s;
}

void TestGrid::indexCell() {
    QFETCH(int, draw);
    QFETCH(QString, cell);
    Archive archive(draw);
    const QString line = GridRowLine(archive, draw, 11, 11, false).whole();
    QCOMPARE(line.mid(30), cell);
}

void TestGrid::visibleRange() {
    GridState state{100, 16, 1, 4, false};
    QCOMPARE(GridLastBlock(state), 5);
    QCOMPARE(GridLastRow(state, 7000), 114);
    QCOMPARE(GridLastRow(state, 105), 105);
    state.GridFirstColumn = 11;
    QCOMPARE(GridLastBlock(state), 12);
    state.GridRows = 1;
    QCOMPARE(GridLastRow(state, 7000), 99); // header only
}

void TestGrid::ruleCells() {
    QCOMPARE(GridRuleCells(10, 12), (std::vector<double>{14.5, 29.5, 44.5, 65.5, 70.5}));
    QCOMPARE(GridRuleCells(1, 2), (std::vector<double>{14.5, 29.5, 44.5, 49.5}));
    QCOMPARE(GridRuleCells(12, 12), (std::vector<double>{14.5, 35.5, 40.5}));
}

void TestGrid::metricsWorkedExample() {
    GridMetricsInput in;
    in.picture = {0, 480, 8635, 4452};
    in.scaleWidth = 8575;
    in.scaleHeight = 4392;
    in.cellWidth = 120;
    in.cellHeight = 240;
    const GridMetrics m = ComputeGridMetrics(in);
    QCOMPARE(m.GridRows, 16);
    QCOMPARE(m.GridWidthUnits, 68);
    QCOMPARE(m.GridVisibleWheels, 4);
    QCOMPARE(m.vScroll, (TwipsRect{8365, 510, 240, 4152}));
    QCOMPARE(m.hScroll, (TwipsRect{30, 4662, 8335, 240}));
}

void TestGrid::metricsRounding_data() {
    QTest::addColumn<float>("scaleWidth");
    QTest::addColumn<float>("scaleHeight");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("wheels");
    // Rows: (h - 240) / 240 - 1; units: (w - 240) / 120 - 1.
    QTest::newRow("16 rows") << 8575.f << 4320.f << 16 << 68 << 4;
    QTest::newRow("16.5 rows round to 16") << 8575.f << 4440.f << 16 << 68 << 4;
    QTest::newRow("17.5 rows round to 18") << 8575.f << 4680.f << 18 << 68 << 4;
    QTest::newRow("2.5 lines: header and one row") << 8575.f << 840.f << 2 << 68 << 4;
    QTest::newRow("under 2.5 lines: header only") << 8575.f << 700.f << 1 << 68 << 4;
    QTest::newRow("nothing left") << 100.f << 100.f << 0 << 0 << 1;
    QTest::newRow("units below 30: one more block") << 3840.f << 4392.f << 16 << 29 << 1;
    QTest::newRow("very wide: at most 11") << 60000.f << 4392.f << 16 << 497 << 11;
}

void TestGrid::metricsRounding() {
    QFETCH(float, scaleWidth);
    QFETCH(float, scaleHeight);
    QFETCH(int, rows);
    QFETCH(int, units);
    QFETCH(int, wheels);
    GridMetricsInput in;
    in.picture = {0, 480, scaleWidth + 60, scaleHeight + 60};
    in.scaleWidth = scaleWidth;
    in.scaleHeight = scaleHeight;
    in.cellWidth = 120;
    in.cellHeight = 240;
    const GridMetrics m = ComputeGridMetrics(in);
    QCOMPARE(m.GridRows, rows);
    QCOMPARE(m.GridWidthUnits, units);
    QCOMPARE(m.GridVisibleWheels, wheels);
    QVERIFY(m.vScroll.height >= 0 && m.hScroll.width >= 0);
}

void TestGrid::keyTable_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("newV");
    QTest::addColumn<int>("newH");
    using namespace VirtualKey;
    QTest::newRow("Up") << Up << 0 << 50 << 3 << 49 << 3;
    QTest::newRow("Up at the top") << Up << 0 << 1 << 3 << 1 << 3;
    QTest::newRow("Ctrl+Up acts like Up") << Up << CtrlMask << 50 << 3 << 49 << 3;
    QTest::newRow("Down") << Down << 0 << 50 << 3 << 51 << 3;
    QTest::newRow("Down at the end") << Down << 0 << 100 << 3 << 100 << 3;
    QTest::newRow("Page Up") << PageUp << 0 << 60 << 3 << 8 << 3;
    QTest::newRow("Page Up stops at 1") << PageUp << 0 << 30 << 3 << 1 << 3;
    QTest::newRow("Shift+Page Down") << PageDown << ShiftMask << 30 << 3 << 82 << 3;
    QTest::newRow("Page Down stops at the end") << PageDown << 0 << 60 << 3 << 100 << 3;
    QTest::newRow("Left") << Left << 0 << 50 << 3 << 50 << 2;
    QTest::newRow("Left at 1") << Left << 0 << 50 << 1 << 50 << 1;
    QTest::newRow("Right") << Right << 0 << 50 << 3 << 50 << 4;
    QTest::newRow("Right at 11") << Right << 0 << 50 << 11 << 50 << 11;
    QTest::newRow("Home") << Home << 0 << 50 << 7 << 50 << 1;
    QTest::newRow("End") << End << 0 << 50 << 3 << 50 << 11;
    QTest::newRow("Ctrl+Home") << Home << CtrlMask << 50 << 3 << 1 << 3;
    QTest::newRow("Ctrl+End") << End << CtrlMask << 50 << 3 << 100 << 3;
    QTest::newRow("Shift+Home does nothing") << Home << ShiftMask << 50 << 3 << 50 << 3;
    QTest::newRow("Ctrl+Shift+Home does nothing") << Home << (CtrlMask | ShiftMask) << 50 << 3 << 50 << 3;
    QTest::newRow("Alt+End does nothing") << End << AltMask << 50 << 3 << 50 << 3;
    QTest::newRow("another key") << 65 << 0 << 50 << 3 << 50 << 3;
}

void TestGrid::keyTable() {
    QFETCH(int, key);
    QFETCH(int, mask);
    QFETCH(int, v);
    QFETCH(int, h);
    QFETCH(int, newV);
    QFETCH(int, newH);
    QCOMPARE(GridKeyEffect(key, mask, {v, h}, 100), (GridBars{newV, newH}));
}

void TestGrid::qtKeys() {
    QCOMPARE(VirtualKeyCode(Qt::Key_Up), 38);
    QCOMPARE(VirtualKeyCode(Qt::Key_PageDown), 34);
    QCOMPARE(VirtualKeyCode(Qt::Key_Home), 36);
    QCOMPARE(VirtualKeyCode(Qt::Key_A), 0);
    QCOMPARE(ModifierMask(Qt::ControlModifier | Qt::KeypadModifier), 2);
    QCOMPARE(ModifierMask(Qt::ShiftModifier | Qt::AltModifier), 5);
}

QTEST_GUILESS_MAIN(TestGrid)
#include "tst_grid.moc"
