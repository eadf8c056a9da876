// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/search_screen.h"
#include "screens/stats_screen.h"
#include "stats/draw_search.h"
#include "support/cli_run.h"
#include "support/window_harness.h"
#include "views/picture_box.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

// The statistics and search windows opened from the main menu, and the archive view's go-to-date.
class TestStatsScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void statistics();
    void searchOpensTheDraw();
    void goToADate_data();
    void goToADate();
};

namespace {

template <typename T> T* child(QWidget* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QString cell(QTableView* table, int row, int column) {
    return table->model()->index(row, column).data().toString();
}

} // namespace

// The table shows the figures of the wheel chosen, sorts by any column, and exports what the command
// line writes.
void TestStatsScreen::statistics() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    child<QPushButton>(&w, u"butStats"_s)->click();
    auto* stats = w.findChild<StatsScreen*>();
    QVERIFY(stats && stats->isVisible());
    auto* table = child<QTableView>(stats, u"NumbersTable"_s);
    auto* wheel = child<QComboBox>(stats, u"Wheel"_s);
    QCOMPARE(table->model()->rowCount(), 90);
    wheel->setCurrentIndex(wheel->findText(u"Napoli"_s));
    const auto figures = NumberFigures(w.archive(), 6, PeriodOf(w.archive(), 6));
    QCOMPARE(cell(table, 16, 1), QString::number(figures[17].drawn));
    QCOMPARE(cell(table, 16, 3), QString::number(figures[17].delay));
    QVERIFY(child<QTabWidget>(stats, u"Tabs"_s)->isTabEnabled(1));

    // Sorted by Ritardo, the longest first.
    table->sortByColumn(3, Qt::DescendingOrder);
    const int longest =
        std::max_element(figures.begin() + 1, figures.end(), [](const Figures& a, const Figures& b) {
            return a.delay < b.delay;
        })->delay;
    QCOMPARE(cell(table, 0, 3), QString::number(longest));

    QTemporaryDir dir;
    const QString file = dir.filePath(u"napoli.csv"_s);
    stats->chooseExportFile = [&file] { return file; };
    child<QPushButton>(stats, u"Export"_s)->click();
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), RunVorel({u"--data"_s, h.dataPath(), u"--stats"_s, u"NA"_s}).out);

    wheel->setCurrentIndex(wheel->findText(u"Tutte"_s));
    QVERIFY(!child<QTabWidget>(stats, u"Tabs"_s)->isTabEnabled(1));

    // Ctrl+F: the number of the row chosen, searched.
    // The offscreen platform leaves the first window active; a desktop activates the one shown.
    QApplication::setActiveWindow(stats);
    table->setCurrentIndex(table->model()->index(0, 0));
    const QString number = cell(table, 0, 0);
    QTest::keyClick(table, Qt::Key_F, Qt::ControlModifier);
    auto* search = w.findChild<SearchScreen*>();
    QVERIFY(search && search->isVisible());
    QCOMPARE(child<QLineEdit>(search, u"Number1"_s)->text(), number);
    QVERIFY(child<QTreeWidget>(search, u"Results"_s)->topLevelItemCount() > 0);

    QTest::keyClick(stats, Qt::Key_F1);
    QCOMPARE(h.help.requests.last().second, u"Statistiche"_s);
}

// Numbers typed, Enter: the draws found; Enter on one opens it at the top of the archive view.
void TestStatsScreen::searchOpensTheDraw() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    child<QPushButton>(&w, u"butSearch"_s)->click();
    auto* search = w.findChild<SearchScreen*>();
    QVERIFY(search && search->isVisible());
    QTest::keyClicks(child<QLineEdit>(search, u"Number1"_s), u"5"_s);
    QTest::keyClicks(child<QLineEdit>(search, u"Number2"_s), u"9"_s);
    QTest::keyClick(child<QLineEdit>(search, u"Number2"_s), Qt::Key_Return);
    const std::vector<DrawMatch> found =
        FindDraws(w.archive(), {5, 9}, AnyWheel, PeriodOf(w.archive(), AnyWheel));
    auto* results = child<QTreeWidget>(search, u"Results"_s);
    QVERIFY(found.size() > 2);
    QCOMPARE(results->topLevelItemCount(), int(found.size()));
    results->setCurrentItem(results->topLevelItem(2));
    QTest::keyClick(results, Qt::Key_Return);
    QCOMPARE(w.currentScreen(), Screen::ArchiveView);
    QCOMPARE(view(w).CurrentDraw(), found[2].draw);
    QVERIFY(h.boxes.shown.isEmpty());
}

void TestStatsScreen::goToADate_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("days"); // after the date of draw 1000; -1: the typed text is no date
    QTest::newRow("the day of a draw") << u"%1"_s << 0;
    QTest::newRow("the day after: the next draw") << u"%1"_s << 1;
    QTest::newRow("with slashes") << u"/"_s << 0;
    QTest::newRow("no date: nowhere") << u"31-02-2020"_s << -1;
}

// Ctrl+G, a date, Enter: its draw or the next in the top row; Enter presses no button there.
void TestStatsScreen::goToADate() {
    QFETCH(QString, typed);
    QFETCH(int, days);
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    ui(w).But3->click();
    const int before = view(w).CurrentDraw();
    const PackedDate packed = w.archive().DrawDate(1000);
    const QDate day = QDate(FullYear(packed.yearCode), packed.month, packed.day).addDays(std::max(days, 0));
    if (typed == u"%1")
        typed = day.toString(u"dd-MM-yyyy"_s);
    if (typed == u"/")
        typed = day.toString(u"dd/MM/yyyy"_s);
    QTest::keyClick(static_cast<QWidget*>(ui(w).Picture1), Qt::Key_G, Qt::ControlModifier);
    auto* field = child<QLineEdit>(&w, u"TBGoTo"_s);
    QVERIFY(field->isVisible());
    QTest::keyClicks(field, typed);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(view(w).CurrentDraw(), days < 0 ? before : FirstDrawFrom(w.archive(), day));
    QCOMPARE(field->isVisible(), days < 0);
    QVERIFY(h.boxes.shown.isEmpty());
    QCOMPARE(w.currentScreen(), Screen::ArchiveView);
}

QTEST_MAIN(TestStatsScreen)
#include "tst_stats_screen.moc"
