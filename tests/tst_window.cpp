// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive.h"
#include "archive/archive_loader.h"
#include "archive/data_file_layout.h"
#include "archive/file_store.h"
#include "calendar/draw_date.h"
#include "cli/csv_export.h"
#include "demo_archive.h"
#include "grid/twips.h"
#include "storico/storico_writer.h"
#include "support/cli_run.h"
#include "support/local_http_server.h"
#include "support/window_harness.h"
#include "support/zip_maker.h"
#include "views/focus_ring.h"
#include "views/picture_box.h"
#include "widgets/click_label.h"
#include "widgets/help_window.h"
#include "widgets/message_boxes.h"
#include "widgets/qt_translations.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The darkest and the mean lightness of a control as painted.
std::pair<int, int> lightness(QWidget* control) {
    const QImage image = control->grab().toImage();
    int darkest = 255;
    qint64 sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int l = QColor(image.pixel(x, y)).lightness();
            darkest = std::min(darkest, l);
            sum += l;
        }
    return {darkest, int(sum / std::max(image.width() * image.height(), 1))};
}

// Which controls a screen shows: the letters name the groups of the screen table.
QString visibleGroups(frmVorel& w) {
    const Controls c = ui(w);
    QString groups;
    auto mark = [&](QChar letter, bool shown) { groups += shown ? letter : u'-'; };
    mark(u'1', c.But1->isVisible());
    mark(u'2', c.But2->isVisible());
    mark(u'3', c.But3->isVisible());
    mark(u'4', c.But4->isVisible());
    mark(u'?', c.butHelp->isVisible());
    mark(u'P', c.Picture1->isVisible());
    mark(u'T', c.Text1->isVisible());
    mark(u'C', c.Combo1->isVisible());
    bool entry = true, entryHidden = true;
    for (QWidget* control :
         std::initializer_list<QWidget*>{c.LTG, c.LTD, c.LTE, c.LTE1, c.LTR, c.Pic1, c.TBData[1], c.TBData[2],
                                         c.TBData[3], c.TBNum[1], c.TBNum[5], c.Lb[1], c.Lb[11]}) {
        entry = entry && control->isVisible();
        entryHidden = entryHidden && !control->isVisible();
    }
    groups += entry ? u'E' : (entryHidden ? u'-' : u'?');
    mark(u'H', c.HScrl->isVisible());
    mark(u'V', c.VScrl->isVisible());
    return groups;
}

QString captions(frmVorel& w) {
    const Controls c = ui(w);
    return QStringList{c.But1->text(), c.But2->text(), c.But3->text(), c.But4->text()}.join(u'|');
}

// After QCoreApplication::exit every event loop ends at once, the boxes' too, until the
// application's own loop has run again: run it once, ended at once, for the tests that follow.
void runTheApplicationLoopOnce() {
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void startUpShowsTheMainMenu();
    void qtWordsInItalian();
    void screens_data();
    void screens();
    void transitions();
    void enterAndEscape_data();
    void enterAndEscape();
    void entryScreenWheelSelector();
    void resizeOnEachScreen();
    void tinyWindow();
    void settingsRoundTrip();
    void minimisedStoresNothing();
    void badSettingUsesItsDefault();
    void esciStoresOnceAndEnds();
    void geometryHoldsOverRuns();
    void darkThemeKeepsTheWindowLight();
    void tabOrder();
    void missingDataFolder();
    void helpKeywords();
    void helpFailureShowsOneBox();
    void pasteWindow();
    void helpWindow();
    void startUpFailure();
    void realMessageBoxes();
    void unansweredIsNo_data();
    void unansweredIsNo();
    void questionsLeftOpenWriteNothing_data();
    void questionsLeftOpenWriteNothing();
    void statusLine_data();
    void statusLine();
    void openAndExportFromTheWindow();
    void accessibleNames_data();
    void accessibleNames();
};

void TestWindow::startUpShowsTheMainMenu() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    QVERIFY(h.boxes.shown.isEmpty());
    QCOMPARE(w.currentScreen(), Screen::MainMenu);
    QCOMPARE(w.archive().DrawCount(), DemoArchive().DrawCount());
    QCOMPARE(w.windowTitle(), QStringLiteral("Vorel, v " VOREL_VERSION));
    // The icon built in from the SVG, at the window's five sizes.
    QCOMPARE(w.windowIcon().availableSizes(),
             (QList<QSize>{QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)}));
    // First run: the default place and size in twips.
    QCOMPARE(w.frameGeometry().topLeft(), QPoint(px(480), px(480)));
    QCOMPARE(w.frameGeometry().size(), QSize(px(8448), px(5676)));
    QCOMPARE(ui(w).Combo1->count(), 8);
    QCOMPARE(ui(w).Combo1->itemText(0), QString());
    QCOMPARE(ui(w).Combo1->itemText(7), u"Dom"_s);
    QCOMPARE(ui(w).Combo1->currentIndex(), 0);
    QVERIFY(w.DataPath().endsWith(u'/'));
    h.screenshot(u"main-menu"_s);
}

