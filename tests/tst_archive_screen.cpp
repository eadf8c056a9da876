// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive.h"
#include "calendar/draw_date.h"
#include "demo_archive.h"
#include "grid/twips.h"
#include "support/window_harness.h"
#include "views/picture_box.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

// The archive view in the real window: where it opens, its keys and bars, its question.
class TestArchiveScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void correctionQuestion();
    void archiveViewOpensAtTheEnd();
    void gridKeys_data();
    void gridKeys();
    void keysOnTheScrollBars();
    void scrollBars();
    void pageStepAfterTheEntryScreen();
    void emptyArchive();
    void topRowIsWhite();
    void noBlockDrawnInPart_data();
    void noBlockDrawnInPart();
    void mouseOnTheGrid();
    void drawnAtTheScreensPixelRatio();
};

void TestArchiveScreen::correctionQuestion() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    ui(w).But3->click();
    ui(w).VScrl->setValue(1);
    h.boxes.answers = {MsgAnswer::Cancel};
    ui(w).But1->click();
    QCOMPARE(h.boxes.shown.size(), 1);
    const MessageRequest& box = h.boxes.shown.first();
    QCOMPARE(box.text, u"Vuoi correggiere i dati dell'estrazione del 04-01-47?"_s);
    QCOMPARE(box.title, u"CORREZIONE"_s);
    QCOMPARE(box.buttons, MsgButtons::OkCancel);
    QCOMPARE(box.icon, MsgIcon::Question);
    QCOMPARE(w.currentScreen(), Screen::ArchiveView);
    QCOMPARE(view(w).CurrentDraw(), 1);
    QCOMPARE(QApplication::focusWidget(), ui(w).Picture1);
}

void TestArchiveScreen::archiveViewOpensAtTheEnd() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    ui(w).But3->click();
    const int count = w.archive().DrawCount();
    QVERIFY(view(w).GridRows() > 2);
    QCOMPARE(view(w).CurrentDraw(), count - view(w).GridRows() + 2);
    QCOMPARE(ui(w).VScrl->value(), view(w).CurrentDraw());
    QCOMPARE(ui(w).VScrl->maximum(), count);
    QCOMPARE(ui(w).HScrl->value(), 1);
    QCOMPARE(view(w).GridFirstColumn(), 1);
    QCOMPARE(QApplication::focusWidget(), ui(w).Picture1);
    h.screenshot(u"archive-view"_s);
    ui(w).But3->click();
    h.screenshot(u"archive-view-sorted"_s);
    QTest::keyClick(ui(w).Picture1, Qt::Key_End);
    h.screenshot(u"archive-view-superenalotto"_s);
    QTest::keyClick(ui(w).Picture1, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(view(w).CurrentDraw(), count);
    h.screenshot(u"archive-view-last-draw"_s);
}

void TestArchiveScreen::gridKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("draw");
    QTest::addColumn<int>("block");
    QTest::newRow("Up") << int(Qt::Key_Up) << 0 << 99 << 5;
    QTest::newRow("Ctrl+Up") << int(Qt::Key_Up) << int(Qt::ControlModifier) << 99 << 5;
    QTest::newRow("Down") << int(Qt::Key_Down) << 0 << 101 << 5;
    QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 0 << 48 << 5;
    QTest::newRow("Shift+Page Down") << int(Qt::Key_PageDown) << int(Qt::ShiftModifier) << 152 << 5;
    QTest::newRow("Left") << int(Qt::Key_Left) << 0 << 100 << 4;
    QTest::newRow("Right") << int(Qt::Key_Right) << 0 << 100 << 6;
    QTest::newRow("Home") << int(Qt::Key_Home) << 0 << 100 << 1;
    QTest::newRow("End") << int(Qt::Key_End) << 0 << 100 << 11;
    QTest::newRow("Ctrl+Home") << int(Qt::Key_Home) << int(Qt::ControlModifier) << 1 << 5;
    QTest::newRow("Shift+Home") << int(Qt::Key_Home) << int(Qt::ShiftModifier) << 100 << 5;
    QTest::newRow("Alt+End") << int(Qt::Key_End) << int(Qt::AltModifier) << 100 << 5;
}