void TestWindow::screens_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("groups");
    QTest::addColumn<QString>("captions");
    QTest::addColumn<bool>("enterAndEscape");
    QTest::newRow("main menu") << 0 << u"1234?------"_s
                               << u"Aggiorna|Aggior. automatico|Visualizza/Correggi|Esci"_s << false;
    QTest::newRow("entry screen") << 1 << u"12--?P-CE-V"_s << u"OK|Annulla|Visualizza/Correggi|Esci"_s
                                  << false;
    QTest::newRow("archive view") << 2 << u"123-?P---HV"_s << u"Correggi|Annulla|Ordina|Esci"_s << true;
    QTest::newRow("paste window") << 3 << u"12--?-T----"_s << u"Elabora|Annulla|Visualizza/Correggi|Esci"_s
                                  << false;
}

void TestWindow::screens() {
    QFETCH(int, screen);
    QFETCH(QString, groups);
    QFETCH(QString, captions);
    QFETCH(bool, enterAndEscape);
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    if (screen == 1)
        ui(w).But1->click();
    else if (screen == 2)
        ui(w).But3->click();
    else if (screen == 3)
        ui(w).But2->click();
    QCOMPARE(int(w.currentScreen()), screen);
    QCOMPARE(visibleGroups(w), groups);
    QCOMPARE(::captions(w), captions);
    QCOMPARE(ui(w).But1->isDefault(), enterAndEscape);
}

void TestWindow::transitions() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    const int count = w.archive().DrawCount();

    // New draw and back.
    ui(w).But1->click();
    QCOMPARE(w.currentScreen(), Screen::Entry);
    QCOMPARE(entry(w).mode(), EntryMode::NewDraw);
    QCOMPARE(entry(w).CurrentDraw(), count);
    QCOMPARE(ui(w).Combo1->currentIndex(), 0); // no weekday yet
    ui(w).But2->click();
    QCOMPARE(w.currentScreen(), Screen::MainMenu);

    // Archive view, a correction, and its Annulla back to the end of the archive, unsorted.
    ui(w).But3->click();
    QCOMPARE(w.currentScreen(), Screen::ArchiveView);
    ui(w).But3->click(); // Ordina
    QVERIFY(view(w).GridSorted());
    ui(w).VScrl->setValue(100);
    ui(w).But1->click(); // the question is answered OK
    QCOMPARE(w.currentScreen(), Screen::Entry);
    QCOMPARE(entry(w).mode(), EntryMode::Correction);
    QCOMPARE(entry(w).CurrentDraw(), 99);
    ui(w).But2->click();
    QCOMPARE(w.currentScreen(), Screen::ArchiveView);
    QVERIFY(!view(w).GridSorted());
    QCOMPARE(view(w).CurrentDraw(), count - view(w).GridRows() + 2);
    ui(w).But2->click();
    QCOMPARE(w.currentScreen(), Screen::MainMenu);

    // Paste window and back; then a correction offered by the paste flow returns to the menu.
    ui(w).But2->click();
    QCOMPARE(w.currentScreen(), Screen::Paste);
    ui(w).But2->click();
    QCOMPARE(w.currentScreen(), Screen::MainMenu);
    w.AgDalFile();
    w.showEntry(EntryMode::PastedCorrection, 10);
    QCOMPARE(w.currentScreen(), Screen::Entry);
    ui(w).But2->click();
    QCOMPARE(w.currentScreen(), Screen::MainMenu);

    // "Ordina" twice is unsorted again.
    ui(w).But3->click();
    ui(w).But3->click();
    ui(w).But3->click();
    QVERIFY(!view(w).GridSorted());
}

void TestWindow::enterAndEscape_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("afterEnter");
    QTest::addColumn<int>("afterEscape");
    QTest::newRow("main menu") << 0 << 0 << 0;
    QTest::newRow("archive view") << 2 << 1 << 0;
    QTest::newRow("paste window") << 3 << 3 << 3;
}

// Only the archive view has a default and a cancel button.
void TestWindow::enterAndEscape() {
    QFETCH(int, screen);
    QFETCH(int, afterEnter);
    QFETCH(int, afterEscape);
    for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
        WindowHarness h(&DemoArchive());
        frmVorel& w = h.start();
        if (screen == 2)
            ui(w).But3->click();
        else if (screen == 3)
            ui(w).But2->click();
        QWidget* focused = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
        QTest::keyClick(focused, Qt::Key(key));
        QCOMPARE(int(w.currentScreen()), key == Qt::Key_Return ? afterEnter : afterEscape);
        QCOMPARE(h.boxes.shown.size(), screen == 2 && key == Qt::Key_Return ? 1 : 0);
    }
}

void TestWindow::entryScreenWheelSelector() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    ui(w).But3->click();
    ui(w).VScrl->setValue(3000); // a large draw index left in the bar
    ui(w).But2->click();
    ui(w).But1->click();
    QCOMPARE(ui(w).VScrl->value(), 1);
    QCOMPARE(ui(w).VScrl->maximum(), 11); // the demo archive is past draw 3475
    QCOMPARE(entry(w).EditWheel(), 1);
    QCOMPARE(ui(w).VScrl->geometry(), QRect(px(2820), px(3060), px(240), px(480)));
    QVERIFY(ui(w).Lb[1]->font().bold());
    entry(w).Lb_Click(4);
    QCOMPARE(entry(w).EditWheel(), 4);
    QCOMPARE(ui(w).LTR->text(), u"Ruota GE"_s);
    QVERIFY(ui(w).Lb[4]->font().bold());
    QVERIFY(!ui(w).Lb[1]->font().bold());
    entry(w).Lb_Click(12);
    QCOMPARE(entry(w).EditWheel(), 4);
    QTest::keyClick(ui(w).Picture1, Qt::Key_Down); // the grid keys do nothing here
    QCOMPARE(entry(w).EditWheel(), 4);
    h.screenshot(u"entry-screen"_s);

    // Draw 3474 has ten wheels.
    ui(w).But2->click();
    w.showEntry(EntryMode::Correction, 3473);
    QCOMPARE(ui(w).VScrl->maximum(), 10);
    entry(w).Lb_Click(11);
    QCOMPARE(entry(w).EditWheel(), 1);
}

void TestWindow::resizeOnEachScreen() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    w.resize(900, 500);
    QCOMPARE(captions(w), u"Aggiorna|Aggior. automatico|Visualizza/Correggi|Esci"_s);
    QCOMPARE(ui(w).butHelp->x(), 900 - 24 - 4);

    ui(w).But3->click();
    QCOMPARE(ui(w).Picture1->geometry(), QRect(0, 32, 900, 468));
    const int rows = view(w).GridRows();
    w.resize(900, 700);
    QVERIFY(view(w).GridRows() > rows);
    QCOMPARE(ui(w).VScrl->geometry().right(), ui(w).Picture1->geometry().right() - 2);
    QCOMPARE(ui(w).HScrl->geometry().bottom(), ui(w).Picture1->geometry().bottom() - 2);
    ui(w).But2->click();

    ui(w).But1->click();
    const QRect number = ui(w).TBNum[1]->geometry();
    w.resize(700, 450);
    QCOMPARE(ui(w).TBNum[1]->geometry(), number);
    QCOMPARE(ui(w).Picture1->height(), 450 - 32);
    QCOMPARE(w.currentScreen(), Screen::Entry);
}

void TestWindow::tinyWindow() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    ui(w).But3->click();
    w.resize(200, 20);
    QCOMPARE(w.size(), w.minimumSize()); // no smaller than the controls need
    QVERIFY(view(w).GridRows() > 0);
    QVERIFY(ui(w).butHelp->x() > ui(w).But4->geometry().right()); // never over "Esci"
    QTest::keyClick(ui(w).Picture1, Qt::Key_Down);
}

void TestWindow::settingsRoundTrip() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    w.setGeometry(100, 80, 640, 480);
    w.close();
    QCOMPARE(h.settings.writes, (QStringList{u"MainLeft"_s, u"MainTop"_s, u"MainWidth"_s, u"MainHeight"_s}));
    QCOMPARE(h.settings.values.value(u"Settings/MainLeft"_s), QString::number(twips(w.frameGeometry().x())));
    QCOMPARE(h.settings.values.value(u"Settings/MainWidth"_s),
             QString::number(twips(w.frameGeometry().width())));
    QCOMPARE(h.settings.values.value(u"Settings/MainHeight"_s),
             QString::number(twips(w.frameGeometry().height())));
    QVERIFY(w.frameGeometry().width() >= 640);

    WindowHarness next(&DemoArchive());
    next.settings.values = h.settings.values;
    frmVorel& again = next.start();
    QCOMPARE(again.frameGeometry(), w.frameGeometry());

    // Maximised: its bounds are stored, and the next start shows a normal window with them.
    again.showMaximized();
    QTest::qWait(10);
    const QRect maximised = again.frameGeometry();
    again.close();
    WindowHarness third(&DemoArchive());
    third.settings.values = next.settings.values;
    frmVorel& normal = third.start();
    QVERIFY(!normal.isMaximized());
    QCOMPARE(normal.frameGeometry(), maximised);
}

void TestWindow::minimisedStoresNothing() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    w.setWindowState(Qt::WindowMinimized);
    w.close();
    QVERIFY(h.settings.writes.isEmpty());
}

void TestWindow::badSettingUsesItsDefault() {
    WindowHarness h(&DemoArchive());
    h.settings.values.insert(u"Settings/MainWidth"_s, u"largo"_s);
    h.settings.values.insert(u"Settings/MainHeight"_s, u"6000"_s);
    h.settings.values.insert(u"Settings/MainLeft"_s, u"99999"_s); // a monitor that is gone
    frmVorel& w = h.start();
    QVERIFY(w.screen()->availableGeometry().contains(w.frameGeometry()));
    QVERIFY(h.boxes.shown.isEmpty());
    QVERIFY(h.endings.isEmpty());
    QCOMPARE(w.frameGeometry().size(), QSize(px(8448), px(6000)));
    QCOMPARE(w.currentScreen(), Screen::MainMenu);
}

void TestWindow::esciStoresOnceAndEnds() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    ui(w).But3->click();
    ui(w).But4->click(); // hidden on the archive view: does nothing
    QVERIFY(h.endings.isEmpty());
    ui(w).But2->click();
    ui(w).But4->click();
    QCOMPARE(h.endings, QList<int>{0});
    QCOMPARE(h.settings.writes.size(), 4);
}