void TestArchiveScreen::gridKeys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, draw);
    QFETCH(int, block);
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    ui(w).But3->click();
    ui(w).VScrl->setValue(100);
    ui(w).HScrl->setValue(5);
    QTest::keyClick(ui(w).Picture1, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(view(w).CurrentDraw(), draw);
    QCOMPARE(ui(w).VScrl->value(), draw);
    QCOMPARE(view(w).GridFirstColumn(), block);
    QCOMPARE(QApplication::focusWidget(), ui(w).Picture1);
}

void TestArchiveScreen::keysOnTheScrollBars() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    ui(w).But3->click();
    ui(w).VScrl->setValue(100);
    for (QScrollBar* bar : {ui(w).HScrl, ui(w).VScrl}) {
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), ui(w).Picture1);
    }
    QCOMPARE(view(w).CurrentDraw(), 102);
    ui(w).HScrl->setFocus();
    QTest::keyClick(ui(w).HScrl, Qt::Key_End);
    QCOMPARE(view(w).GridFirstColumn(), 11);
    QCOMPARE(view(w).CurrentDraw(), 102);
}

void TestArchiveScreen::scrollBars() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    ui(w).But3->click();
    ui(w).HScrl->setValue(11);
    QCOMPARE(view(w).GridFirstColumn(), 11);
    ui(w).VScrl->setValue(ui(w).VScrl->maximum());
    QCOMPARE(view(w).CurrentDraw(), w.archive().DrawCount());
    ui(w).VScrl->setValue(0); // below the range: clamped to draw 1
    QCOMPARE(view(w).CurrentDraw(), 1);
    ui(w).HScrl->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(view(w).GridFirstColumn(), 10);
    ui(w).VScrl->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(view(w).CurrentDraw(), 53);
}

// The entry screen sets the bar's page step to 1 and it stays so for the rest of the run.
void TestArchiveScreen::pageStepAfterTheEntryScreen() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    ui(w).But3->click();
    QCOMPARE(ui(w).VScrl->pageStep(), 52);
    ui(w).But2->click();
    ui(w).But1->click();
    QCOMPARE(ui(w).VScrl->pageStep(), 1);
    ui(w).But2->click();
    ui(w).But3->click();
    ui(w).VScrl->setValue(10);
    ui(w).VScrl->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(view(w).CurrentDraw(), 11);
    QTest::keyClick(ui(w).Picture1, Qt::Key_PageDown);
    QCOMPARE(view(w).CurrentDraw(), 63);
}

// A folder with no archive: the load fails, and every screen still works on no draws.
void TestArchiveScreen::emptyArchive() {
    WindowHarness h(nullptr);
    frmVorel& w = h.start();
    QCOMPARE(h.boxes.shown.size(), 1);
    QCOMPARE(h.boxes.shown.first(), Messages::loadError(FileError::FileNotFound, h.dataPath()));
    ui(w).But3->click();
    QCOMPARE(w.currentScreen(), Screen::ArchiveView);
    QCOMPARE(view(w).CurrentDraw(), 1);
    QCOMPARE(ui(w).VScrl->value(), 1);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Up})
        QTest::keyClick(ui(w).Picture1, key, Qt::ControlModifier);
    ui(w).But1->click(); // nothing to correct
    QCOMPARE(h.boxes.shown.size(), 1);
    QCOMPARE(w.currentScreen(), Screen::ArchiveView);
    h.screenshot(u"archive-view-empty"_s);
    ui(w).But2->click();
    ui(w).But1->click();
    QCOMPARE(w.currentScreen(), Screen::Entry);
    QCOMPARE(entry(w).CurrentDraw(), 0);
    QCOMPARE(ui(w).VScrl->maximum(), 10);
}

// Only the top row of the grid is written in white.
void TestArchiveScreen::topRowIsWhite() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    ui(w).But3->click();
    const QImage grid = ui(w).Picture1->surface().image();
    const int lineHeight = ui(w).Picture1->surface().textHeight() / 15;
    auto whiteInLine = [&](int line) {
        for (int y = line * lineHeight; y < (line + 1) * lineHeight; ++y)
            for (int x = 0; x < grid.width(); ++x)
                if (grid.pixel(x, y) == qRgb(255, 255, 255))
                    return true;
        return false;
    };
    QVERIFY(!whiteInLine(0)); // the header
    QVERIFY(whiteInLine(1));  // the top draw
    QVERIFY(!whiteInLine(2));
    QVERIFY(!whiteInLine(view(w).GridRows() - 1));
}