// The stored values are the outer size, frame included: they come back as that size run after run,
// a later show never resizes the window, and closing it ends the program.
void TestWindow::geometryHoldsOverRuns() {
    const QMargins frame(4, 24, 4, 4);
    QMap<QString, QString> stored;
    for (int run = 1; run <= 3; ++run) {
        WindowHarness h(&DemoArchive());
        h.frameMargins = [frame] { return frame; };
        h.settings.values = stored;
        frmVorel& w = h.start();
        const QSize inner = QSize(px(8448), px(5676)).shrunkBy(frame);
        QCOMPARE(w.size(), inner);
        w.showMinimized();
        w.showNormal();
        QCOMPARE(w.size(), inner);
        w.close();
        QCOMPARE(h.endings, QList<int>{0});
        if (run > 1)
            QCOMPARE(h.settings.values, stored);
        stored = h.settings.values;
    }
    QCOMPARE(stored.value(u"Settings/MainHeight"_s), QString::number(twips(px(5676))));
}

// A dark desktop theme changes nothing that reaches the screen: black text on the teal and in the
// fields, light controls where the window gives no colour.
void TestWindow::darkThemeKeepsTheWindowLight() {
    const QPalette original = QApplication::palette();
    QPalette dark(QColor(53, 53, 53));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, Qt::white);
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    QApplication::setPalette(dark);
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    ui(w).But1->click();
    QTest::keyClicks(ui(w).TBNum[1], u"88"_s);
    for (QWidget* text :
         std::initializer_list<QWidget*>{ui(w).LTG, ui(w).LTE1, ui(w).Lb[1], ui(w).TBNum[1], ui(w).Pic1})
        QVERIFY2(lightness(text).first < 60, qPrintable(text->objectName() + u" has no black text"_s));
    ui(w).Combo1->showPopup(); // the open list too
    for (QWidget* control :
         std::initializer_list<QWidget*>{ui(w).Combo1, ui(w).VScrl, ui(w).TBData[2], ui(w).Combo1->view()})
        QVERIFY2(lightness(control).second > 180, qPrintable(control->objectName() + u" is dark"_s));
    ui(w).Combo1->hidePopup();
    ui(w).But2->click();
    ui(w).But2->click();
    QVERIFY(lightness(ui(w).Text1).first < 60);
    QVERIFY(lightness(ui(w).Text1).second > 180);
    QApplication::setPalette(original);
}

// The focus chain follows the control table, the draw panel between the paste box and the weekdays.
void TestWindow::tabOrder() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    const Controls c = ui(w);
    // Each screen's own controls keep their places in the chain around the window's buttons.
    const auto onView = [&w](const QString& name) { return view(w).findChild<QWidget*>(name); };
    const QList<QWidget*> expected = {c.TBData[1],
                                      c.TBData[2],
                                      c.TBData[3],
                                      c.TBNum[1],
                                      c.TBNum[2],
                                      c.TBNum[3],
                                      c.TBNum[4],
                                      c.TBNum[5],
                                      c.But1,
                                      c.But2,
                                      c.But3,
                                      c.But4,
                                      c.VScrl,
                                      c.Picture1,
                                      onView(u"VScrl"_s),
                                      c.HScrl,
                                      onView(u"Picture1"_s),
                                      c.butHelp,
                                      c.Text1,
                                      c.Pic1,
                                      c.Combo1};
    QList<QWidget*> chain;
    for (QWidget* at = expected.first(); chain.size() < expected.size(); at = at->nextInFocusChain())
        if (expected.contains(at))
            chain.append(at);
    QCOMPARE(chain, expected);
    QVERIFY(ui(w).Pic1->focusPolicy() & Qt::TabFocus);

    // Every stop of the entry screen shows its focus: the ring goes around it.
    ui(w).But1->click();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    int shown = 0;
    for (QWidget* control : expected) {
        if (!control->isVisible())
            continue;
        control->setFocus(Qt::TabFocusReason);
        QCOMPARE(ui(w).focusRing->target(), control);
        QVERIFY(ui(w).focusRing->isVisible());
        QVERIFY(ui(w).focusRing->geometry().contains(QRect(control->mapTo(&w, QPoint()), control->size()) &
                                                     w.rect()));
        ++shown;
    }
    QCOMPARE(shown, 15);
}

void TestWindow::missingDataFolder() {
    WindowHarness h(nullptr);
    h.dataPathOverride = h.dataPath() + u"nowhere/"_s;
    frmVorel& w = h.start();
    QCOMPARE(h.boxes.shown.size(), 1);
    QCOMPARE(h.boxes.shown.first(),
             (MessageRequest{u"Percorso non trovato\rCartella: "_s +
                                 QDir::toNativeSeparators(h.dataPath() + u"nowhere/"_s),
                             u"Errore"_s, MsgButtons::Ok, MsgIcon::None}));
    QVERIFY(h.endings.isEmpty());
    QCOMPARE(w.currentScreen(), Screen::MainMenu);
}

void TestWindow::helpKeywords() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    ui(w).butHelp->click();
    ui(w).But1->click();
    ui(w).butHelp->click();
    ui(w).But2->click();
    ui(w).But3->click();
    QTest::keyClick(ui(w).Picture1, Qt::Key_F1); // F1 as "?", even from the grid that takes every key
    ui(w).But2->click();
    ui(w).But2->click();
    QTest::keyClick(ui(w).Text1, Qt::Key_F1);
    const QString file = h.programPath + u"Help/vorel.hlp"_s;
    QCOMPARE(h.help.requests, (QList<QPair<QString, QString>>{{file, u"Iniziale"_s},
                                                              {file, u"Aggiorna"_s},
                                                              {file, u"Visualizza"_s},
                                                              {file, u"Aggiornamento automatico"_s}}));
    QVERIFY(h.boxes.shown.isEmpty());
    QCOMPARE(w.currentScreen(), Screen::Paste);
}

void TestWindow::helpFailureShowsOneBox() {
    WindowHarness h(&DemoArchive());
    h.help.failure = u"Il file della guida non \u00e8 stato trovato"_s;
    frmVorel& w = h.start();
    ui(w).But3->click();
    const int draw = view(w).CurrentDraw();
    ui(w).butHelp->click();
    QCOMPARE(h.boxes.shown.size(), 1);
    QCOMPARE(h.boxes.shown.first(),
             (MessageRequest{h.help.failure, u"Vorel"_s, MsgButtons::Ok, MsgIcon::None}));
    QCOMPARE(w.currentScreen(), Screen::ArchiveView);
    QCOMPARE(view(w).CurrentDraw(), draw);
}

void TestWindow::pasteWindow() {
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    ui(w).But2->click();
    const QString instruction = u"Incolla l'estrazione nello spazio sottostante.\n\n"_s;
    QCOMPARE(ui(w).Text1->toPlainText(), instruction);
    QCOMPARE(ui(w).Text1->textCursor().position(), instruction.size());
    QCOMPARE(QApplication::focusWidget(), ui(w).Text1);
    QVERIFY(ui(w).Text1->isEnabled());
    QTest::keyClicks(ui(w).Text1, u"Sabato 12/03/2005"_s);
    QTest::keyClick(ui(w).Text1, Qt::Key_Return);
    QCOMPARE(w.currentScreen(), Screen::Paste);
    QCOMPARE(ui(w).Text1->toPlainText(), instruction + u"Sabato 12/03/2005\n"_s);
    h.screenshot(u"paste-window"_s);
    ui(w).But2->click();
    ui(w).But2->click();
    QCOMPARE(ui(w).Text1->toPlainText(), instruction); // the text pasted before is gone
}

// The real help window: opens at the topic, stays open, and is reused.
void TestWindow::helpWindow() {
    HelpWindowViewer viewer;
    const QString file = QStringLiteral(VOREL_SOURCE_DIR "/Help/vorel.hlp");
    QCOMPARE(viewer.showHelp(file, u"Visualizza"_s), QString());
    HelpWindow* window = viewer.window();
    QVERIFY(window && window->isVisible());
    QVERIFY(window->pageHtml().contains(u"L'archivio"_s));
    QVERIFY(window->pageHtml().contains(u"Ctrl+Home"_s));
    const QString missing = viewer.showHelp(file + u".missing"_s, u"Iniziale"_s);
    QVERIFY(missing.startsWith(u"Il file della guida non \u00e8 stato trovato"_s));
    QCOMPARE(viewer.window(), window);
    QCOMPARE(viewer.showHelp(file, u"Nessuna parola"_s), QString());
    QVERIFY(window->pageHtml().contains(u"Indice"_s));
    if (!qEnvironmentVariableIsEmpty("VOREL_SCREENSHOTS"))
        window->grab().save(qEnvironmentVariable("VOREL_SCREENSHOTS") + u"/help-window.png"_s);
    QCOMPARE(viewer.showHelp(file, u"Aggiornamento automatico"_s), QString());
    QVERIFY(window->pageHtml().contains(u"incolla il testo"_s));
    if (!qEnvironmentVariableIsEmpty("VOREL_SCREENSHOTS"))
        window->grab().save(qEnvironmentVariable("VOREL_SCREENSHOTS") + u"/help-topic.png"_s);
    // Escape closes it; destroyed, it is made again at the next request.
    QApplication::setActiveWindow(window);
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    delete window;
    QCOMPARE(viewer.showHelp(file, u"Visualizza"_s), QString());
    QVERIFY(viewer.window() && viewer.window()->isVisible());
}

// A failure that start-up does not handle itself: one "Errore iniziale" box, then the end.
void TestWindow::startUpFailure() {
    struct FailingSettings final : SettingsStore {
        QString read(const QString&, const QString&, const QString&) override { throw std::bad_alloc(); }
        void write(const QString&, const QString&, const QString&) override {}
    } settings;
    RecordingMessageBoxes boxes;
    RecordingHelpViewer help;
    QList<int> endings;
    frmVorel::Services services;
    services.messages = &boxes;
    services.help = &help;
    services.settings = &settings;
    services.endProgram = [&](int status) { endings.append(status); };
    frmVorel w(services);
    QVERIFY(!w.Form_Load());
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown.first(),
             (MessageRequest{u"Errore di sistema 7"_s, u"Errore iniziale"_s, MsgButtons::Ok, MsgIcon::None}));
    QCOMPARE(endings, QList<int>{1});
}

// Qt's own words as the program shows them: its Italian catalogue, beside the program or Qt's.
void TestWindow::initTestCase() {
    QVERIFY2(InstallQtTranslations(QCoreApplication::applicationDirPath() + u'/'),
             "Qt's Italian catalogue (qtbase_it.qm) is not installed");
}