void TestArchiveScreen::noBlockDrawnInPart_data() {
    QTest::addColumn<int>("width"); // of the window, in pixels
    QTest::newRow("the default width") << 0;
    QTest::newRow("a little wider") << 600;
    QTest::newRow("wide") << 900;
}

// Right of the last rule that runs down the whole grid there is nothing but the background: a block
// the picture cannot show whole is left out, not cut mid-number.
void TestArchiveScreen::noBlockDrawnInPart() {
    QFETCH(int, width);
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    if (width)
        w.resize(width, w.height());
    ui(w).But3->click();
    const QImage grid = ui(w).Picture1->surface().image();
    const int bottom = (view(w).GridRows() - 1) * ui(w).Picture1->surface().textHeight() / 15;
    const auto isRule = [&](int x) {
        for (int y = 0; y < bottom; ++y)
            if (qGray(grid.pixel(x, y)) > 64)
                return false;
        return true;
    };
    int rule = grid.width() - 1;
    while (rule > 0 && !isRule(rule))
        --rule;
    QVERIFY(rule > 0);
    const QRgb background = grid.pixel(grid.width() - 1, 0);
    for (int x = rule + 2; x < grid.width(); ++x)
        for (int y = 0; y < bottom; ++y)
            QVERIFY2(grid.pixel(x, y) == background, qPrintable(u"x %1 y %2"_s.arg(x).arg(y)));
}

// The wheel scrolls as the bar does; a click makes a draw the top row; a double click asks to
// correct that draw.
void TestArchiveScreen::mouseOnTheGrid() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    ui(w).But3->click();
    ui(w).VScrl->setValue(100);
    QWidget* grid = ui(w).Picture1;
    const QPoint middle(grid->width() / 2, grid->contentsRect().top());
    QWheelEvent down(middle, grid->mapToGlobal(middle), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid, &down);
    QCOMPARE(view(w).CurrentDraw(), 100 + QApplication::wheelScrollLines());
    const int top = view(w).CurrentDraw();
    const int line = px(ui(w).Picture1->surface().textHeight());
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(middle.x(), middle.y() + 3 * line + line / 2));
    QCOMPARE(view(w).CurrentDraw(), top + 2); // line 3: the third draw shown
    h.boxes.answers = {MsgAnswer::Ok};
    // A double click as the desktop sends it: a click, then the double click on the same place.
    const QPoint second(middle.x(), middle.y() + 2 * line + line / 2);
    QTest::mouseClick(grid, Qt::LeftButton, {}, second);
    QTest::mouseDClick(grid, Qt::LeftButton, {}, second);
    QCOMPARE(h.boxes.shown.last().title, u"CORREZIONE"_s);
    QCOMPARE(w.currentScreen(), Screen::Entry);
    QCOMPARE(entry(w).CurrentDraw() + 1, top + 3);
    ui(w).But2->click();

    // A dragged thumb names the draw under it before the grid follows.
    ui(w).VScrl->setSliderDown(true);
    ui(w).VScrl->setSliderPosition(500);
    QCOMPARE(QToolTip::text(), u"500 "_s + FormatDrawDate(w.archive(), 500));
    ui(w).VScrl->setSliderDown(false);
    QCOMPARE(view(w).CurrentDraw(), 500);
}

// The grid and the draw panel are drawn at the screen's pixel ratio, not drawn at 1 and scaled up
// (the suite runs this once more at scale factor 2).
void TestArchiveScreen::drawnAtTheScreensPixelRatio() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    for (const bool grid : {true, false}) {
        (grid ? ui(w).But3 : ui(w).But1)->click();
        PictureBox* picture = grid ? ui(w).Picture1 : ui(w).Pic1;
        const QImage& image = picture->surface().image();
        QCOMPARE(image.devicePixelRatio(), w.devicePixelRatioF());
        QCOMPARE(image.width(), qRound(picture->contentsRect().width() * w.devicePixelRatioF()));
        ui(w).But2->click();
    }
}

QTEST_MAIN(TestArchiveScreen)
#include "tst_archive_screen.moc"