// The paste box's context menu, Qt's own, speaks Italian.
void TestWindow::qtWordsInItalian() {
    WindowHarness h(nullptr);
    frmVorel& w = h.start();
    ui(w).But2->click();
    std::unique_ptr<QMenu> menu(ui(w).Text1->createStandardContextMenu());
    QStringList words;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            words.append(action->text().section(u'\t', 0, 0));
    QCOMPARE(words, (QStringList{u"Ann&ulla"_s, u"&Rifai"_s, u"&Taglia"_s, u"&Copia"_s, u"&Incolla"_s,
                                 u"Elimina"_s, u"Seleziona tutto"_s}));
}

// The real boxes: text (a lone carriage return breaks the line), title, buttons, icon, answer.
void TestWindow::realMessageBoxes() {
    QtMessageBoxes boxes;
    struct Seen {
        QString text, title;
        QStringList buttons;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int width = 0;
    } seen;
    auto answerWith = [&](QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [&seen, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen = {box->text(), box->windowTitle(), {}, box->icon(), box->width()};
            for (QAbstractButton* b : box->buttons())
                seen.buttons.append(b->text());
            box->button(button)->click();
        });
    };
    answerWith(QMessageBox::Cancel);
    QCOMPARE(boxes.show(Messages::pasteDiffers(u"05-03-05"_s)), MsgAnswer::Cancel);
    QCOMPARE(seen.text,
             u"L'estrazione del 05-03-05 non corrisponde a quella trovata nel database.\n\nCORREZIONE?"_s);
    QCOMPARE(seen.title, u"ATTENZIONE"_s);
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QVERIFY(seen.buttons.contains(u"Annulla"_s));
    QCOMPARE(seen.buttons.size(), 2);

    answerWith(QMessageBox::Ok);
    QCOMPARE(boxes.show(Messages::pasteUnreadable()), MsgAnswer::Ok);
    QCOMPARE(seen.title, u"Vorel"_s);
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons.size(), 1);

    answerWith(QMessageBox::Ok);
    QCOMPARE(boxes.show(Messages::correctionQuestion(u"05-03-05"_s)), MsgAnswer::Ok);
    QCOMPARE(seen.icon, QMessageBox::Question);
    answerWith(QMessageBox::Yes);
    QCOMPARE(boxes.show(Messages::importOffersRebuild(u"Manca."_s, u"/a/backup"_s)), MsgAnswer::Ok);
    QCOMPARE(seen.buttons, (QStringList{u"&Sì"_s, u"&No"_s}));
    answerWith(QMessageBox::No);
    QCOMPARE(boxes.show(Messages::importOffersRebuild(u"Manca."_s, u"/a/backup"_s)), MsgAnswer::Cancel);

    // F1 in a box: the help of the screen below it.
    int helped = 0;
    boxes.help = [&helped] { ++helped; };
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box);
        QApplication::setActiveWindow(box); // as a desktop makes a box it opens
        QTest::keyClick(box, Qt::Key_F1);
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
    });
    boxes.show(Messages::pasteUnreadable());
    QCOMPARE(helped, 1);
    boxes.help = nullptr;

    answerWith(QMessageBox::Ok);
    boxes.show(Messages::fileError(FileError::FileNotFound));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.text, u"File non trovato"_s);
    // Wide enough for a window manager's caption: title, icon and three buttons.
    answerWith(QMessageBox::Ok);
    boxes.show({u"Pieno"_s, u"Salvataggio dati non riuscito"_s, MsgButtons::Ok, MsgIcon::None});
    QVERIFY(seen.width > QFontMetrics(QApplication::font()).horizontalAdvance(seen.title) + 100);

    // Over the window they are given, whichever window is active.
    QWidget window;
    boxes.setParent(&window);
    QWidget* parent = nullptr;
    QTimer::singleShot(0, [&parent] {
        parent = QApplication::activeModalWidget()->parentWidget();
        QApplication::activeModalWidget()->close();
    });
    boxes.show(Messages::badDate());
    QCOMPARE(parent, &window);
}

Q_DECLARE_METATYPE(MessageRequest)

void TestWindow::unansweredIsNo_data() {
    QTest::addColumn<MessageRequest>("request");
    QTest::addColumn<int>("end"); // 0 Enter, 1 closed, 2 the program asked to end, 3 its window destroyed
    QTest::addColumn<bool>("yes");
    const MessageRequest save = Messages::confirmNewDraw(u"Estrazione 2 di sabato 11-01-1947"_s);
    QTest::newRow("Enter saves") << save << 0 << true;
    QTest::newRow("Enter keeps out missing numbers") << Messages::zerosOnWheel(u"VE"_s) << 0 << false;
    QTest::newRow("Enter says no") << Messages::deleteLastQuestion(u"Estrazione 2"_s) << 0 << false;
    QTest::newRow("closed") << save << 1 << false;
    QTest::newRow("the program asked to end") << save << 2 << false;
    QTest::newRow("its window destroyed") << save << 3 << false;
}

// Only the affirmative button says yes: a box that ends any other way says no.
void TestWindow::unansweredIsNo() {
    QFETCH(MessageRequest, request);
    QFETCH(int, end);
    QFETCH(bool, yes);
    auto* window = new QWidget;
    QtMessageBoxes boxes(window);
    QTimer::singleShot(0, [end, window] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        if (end == 0)
            QTest::keyClick(box, Qt::Key_Return);
        else if (end == 1)
            box->close();
        else if (end == 2)
            QCoreApplication::exit(0); // as when the window is destroyed from outside
        else
            delete window;
    });
    const MsgAnswer answer = boxes.show(request);
    if (end == 2)
        runTheApplicationLoopOnce();
    if (end != 3)
        delete window;
    QCOMPARE(answer, yes ? MsgAnswer::Ok : MsgAnswer::Cancel);
}

void TestWindow::questionsLeftOpenWriteNothing_data() {
    QTest::addColumn<int>(
        "question"); // 0 save, 1 save a correction, 2 drop, 3 named file, 4 rebuild, 5 download
    QTest::addColumn<QString>("title"); // of the box left open
    QTest::newRow("save") << 0 << u"Salvataggio dati"_s;
    QTest::newRow("save a correction") << 1 << u"Salvataggio dati"_s;
    QTest::newRow("import of a dropped file") << 2 << u"Importazione archivio"_s;
    QTest::newRow("import of a named file") << 3 << u"Importazione archivio"_s;
    QTest::newRow("rebuild offered") << 4 << u"Importazione archivio"_s;
    QTest::newRow("download") << 5 << u"Importazione archivio"_s;
}

// The program asked to end (its window destroyed from outside) while a question is open: the
// question is answered no, and nothing is written.
void TestWindow::questionsLeftOpenWriteNothing() {
    QFETCH(int, question);
    QFETCH(QString, title);
    const Archive archive = MakeDemoArchive(QDate(2100, 1, 1), 3480);
    QByteArray text = ExportStorico(MakeDemoArchive(QDate(2100, 1, 1), 3500));
    if (question == 4) // a draw missing from the file: the rebuild is offered
        text.replace(ExportStorico(DemoOf(100)).mid(ExportStorico(DemoOf(99)).size()), "");
    LocalHttpServer server;
    server.routes.insert(u"/storico.zip"_s, {.body = MakeZip({{u"storico.txt"_s, text}})});
    WindowHarness h(&archive);
    QFile file(h.dataPath() + u"storico.txt"_s);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    const auto files = [&h] {
        QStringList contents;
        for (const QFileInfo& info :
             QDir(h.dataPath()).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile f(info.filePath());
            contents << info.fileName() + u':' +
                            QString::number(qHash(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray()));
        }
        return contents;
    };
    const QStringList before = files();
    QtMessageBoxes boxes;
    h.messages = &boxes;
    h.settings.values.insert(u"Update/Url"_s, server.url(u"/storico.zip"_s).toString());
    if (question == 3)
        h.fileToImport = file.fileName();
    QStringList seen;
    QTimer watch;
    int okFirst = question == 1 ? 1 : 0; // the correction's own question first
    connect(&watch, &QTimer::timeout, [&seen, &okFirst] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen << box->windowTitle();
        if (okFirst-- > 0)
            box->button(QMessageBox::Ok)->click();
        else
            QCoreApplication::exit(0);
    });
    watch.start(10);
    frmVorel& w = h.start();
    if (question == 0) {
        ui(w).But1->click(); // a new draw
        const PackedDate last = archive.DrawDate(3480);
        const QDate next = QDate(FullYear(last.yearCode), last.month, last.day).addDays(1);
        fillDraw(w, typedNumbers(), AllWheels, PackDate(next.year(), next.month(), next.day()),
                 next.dayOfWeek());
        ui(w).But1->click();
    } else if (question == 1) {
        ui(w).But3->click(); // the archive view, at the last draw
        ui(w).But1->click(); // its correction
        ui(w).But1->click();
    } else if (question == 2 || question == 4) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(file.fileName())});
        QDragEnterEvent enter(QPoint(20, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &enter);
        QDropEvent drop(QPointF(20, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &drop);
    } else if (question == 5) {
        ui(w).But2->click();
        ui(w).butDownload->click();
    }
    QTRY_VERIFY(!seen.isEmpty() && seen.last() == title);
    QTest::qWait(50);
    runTheApplicationLoopOnce();
    QCOMPARE(files(), before);
}

void TestWindow::statusLine_data() {
    QTest::addColumn<int>("draws");      // 0: an empty folder
    QTest::addColumn<int>("incomplete"); // draws given a zero
    QTest::newRow("empty") << 0 << 0;
    QTest::newRow("one draw") << 1 << 0;
    QTest::newRow("many") << 3000 << 0;
    QTest::newRow("one incomplete") << 3000 << 1;
    QTest::newRow("three incomplete") << 3000 << 3;
}

// What the archive holds, under the main menu; the weekday and the date by the calendar.
void TestWindow::statusLine() {
    QFETCH(int, draws);
    QFETCH(int, incomplete);
    Archive archive = DemoOf(std::max(draws, 1));
    for (int i = 1; i <= incomplete; ++i)
        archive.setDrawNumber(i, 10 * i, 2, 0);
    WindowHarness h(draws ? &archive : nullptr);
    frmVorel& w = h.start();
    const QString folder = u" Cartella: "_s + QDir::toNativeSeparators(h.dataPath());
    QString expected = u"Archivio vuoto."_s + folder;
    if (draws) {
        const PackedDate last = archive.DrawDate(draws);
        const QDate day(FullYear(last.yearCode), last.month, last.day);
        expected = u"%1 %2; l'ultima di %3 %4."_s.arg(draws).arg(
            draws == 1 ? u"estrazione"_s : u"estrazioni"_s,
            QLocale(QLocale::Italian).dayName(day.dayOfWeek()), day.toString(u"dd-MM-yyyy"_s));
        if (incomplete)
            expected += incomplete == 1 ? u" 1 estrazione incompleta."_s
                                        : u" %1 estrazioni incomplete."_s.arg(incomplete);
        // The demo's next draw, long past the harness's clock.
        const PackedDate next = DemoOf(draws + 1).DrawDate(draws + 1);
        expected += u" In attesa dei risultati del %1."_s.arg(
                        QDate(FullYear(next.yearCode), next.month, next.day).toString(u"dd-MM-yyyy"_s)) +
                    folder;
    }
    QCOMPARE(w.findChild<QLabel*>(u"LStatus"_s)->text(), expected);
    QCOMPARE(w.findChild<QLabel*>(u"LAdvice"_s)->isVisible(), draws == 0);
    QTest::keyClick(&w, Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(
        h.boxes.shown.last(),
        Messages::about(
            h.dataPath(), QString(),
            QString::fromLatin1(
                qVersion()))); // The entry screen of an empty archive says the same, with its first draw.
    ui(w).But1->click();
    auto* empty = w.findChild<QLabel*>(u"LEmpty"_s);
    QCOMPARE(empty->isVisible(), draws == 0);
    QVERIFY(empty->text().endsWith(u"la prima estrazione, del 04-01-1947."_s));
}

// Ctrl+O imports the official file as a drop does; Ctrl+E writes what --export writes.
void TestWindow::openAndExportFromTheWindow() {
    WindowHarness h(nullptr);
    QTemporaryDir files;
    const QString official = files.filePath(u"storico.txt"_s);
    QFile text(official);
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write(ExportStorico(DemoOf(3500)));
    text.close();
    QString chosen = official;
    h.chooseFile = [&chosen](bool, const QString&, const QString&) { return chosen; };
    frmVorel& w = h.start();
    h.boxes.answers = {MsgAnswer::Ok, MsgAnswer::Ok};
    QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(w.archive().DrawCount(), 3500);
    QTemporaryDir reference;
    QCOMPARE(RunVorel({u"--data"_s, reference.path(), u"--import"_s, official}).result.exitStatus, 0);
    for (const QString& name : DataFileName::all()) {
        QFile mine(h.dataPath() + name), theirs(reference.filePath(name));
        QVERIFY(mine.open(QIODevice::ReadOnly) && theirs.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), theirs.readAll());
    }
    for (const QString& name : {u"archivio.csv"_s, u"archivio.txt"_s}) {
        chosen = files.filePath(name);
        QTest::keyClick(&w, Qt::Key_E, Qt::ControlModifier);
        QFile written(chosen);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QStringList format =
            name.endsWith(u".txt") ? QStringList{u"--format"_s, u"storico"_s} : QStringList{};
        QCOMPARE(written.readAll(),
                 RunVorel(QStringList{u"--data"_s, h.dataPath(), u"--export"_s, u"-"_s} + format).out);
    }
}

void TestWindow::accessibleNames_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("day") << u"TBData1"_s << u"Giorno"_s;
    QTest::newRow("month") << u"TBData2"_s << u"Mese"_s;
    QTest::newRow("year") << u"TBData3"_s << u"Anno"_s;
    QTest::newRow("weekday, by its caption") << u"Combo1"_s << u"Giorno"_s;
    QTest::newRow("first number") << u"TBNum1"_s << u"Ruota BA, numero 1"_s;
    QTest::newRow("last number") << u"TBNum5"_s << u"Ruota BA, numero 5"_s;
    QTest::newRow("a button, by its caption") << u"But1"_s << u"OK"_s;
}

// What a screen reader hears on the entry screen of a correction, read through the accessibility
// tree; the panel and the grid give their text.
void TestWindow::accessibleNames() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    WindowHarness h(&DemoArchive());
    frmVorel& w = h.start();
    ui(w).But3->click();
    ui(w).VScrl->setValue(10);
    h.boxes.answers = {MsgAnswer::Ok};
    ui(w).But1->click();
    QCOMPARE(w.currentScreen(), Screen::Entry);
    QWidget* widget = w.findChild<QWidget*>(control);
    QVERIFY(widget);
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(widget);
    // A list box's name is its choice; what it is, its caption says.
    const auto labels = field->relations(QAccessible::Label);
    QCOMPARE(control == u"Combo1" ? labels.value(0).first->text(QAccessible::Name)
                                  : field->text(QAccessible::Name),
             name);
    const QString panel = QAccessible::queryAccessibleInterface(ui(w).Pic1)->text(QAccessible::Description);
    QVERIFY2(panel.contains(FormatDrawDate(w.archive(), 10)), qPrintable(panel));
    ui(w).But2->click();
    const QString grid =
        QAccessible::queryAccessibleInterface(ui(w).Picture1)->text(QAccessible::Description);
    QVERIFY(grid.section(u'\n', 1, 1).contains(FormatDrawDate(w.archive(), view(w).CurrentDraw())));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
