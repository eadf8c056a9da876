// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_loader.h"
#include "archive/constant_tables.h"
#include "archive/data_file_layout.h"
#include "archive/file_store.h"
#include "archive/sub_archive.h"
#include "calendar/draw_date.h"
#include "demo_archive.h"
#include "editor/entry_text.h"
#include "support/memory_file_store.h"
#include "support/window_harness.h"
#include "text/draw_texts.h"
#include "views/picture_box.h"
#include "widgets/click_label.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The window and its archive in memory, so that every byte written can be checked.
struct Editor {
    explicit Editor(int draws)
        : archive(MakeDemoArchive(QDate(2100, 1, 1), draws)), harness(&archive, &store) {
        harness.start();
        before = store;
    }
    frmVorel& w() { return harness.window(); }

    void fill(const WheelNumbers& numbers, int wheels, PackedDate date, int weekday) {
        fillDraw(w(), numbers, wheels, date, weekday);
    }

    QByteArray added(const QString& name) const { return store.file(name).mid(before.file(name).size()); }

    Archive archive;
    MemoryFileStore store;
    MemoryFileStore before;
    WindowHarness harness;
};

QStringList titles(const RecordingMessageBoxes& boxes) {
    QStringList list;
    for (const MessageRequest& box : boxes.shown)
        list.append(box.title);
    return list;
}

bool hasWhitePixel(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 255, 255))
                return true;
    return false;
}

} // namespace

class TestEditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newDrawIsSaved_data();
    void newDrawIsSaved();
    void correctionFromTheArchiveView();
    void commitBoxes_data();
    void commitBoxes();
    void zerosAcceptedAreSaved();
    void oldWeekdayIsChecked();
    void deleteTheLastDraw();
    void typingRules();
    void enterMovesOn();
    void typingReplacesTheProgramsValues_data();
    void typingReplacesTheProgramsValues();
    void wheelSelectorAndLabels();
    void panelOfANewDraw_data();
    void panelOfANewDraw();
    void failedSaveEndsTheProgram();
    void archiveChangedByAnotherWindow();
    void lockedOrOutOfStepArchive();
    void refusedBeforeWritingKeepsTheDraw_data();
    void refusedBeforeWritingKeepsTheDraw();
    void damagedWeekdayAsksForTheWeekday();
    void firstDrawOfAnEmptyArchive();
    void firstStartInThePerUserFolder();
    void pasteFlow_data();
    void pasteFlow();
    void pastedCorrectionShowsWhiteNumbers();
    void pastedYearIsNotCut();
};

void TestEditor::newDrawIsSaved_data() {
    QTest::addColumn<int>("draws");
    QTest::addColumn<QString>("subArchive");
    QTest::newRow("first draw after the weekly period: M") << 2619 << u"m"_s;
    QTest::newRow("the next: S") << 2620 << u"s"_s;
    QTest::newRow("draw 3474, no national wheel") << 3473 << u"m"_s;
    QTest::newRow("draw 3475, the first national record") << 3474 << u"s"_s;
    QTest::newRow("draw 3476") << 3475 << u"m"_s;
}

void TestEditor::newDrawIsSaved() {
    QFETCH(int, draws);
    QFETCH(QString, subArchive);
    Editor e(draws);
    QCOMPARE(e.archive.LastWeeklyDraw, 2619);
    const int d = draws + 1;
    ui(e.w()).But1->click();
    QCOMPARE(e.w().currentScreen(), Screen::Entry);
    const WheelNumbers numbers = typedNumbers();
    e.fill(numbers, WheelCountOfDraw(d), {9, 10, 5},
           7); // after the last draw, of 2005 at the latest: a Sunday
    ui(e.w()).But1->click();

    QCOMPARE(titles(e.harness.boxes), QStringList{u"Salvataggio dati"_s});
    QCOMPARE(e.harness.boxes.shown.first().text,
             u"Salvare i dati aggiornati?\rEstrazione %1 di domenica 09-10-2005"_s.arg(d));
    QCOMPARE(e.w().currentScreen(), Screen::MainMenu);
    // The status line says what was saved, until the next action.
    auto* status = e.w().findChild<QLabel*>(u"LStatus"_s);
    QCOMPARE(status->text(), u"Salvata l'estrazione %1 del 09-10-2005"_s.arg(d));
    ui(e.w()).But3->click();
    ui(e.w()).But2->click();
    QVERIFY(status->text().startsWith(CountedDraws(d)));
    QCOMPARE(e.w().archive().DrawCount(), d);
    QCOMPARE(wordAt(e.store.file(u"_data_sm.dtb"_s), 0), d);
    QCOMPARE(e.added(u"_data_sm.dtb"_s), QByteArray::fromHex("090a05"));
    QCOMPARE(e.added(u"_est_sm.dtb"_s), numbersRecord(numbers));
    QCOMPARE(e.added(u"_giorni.dtb"_s), QByteArray(1, char(7)));
    QCOMPARE(e.added(u"_rn.dtb"_s), d >= FirstNationalDraw ? nationalRecord(numbers) : QByteArray());
    const QString other = subArchive == u"m"_s ? u"s"_s : u"m"_s;
    QCOMPARE(e.added(u"_data_"_s + subArchive + u".dtb"_s), QByteArray::fromHex("090a05"));
    QCOMPARE(e.added(u"_est_"_s + subArchive + u".dtb"_s), numbersRecord(numbers));
    QCOMPARE(e.store.file(u"_data_"_s + other + u".dtb"_s), e.before.file(u"_data_"_s + other + u".dtb"_s));
    QCOMPARE(e.w().archive().DrawNumbers(10, d, 5), numbers[10][5]);
}

void TestEditor::correctionFromTheArchiveView() {
    Editor e(3480);
    ui(e.w()).But3->click();
    ui(e.w()).VScrl->setValue(2623);
    ui(e.w()).But1->click(); // CORREZIONE? OK
    QCOMPARE(e.w().currentScreen(), Screen::Entry);
    QCOMPARE(entry(e.w()).mode(), EntryMode::Correction);
    QCOMPARE(ui(e.w()).LTE1->text(), u" 2623"_s);
    QCOMPARE(ui(e.w()).TBData[1]->text(), QString::number(e.archive.DrawDate(2623).day));
    QCOMPARE(ui(e.w()).TBNum[1]->text(), QString::number(e.archive.DrawNumbers(1, 2623, 1)));
    QCOMPARE(ui(e.w()).Combo1->currentIndex(), int(e.archive.DrawWeekday(2623)));
    auto ba = e.archive.drawWheels(2623)[1];
    qint16 replacement = ba[2];
    do {
        replacement = qint16(replacement % 90 + 1);
    } while (std::find(ba.begin() + 1, ba.end(), replacement) != ba.end());
    ui(e.w()).TBNum[2]->setText(QString::number(replacement));
    ui(e.w()).But1->click(); // Salvare i dati corretti? OK

    const PackedDate stored = e.archive.DrawDate(2623);
    const QDate day(FullYear(stored.yearCode), stored.month, stored.day);
    QCOMPARE(e.harness.boxes.shown.last().text, u"Salvare i dati corretti?\rEstrazione 2623 di "_s +
                                                    QLocale(QLocale::Italian).dayName(day.dayOfWeek()) +
                                                    u' ' + day.toString(u"dd-MM-yyyy"_s));
    QCOMPARE(e.w().currentScreen(), Screen::MainMenu);
    QCOMPARE(e.w().archive().DrawCount(), 3480);
    const QByteArray record = e.store.file(u"_est_sm.dtb"_s).mid(50 * 2622, 50);
    QCOMPARE(e.w().archive().DrawNumbers(1, 2623, 2), qint16(quint8(record[1])));
    QCOMPARE(e.w().archive().DrawNumbers(1, 2623, 2), replacement);
    // Draw 2623 is the fourth after the weekly period: "S" record 2619 + 2.
    const SubArchivePlace place = SubArchiveOf(2623, 2619);
    QCOMPARE(place.suffix, u"S"_s);
    QCOMPARE(place.index, 2621);
    QCOMPARE(e.store.file(u"_est_s.dtb"_s).mid(50 * (place.index - 1), 50), record);
    QCOMPARE(e.store.file(u"_est_m.dtb"_s), e.before.file(u"_est_m.dtb"_s));
    QCOMPARE(e.store.file(u"_est_s.dtb"_s).size(), e.before.file(u"_est_s.dtb"_s).size());
}

void TestEditor::commitBoxes_data() {
    QTest::addColumn<int>("problem");
    QTest::addColumn<QList<int>>("answers"); // 1 OK, 0 Cancel
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("saved");
    QTest::newRow("zeros, Cancel") << 1 << QList<int>{0}
                                   << QStringList{u"Ci sono degli 0 sulla ruota di CA."_s} << false;
    QTest::newRow("zeros, OK, then confirmed")
        << 1 << QList<int>{1, 1} << QStringList{u"Ci sono degli 0 sulla ruota di CA."_s, u"{save}"_s} << true;
    QTest::newRow("duplicates") << 2 << QList<int>{}
                                << QStringList{u"Ci sono i doppi numeri sulla ruota di FI."_s} << false;
    QTest::newRow("above 90") << 3 << QList<int>{}
                              << QStringList{u"Numeri maggiori di 90 sulla ruota di RO."_s} << false;
    QTest::newRow("31 April") << 4 << QList<int>{} << QStringList{u"La data \u00e8 errata."_s} << false;
    QTest::newRow("no weekday, OK") << 5 << QList<int>{1} << QStringList{u"Occorre specificare il giorno"_s}
                                    << false;
    QTest::newRow("save cancelled") << 0 << QList<int>{0} << QStringList{u"{save}"_s} << false;
    QTest::newRow("dated after tomorrow")
        << 8 << QList<int>{}
        << QStringList{u"La data 09-12-26 è successiva a domani: si registrano solo le estrazioni già "
                       u"avvenute."_s}
        << false;
    QTest::newRow("a weekday that is not the date's")
        << 7 << QList<int>{}
        << QStringList{u"Il giorno scelto non corrisponde alla data: il 09-10-04 è Sab."_s} << false;
    QTest::newRow("dated before the last draw")
        << 6 << QList<int>{}
        << QStringList{u"La data deve essere successiva a quella dell'ultima estrazione ({last})."_s}
        << false;
}

void TestEditor::commitBoxes() {
    QFETCH(int, problem);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, texts);
    QFETCH(bool, saved);
    Editor e(3000);
    ui(e.w()).But1->click();
    WheelNumbers numbers = typedNumbers();
    PackedDate date{9, 10, 4};
    int weekday = 6; // a Saturday
    if (problem == 1)
        numbers[2][4] = 0;
    else if (problem == 2)
        numbers[3] = {0, 5, 17, 5, 40, 62};
    else if (problem == 3)
        numbers[8][5] = 91;
    else if (problem == 4)
        date = {31, 4, 4};
    else if (problem == 5)
        weekday = 0;
    else if (problem == 6)
        date = e.archive.DrawDate(3000);
    else if (problem == 7)
        weekday = 3;
    else if (problem == 8)
        date = {9, 12, 26}; // the harness's today is 07-12-2026
    e.fill(numbers, 10, date, weekday);
    for (int answer : answers)
        e.harness.boxes.answers.append(answer ? MsgAnswer::Ok : MsgAnswer::Cancel);
    const int writes = e.store.writeCount();
    ui(e.w()).But1->click();

    QStringList shown;
    for (const MessageRequest& box : e.harness.boxes.shown)
        shown.append(box.text);
    texts.replaceInStrings(u"{last}"_s, FormatDrawDate(e.archive, 3000));
    texts.replaceInStrings(u"{save}"_s,
                           u"Salvare i dati aggiornati?\rEstrazione 3001 di sabato 09-10-2004"_s);
    QCOMPARE(shown, texts);
    QCOMPARE(e.store.writeCount() > writes, saved);
    QCOMPARE(int(e.w().currentScreen()), saved ? 0 : 1);
    if (problem == 4 || problem == 6 || problem == 8) {
        // Back in the day field, all of it selected: what is typed replaces it, never merges with it.
        QLineEdit* day = ui(e.w()).TBData[1];
        QCOMPARE(QApplication::focusWidget(), day);
        QCOMPARE(day->selectedText(), day->text());
        QTest::keyClicks(day, u"18"_s);
        QCOMPARE(day->text(), u"18"_s);
    }
    if (!saved)
        QCOMPARE(entry(e.w()).edit().EditNumbers[10], numbers[10]); // everything typed is kept
}

// OK to the zeros box: two zeros on one wheel are no duplicates, and the draw is saved with them.
void TestEditor::zerosAcceptedAreSaved() {
    Editor e(3000);
    ui(e.w()).But1->click();
    WheelNumbers numbers = typedNumbers();
    numbers[1] = {0, 0, 12, 0, 40, 62};
    numbers[2][1] = 0; // a second wheel with a zero: still one box
    e.fill(numbers, 10, {9, 10, 4}, 6);
    ui(e.w()).But1->click();
    QCOMPARE(titles(e.harness.boxes), (QStringList{u"ATTENZIONE"_s, u"Salvataggio dati"_s}));
    QCOMPARE(e.harness.boxes.shown.first().text, u"Ci sono degli 0 sulla ruota di BA."_s);
    QCOMPARE(e.w().archive().DrawNumbers(1, 3001, 1), 0);
    QCOMPARE(e.w().archive().DrawNumbers(1, 3001, 2), 12);
}

// The weekday is the date's in every year, as the check of the archive says.
void TestEditor::oldWeekdayIsChecked() {
    Editor e(3000);
    ui(e.w()).But3->click();
    ui(e.w()).VScrl->setValue(700);
    ui(e.w()).But1->click(); // CORREZIONE? OK
    const PackedDate stored = e.archive.DrawDate(700);
    const int weekday = QDate(FullYear(stored.yearCode), stored.month, stored.day).dayOfWeek();
    QVERIFY(FullYear(stored.yearCode) < 1996);
    ui(e.w()).Combo1->setCurrentIndex(weekday % 7 + 1);
    ui(e.w()).But1->click();
    QCOMPARE(e.harness.boxes.shown.last().text,
             u"Il giorno scelto non corrisponde alla data: il %1 è %2."_s.arg(FormatDrawDate(stored),
                                                                              WeekdayText(weekday)));
    QCOMPARE(e.store.writeCount(), e.before.writeCount());
    QCOMPARE(e.w().currentScreen(), Screen::Entry);
}

// Delete in the archive view takes back the last draw, and only it, after a question naming it.
void TestEditor::deleteTheLastDraw() {
    Editor e(3480);
    ui(e.w()).But3->click();
    QTest::keyClick(ui(e.w()).Picture1, Qt::Key_Delete);
    const PackedDate last = e.archive.DrawDate(3480);
    const QDate day(FullYear(last.yearCode), last.month, last.day);
    const QString named = u"Estrazione 3480 di "_s + QLocale(QLocale::Italian).dayName(day.dayOfWeek()) +
                          u' ' + day.toString(u"dd-MM-yyyy"_s);
    QCOMPARE(e.harness.boxes.shown, QList{Messages::deleteOnlyTheLast(named)});
    QTest::keyClick(ui(e.w()).Picture1, Qt::Key_End, Qt::ControlModifier);
    e.harness.boxes.answers = {MsgAnswer::Cancel};
    QTest::keyClick(ui(e.w()).Picture1, Qt::Key_Delete);
    QCOMPARE(e.harness.boxes.shown.last(), Messages::deleteLastQuestion(named));
    QCOMPARE(e.store.writeCount(), e.before.writeCount());
    QTest::keyClick(ui(e.w()).Picture1, Qt::Key_Delete);
    QCOMPARE(e.harness.boxes.shown.size(), 3);
    QCOMPARE(DifferingFiles(e.store, StoreOf(MakeDemoArchive(QDate(2100, 1, 1), 3479))), QStringList());
    QCOMPARE(e.w().archive().DrawCount(), 3479);
    QCOMPARE(e.w().currentScreen(), Screen::ArchiveView);
}

void TestEditor::typingRules() {
    Editor e(3000);
    ui(e.w()).But1->click();
    QLineEdit* field = ui(e.w()).TBNum[1];
    QCOMPARE(field->text(), u" "_s);
    QTRY_COMPARE(field->selectedText(), u" "_s); // the program's value, selected: typing replaces it
    QTest::keyClicks(field, u"12"_s);
    QCOMPARE(field->text(), u"12"_s);
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), u"1"_s);

    QLineEdit* other = ui(e.w()).TBNum[2];
    QTest::keyClick(other, Qt::Key_End);
    QCOMPARE(e.harness.beeps, 0);
    QTest::keyClicks(other, u"45"_s); // after the blank: the second digit is undone, with a beep
    QCOMPARE(other->text(), u" 4"_s);
    QCOMPARE(other->cursorPosition(), 2);
    QCOMPARE(e.harness.beeps, 1);

    QLineEdit* empty = ui(e.w()).TBNum[3];
    empty->clear();
    QTest::keyClicks(empty, u"123"_s);
    QCOMPARE(empty->text(), u"12"_s);
    QCOMPARE(empty->cursorPosition(), 2);
    QTest::keyClicks(empty, u"a -+.,"_s);
    QCOMPARE(empty->text(), u"12"_s);
    QCOMPARE(e.harness.beeps, 8); // no key is dropped without a sound
    QTest::keyClick(empty, Qt::Key_Left);
    QTest::keyClick(empty, Qt::Key_Tab);
    QCOMPARE(e.harness.beeps, 8);
    // Pasting obeys the same rules as typing.
    empty->clear();
    for (const auto& [pasted, kept] : {std::pair{u"7x9abc"_s, u""_s}, std::pair{u"79"_s, u"79"_s}}) {
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(empty, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(empty->text(), kept);
    }

    QLineEdit* day = ui(e.w()).TBData[1];
    QCOMPARE(day->text(), u"0"_s);
    QTest::keyClick(day, Qt::Key_Delete);
    QTest::keyClicks(day, u"x31"_s);
    QCOMPARE(day->text(), u"31"_s);
}

void TestEditor::typingReplacesTheProgramsValues_data() {
    QTest::addColumn<bool>("backwards"); // reached with Shift+Tab from the first number field
    QTest::newRow("a click, then Enter") << false;
    QTest::newRow("Shift+Tab") << true;
}

// The zeros the program puts in the date fields are selected whenever a field is entered, by a
// click, Enter or Shift+Tab: what the user types replaces them.
void TestEditor::typingReplacesTheProgramsValues() {
    QFETCH(bool, backwards);
    Editor e(3000);
    ui(e.w()).But1->click();
    const std::array<QString, 4> typed = {QString(), u"15"_s, u"12"_s, u"26"_s};
    if (!backwards) {
        QTest::mouseClick(ui(e.w()).TBData[1], Qt::LeftButton, {}, QPoint(2, 5));
        for (int i = 1; i <= 3; ++i) {
            QTRY_COMPARE(QApplication::focusWidget(), ui(e.w()).TBData[std::size_t(i)]);
            QTRY_VERIFY(ui(e.w()).TBData[std::size_t(i)]->hasSelectedText());
            QTest::keyClicks(QApplication::focusWidget(), typed[std::size_t(i)]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
    } else {
        for (int i = 3; i >= 1; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QTRY_COMPARE(QApplication::focusWidget(), ui(e.w()).TBData[std::size_t(i)]);
            QTRY_VERIFY(ui(e.w()).TBData[std::size_t(i)]->hasSelectedText());
            QTest::keyClicks(QApplication::focusWidget(), typed[std::size_t(i)]);
        }
    }
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(ui(e.w()).TBData[std::size_t(i)]->text(), typed[std::size_t(i)]);
}

void TestEditor::enterMovesOn() {
    Editor e(3474); // the new draw 3475 has eleven wheels
    ui(e.w()).But1->click();
    QTest::keyClick(ui(e.w()).TBData[1], Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), ui(e.w()).TBData[2]);
    QTest::keyClick(ui(e.w()).TBData[3], Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), ui(e.w()).TBNum[1]);
    QCOMPARE(e.w().currentScreen(), Screen::Entry); // Enter is no button press here
    for (int j = 1; j <= 4; ++j) {
        QTest::keyClick(ui(e.w()).TBNum[std::size_t(j)], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), ui(e.w()).TBNum[std::size_t(j + 1)]);
    }
    for (int wheel = 1; wheel <= 10; ++wheel) {
        ui(e.w()).TBNum[5]->clear();
        QTest::keyClicks(ui(e.w()).TBNum[5], QString::number(wheel + 10));
        QTest::keyClick(ui(e.w()).TBNum[5], Qt::Key_Return);
    }
    QCOMPARE(entry(e.w()).EditWheel(), 11);
    QCOMPARE(ui(e.w()).LTR->text(), u"Ruota RN"_s);
    QCOMPARE(QApplication::focusWidget(), ui(e.w()).TBNum[1]);
    QCOMPARE(entry(e.w()).edit().EditNumbers[10][5], 20);

    // Past the last wheel: stored, its label bold again, the focus stays.
    ui(e.w()).TBNum[5]->setText(u"77"_s);
    QTest::keyClick(ui(e.w()).TBNum[5], Qt::Key_Return);
    QCOMPARE(entry(e.w()).EditWheel(), 11);
    QCOMPARE(entry(e.w()).edit().EditNumbers[11][5], 77);
    QVERIFY(ui(e.w()).Lb[11]->font().bold());
    QCOMPARE(QApplication::focusWidget(), ui(e.w()).TBNum[5]);

    // Ctrl+Up and Ctrl+Down step through the wheels; plain Up does nothing.
    QTest::keyClick(ui(e.w()).TBNum[2], Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(entry(e.w()).EditWheel(), 10);
    QTest::keyClick(ui(e.w()).TBNum[2], Qt::Key_Up);
    QCOMPARE(entry(e.w()).EditWheel(), 10);
    QTest::keyClick(ui(e.w()).TBNum[2], Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(ui(e.w()).TBNum[2], Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(entry(e.w()).EditWheel(), 11);
    ui(e.w()).VScrl->setValue(1);
    QTest::keyClick(ui(e.w()).TBNum[2], Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(entry(e.w()).EditWheel(), 1);
}

void TestEditor::wheelSelectorAndLabels() {
    Editor e(3000);
    ui(e.w()).But1->click();
    const QStringList typed = {u"7"_s, u""_s, u"07"_s, u"90"_s, u"5"_s};
    for (int p = 1; p <= 5; ++p)
        ui(e.w()).TBNum[std::size_t(p)]->setText(typed.at(p - 1));
    entry(e.w()).Lb_Click(3);
    QCOMPARE(ui(e.w()).Lb[1]->text(), u"BA  7  0  7 90  5"_s);
    QVERIFY(!ui(e.w()).Lb[1]->font().bold());
    QVERIFY(ui(e.w()).Lb[3]->font().bold());
    QCOMPARE(ui(e.w()).LTR->text(), u"Ruota FI"_s);
    QCOMPARE(ui(e.w()).Lb[3]->text(), u"FI  0  0  0  0  0"_s);
    QCOMPARE(ui(e.w()).Lb[11]->text(), QString());
    entry(e.w()).Lb_Click(1);
    QStringList shown;
    for (int p = 1; p <= 5; ++p)
        shown.append(ui(e.w()).TBNum[std::size_t(p)]->text());
    QCOMPARE(shown, (QStringList{u"7"_s, u""_s, u"7"_s, u"90"_s, u"5"_s}));
    e.harness.screenshot(u"entry-new-draw"_s);
}

void TestEditor::panelOfANewDraw_data() {
    QTest::addColumn<int>("draws");
    QTest::addColumn<int>("labels");
    QTest::newRow("new draw 3474") << 3473 << 10;
    QTest::newRow("new draw 3475") << 3474 << 11;
}

void TestEditor::panelOfANewDraw() {
    QFETCH(int, draws);
    QFETCH(int, labels);
    Editor e(draws);
    ui(e.w()).But1->click();
    for (int w = 1; w <= 11; ++w)
        QCOMPARE(ui(e.w()).Lb[std::size_t(w)]->text(),
                 w <= labels ? WheelCode(w) + u"  0  0  0  0  0"_s : QString());
    QCOMPARE(ui(e.w()).VScrl->maximum(), labels);
    QCOMPARE(ui(e.w()).TBData[3]->text(), u"0"_s);
    QCOMPARE(entry(e.w()).CurrentDraw(), draws);
    QCOMPARE(ui(e.w()).Combo1->currentIndex(), 0);
    QVERIFY(!hasWhitePixel(ui(e.w()).Pic1->surface().image()));
}

void TestEditor::failedSaveEndsTheProgram() {
    Editor e(3000);
    ui(e.w()).But1->click();
    e.fill(typedNumbers(), 10, {9, 10, 4}, 6);
    e.store.failWrite(e.store.writeCount() + 2, FileError::DiskFull);
    ui(e.w()).But1->click();
    QCOMPARE(e.harness.boxes.shown.last(),
             (MessageRequest{u"Disco pieno"_s, u"Errore"_s, MsgButtons::Ok, MsgIcon::None}));
    QCOMPARE(e.harness.endings, QList<int>{1});
    QVERIFY(e.harness.settings.writes.isEmpty());
    QCOMPARE(LoadArchive(e.store).value.DrawCount(), 3000);
}

// Two windows on one archive both add a draw: the second finds the archive changed, writes nothing
// and reloads; then its draw goes in as the next one, in its own sub-archive place.
void TestEditor::archiveChangedByAnotherWindow() {
    Editor e(3000);
    WindowHarness other(nullptr, &e.store);
    frmVorel& second = other.start();
    ui(e.w()).But1->click();
    ui(second).But1->click();
    e.fill(typedNumbers(), 10, {9, 10, 4}, 6);
    ui(e.w()).But1->click();
    fillDraw(second, typedNumbers(), 10, {12, 10, 4}, 2);
    const int writes = e.store.writeCount();
    ui(second).But1->click();
    QCOMPARE(other.boxes.shown.last(), Messages::archiveChangedOnDisk());
    QCOMPARE(e.store.writeCount(), writes);
    QCOMPARE(second.currentScreen(), Screen::MainMenu);
    QCOMPARE(second.archive().DrawCount(), 3001);

    ui(second).But1->click();
    fillDraw(second, typedNumbers(), 10, {12, 10, 4}, 2);
    ui(second).But1->click();
    QCOMPARE(e.added(u"_data_sm.dtb"_s), QByteArray::fromHex("090a04"
                                                             "0c0a04"));
    QCOMPARE(e.added(u"_giorni.dtb"_s), QByteArray::fromHex("0602"));
    const int s = wordAt(e.store.file(u"_data_s.dtb"_s), 0);
    const int m = wordAt(e.store.file(u"_data_m.dtb"_s), 0);
    QCOMPARE(s + m, 3002);
    QCOMPARE(e.added(u"_data_s.dtb"_s) + e.added(u"_data_m.dtb"_s), QByteArray::fromHex("090a04"
                                                                                        "0c0a04"));
    QVERIFY(other.endings.isEmpty());
}

// Another program writing the archive: the box says so, nothing is written and the draw stays on
// the screen to save again. A save that finds "S" and "M" out of step writes them from the full
// archive and says so.
void TestEditor::lockedOrOutOfStepArchive() {
    Editor e(3000);
    ui(e.w()).But1->click();
    e.fill(typedNumbers(), 10, {9, 10, 4}, 6);
    {
        const auto held = e.store.lock(0);
        QCOMPARE(held.error, Failure());
        const int writes = e.store.writeCount();
        ui(e.w()).But1->click();
        QCOMPARE(e.harness.boxes.shown.last(), Messages::archiveInUse());
        QCOMPARE(e.store.writeCount(), writes);
        QCOMPARE(e.w().currentScreen(), Screen::Entry);
    }
    QCOMPARE(e.store.remove(u"_est_m.dtb"_s), Failure());
    ui(e.w()).But1->click();
    QCOMPARE(e.harness.boxes.shown.last(), Messages::subArchivesRebuilt());
    QCOMPARE(e.w().currentScreen(), Screen::MainMenu);
    QVERIFY(e.harness.endings.isEmpty());
    QCOMPARE(e.w().archive().DrawCount(), 3001);
    QCOMPARE(DifferingFiles(e.store, StoreOf(e.w().archive())), QStringList());
}

void TestEditor::refusedBeforeWritingKeepsTheDraw_data() {
    QTest::addColumn<int>("draws");
    QTest::addColumn<int>("refusal"); // 0 "_data_s.dtb" unreadable, 1 "_GIORNI.DTB" read-only, 2 damage
    QTest::newRow("unreadable, draw for M") << 2619 << 0;
    QTest::newRow("unreadable, draw for S") << 2620 << 0;
    QTest::newRow("read-only weekdays file") << 3000 << 1;
    QTest::newRow("numbers file cut: damaged") << 3000 << 2;
}

// Every file a commit touches is read, and checked, before the first is written: a save refused
// then writes nothing, says why and what mends it, and keeps the typed draw on the screen. A damaged
// archive is named once at start-up.
void TestEditor::refusedBeforeWritingKeepsTheDraw() {
    QFETCH(int, draws);
    QFETCH(int, refusal);
    MemoryFileStore store = StoreOf(MakeDemoArchive(QDate(2100, 1, 1), draws));
    if (refusal == 0)
        store.failRead(u"_data_s.dtb"_s, FileError::PermissionDenied);
    if (refusal == 1)
        store.setReadOnly(u"_giorni.dtb"_s);
    if (refusal == 2)
        store.setFile(u"_est_sm.dtb"_s, store.file(u"_est_sm.dtb"_s).chopped(50));
    WindowHarness h(nullptr, &store);
    frmVorel& w = h.start();
    if (refusal == 2) {
        QCOMPARE(h.boxes.shown.size(), 1);
        QCOMPARE(h.boxes.shown.first().title, u"Archivio danneggiato"_s);
        QVERIFY(h.boxes.shown.first().text.contains(u"vorel --check --repair"_s));
    }
    const int writes = store.writeCount();
    ui(w).But1->click();
    // An unreadable archive is loaded as none: only a first draw passes the rules, to be refused then.
    const PackedDate date = refusal == 0 ? PackedDate{4, 1, 47} : PackedDate{9, 10, 4};
    fillDraw(w, typedNumbers(), 10, date, 6);
    ui(w).But1->click();
    const FileError errors[] = {FileError::PermissionDenied, FileError::PermissionDenied,
                                FileError::ArchiveDamaged};
    QCOMPARE(h.boxes.shown.last(),
             Messages::saveRefused(errors[refusal], refusal == 1 ? u"_GIORNI.DTB"_s : QString()));
    QVERIFY(h.endings.isEmpty());
    QCOMPARE(w.currentScreen(), Screen::Entry);
    QCOMPARE(ui(w).TBData[1]->text(), QString::number(date.day));
    QCOMPARE(store.writeCount(), writes);
}

// A weekday byte outside 0..7 selects no weekday, so the commit asks for one.
void TestEditor::damagedWeekdayAsksForTheWeekday() {
    Editor e(3000);
    QByteArray weekdays = e.store.file(u"_giorni.dtb"_s);
    weekdays[2622] = 9;
    e.store.setFile(u"_giorni.dtb"_s, weekdays);
    e.w().LoadArchiveReporting();
    ui(e.w()).But3->click();
    ui(e.w()).VScrl->setValue(2623);
    ui(e.w()).But1->click();
    QCOMPARE(ui(e.w()).Combo1->currentIndex(), 0);
    const int writes = e.store.writeCount();
    ui(e.w()).But1->click();
    QCOMPARE(e.harness.boxes.shown.last(), Messages::noWeekday());
    QCOMPARE(e.store.writeCount(), writes);
}

void TestEditor::firstDrawOfAnEmptyArchive() {
    MemoryFileStore store;
    WindowHarness h(nullptr, &store);
    frmVorel& w = h.start();
    QCOMPARE(h.boxes.shown.first(), Messages::loadError(FileError::FileNotFound, h.dataPath()));
    ui(w).But1->click();
    QCOMPARE(ui(w).LTE1->text(), u" 1"_s);
    QVERIFY(!hasWhitePixel(ui(w).Pic1->surface().image()));
    // Only the archive's first draw starts it: any other would be draw 1, without the draws before.
    fillDraw(w, typedNumbers(), 10, {18, 8, 26}, 2);
    ui(w).But1->click();
    QCOMPARE(h.boxes.shown.last(), Messages::newArchiveStartsWithTheFirstDraw());
    QCOMPARE(store.writeCount(), 0);
    fillDraw(w, typedNumbers(), 10, {4, 1, 47}, 6);
    ui(w).But1->click();
    QCOMPARE(w.archive().DrawCount(), 1);
    QCOMPARE(FormatDrawDate(w.archive(), 1), u"04-01-47"_s);
    // A once-a-week draw: the first of the weekly period, which every header names.
    QCOMPARE(store.file(u"_data_sm.dtb"_s), QByteArray::fromHex("0100010000000000000000000401"
                                                                "2f"));
    QCOMPARE(DifferingFiles(store, StoreOf(w.archive())), QStringList());
}

// An installed program's first start: no box, an empty archive; the first draw saved makes the
// folder, and the next start finds it there.
void TestEditor::firstStartInThePerUserFolder() {
    WindowHarness h(nullptr);
    h.dataPathOverride = h.dataPath() + u"share/Vorel/"_s;
    h.archiveExpected = false;
    frmVorel& w = h.start();
    QVERIFY(h.boxes.shown.isEmpty());
    QCOMPARE(w.currentScreen(), Screen::MainMenu);
    QCOMPARE(w.archive().DrawCount(), 0);
    ui(w).But1->click();
    fillDraw(w, typedNumbers(), 10, {4, 1, 47}, 6);
    ui(w).But1->click();
    QCOMPARE(w.archive().DrawCount(), 1);

    WindowHarness next(nullptr);
    next.dataPathOverride = h.dataPathOverride;
    frmVorel& again = next.start();
    QVERIFY(next.boxes.shown.isEmpty());
    QCOMPARE(FormatDrawDate(again.archive(), 1), u"04-01-47"_s);
}

void TestEditor::pasteFlow_data() {
    QTest::addColumn<int>("draw");      // the archived draw the text is made from
    QTest::addColumn<int>("dayShift");  // days added to its date
    QTest::addColumn<int>("change");    // BA's first number changed
    QTest::addColumn<QString>("title"); // of the first box; empty: none
    QTest::addColumn<int>("screen");    // after the box is answered OK
    QTest::addColumn<int>("saved");     // the draw that OK then saves, 0: nothing to save
    QTest::newRow("verified") << 3400 << 0 << 0 << u"VERIFICATO"_s << 3 << 0;
    QTest::newRow("differs") << 3400 << 0 << 1 << u"ATTENZIONE"_s << 1 << 3400;
    QTest::newRow("same numbers, other date") << 3400 << 1 << 0 << u"ATTENZIONE"_s << 1 << 3400;
    QTest::newRow("new draw") << 3480 << 3 << 0 << QString() << 1 << 3481;
    QTest::newRow("unreadable") << 0 << 0 << 0 << u"Vorel"_s << 3 << 0;
}

void TestEditor::pasteFlow() {
    QFETCH(int, draw);
    QFETCH(int, dayShift);
    QFETCH(int, change);
    QFETCH(QString, title);
    QFETCH(int, screen);
    QFETCH(int, saved);
    Editor e(3480);
    QString text = u"Estrazione del Lotto\n"_s;
    if (draw > 0) {
        const PackedDate date = e.archive.DrawDate(draw);
        text += u"Concorso n. 12\n%1/%2/%3\n"_s.arg(date.day + dayShift)
                    .arg(date.month)
                    .arg(FullYear(date.yearCode));
        for (int w = 1; w <= 10; ++w) {
            text += WheelName(w);
            for (int p = 1; p <= 5; ++p)
                text += u' ' +
                        QString::number(e.archive.DrawNumbers(w, draw, p) + (w == 1 && p == 1 ? change : 0));
            text += u'\n';
        }
    }
    ui(e.w()).But2->click();
    ui(e.w()).Text1->setPlainText(ui(e.w()).Text1->toPlainText() + text);
    ui(e.w()).Text1->moveCursor(QTextCursor::End);
    const int caret = ui(e.w()).Text1->textCursor().position();
    ui(e.w()).But1->click(); // Elabora
    QCOMPARE(titles(e.harness.boxes), title.isEmpty() ? QStringList{} : QStringList{title});
    QCOMPARE(int(e.w().currentScreen()), screen);
    QCOMPARE(ui(e.w()).Text1->toPlainText().endsWith(u'\n'), true);
    if (screen != 1) {
        QCOMPARE(ui(e.w()).Text1->textCursor().position(), caret); // a text read as it stands is kept
        return;
    }
    QCOMPARE(entry(e.w()).mode(), saved <= 3480 ? EntryMode::PastedCorrection : EntryMode::PastedNew);
    QCOMPARE(entry(e.w()).CurrentDraw() + 1, saved);
    if (saved > 3480) {
        // No weekday line: the weekday of the date.
        const PackedDate date = e.archive.DrawDate(draw);
        QCOMPARE(ui(e.w()).Combo1->currentIndex(),
                 int(Day_From_Date(qint16(date.day + dayShift), date.month, date.yearCode)));
        ui(e.w()).VScrl->setValue(11);
        for (int p = 1; p <= 5; ++p)
            ui(e.w()).TBNum[std::size_t(p)]->setText(QString::number(p + 40));
    }
    if (saved <= 3480 && dayShift != 0) {
        // The stored weekday is not the new date's: the user picks the date's, or the save is refused.
        const PackedDate date = e.archive.DrawDate(draw);
        ui(e.w()).Combo1->setCurrentIndex(
            Day_From_Date(qint16(date.day + dayShift), date.month, date.yearCode));
    }
    e.harness.screenshot(u"paste-"_s + QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-'));
    ui(e.w()).But1->click(); // OK, then "Salvare ...?" OK
    QCOMPARE(e.w().currentScreen(), Screen::MainMenu);
    QCOMPARE(e.w().archive().DrawNumbers(1, saved, 1), e.archive.DrawNumbers(1, draw, 1) + change);
    QCOMPARE(e.w().archive().DrawDate(saved).day, e.archive.DrawDate(draw).day + dayShift);
    if (saved <= 3480)
        QCOMPARE(e.w().archive().DrawCount(), 3480);

    // The same text pasted again is now verified.
    e.harness.boxes.shown.clear();
    ui(e.w()).But2->click();
    ui(e.w()).Text1->setPlainText(text);
    ui(e.w()).But1->click();
    if (saved <= 3480 || dayShift == 0)
        QCOMPARE(titles(e.harness.boxes), QStringList{u"VERIFICATO"_s});
}

void TestEditor::pastedCorrectionShowsWhiteNumbers() {
    Editor e(3480);
    const int draw = 3400;
    WheelNumbers numbers = e.archive.drawWheels(draw);
    auto& ca = numbers[2];
    qint16 other = ca[3];
    do {
        other = qint16(other % 90 + 1);
    } while (std::find(ca.begin() + 1, ca.end(), other) != ca.end());
    ca[3] = other;
    const PackedDate date = e.archive.DrawDate(draw);
    QString text = u"%1/%2/%3\n"_s.arg(date.day).arg(date.month).arg(FullYear(date.yearCode));
    for (int w = 1; w <= 10; ++w) {
        text += WheelCode(w);
        for (int p = 1; p <= 5; ++p)
            text += u' ' + QString::number(numbers[std::size_t(w)][std::size_t(p)]);
        text += u'\n';
    }
    ui(e.w()).But2->click();
    ui(e.w()).Text1->setPlainText(text);
    ui(e.w()).But1->click();
    QCOMPARE(e.harness.boxes.shown.first().title, u"ATTENZIONE"_s);
    QCOMPARE(e.w().currentScreen(), Screen::Entry);
    QVERIFY(hasWhitePixel(ui(e.w()).Pic1->surface().image()));
    QCOMPARE(ui(e.w()).Lb[2]->text(), WheelLabelText(2, ca));
    e.harness.screenshot(u"entry-pasted-correction"_s);

    // The same draw typed by hand as a correction: no white numbers.
    ui(e.w()).But2->click();
    ui(e.w()).But3->click();
    ui(e.w()).VScrl->setValue(draw);
    ui(e.w()).But1->click();
    QCOMPARE(e.w().currentScreen(), Screen::Entry);
    QVERIFY(!hasWhitePixel(ui(e.w()).Pic1->surface().image()));
    e.harness.screenshot(u"entry-correction"_s);
}

// A pasted year that does not fit the archive is shown whole and refused by the date check.
void TestEditor::pastedYearIsNotCut() {
    Editor e(3480);
    QString text = u"Sabato 1/1/1899\n"_s;
    for (int w = 1; w <= 10; ++w)
        text += WheelName(w) + u" 1 2 3 4 5\n"_s;
    // A Backspace that changes nothing leaves no state behind to cut the program's own values.
    ui(e.w()).But1->click();
    QTest::keyClick(ui(e.w()).TBData[1], Qt::Key_Backspace);
    ui(e.w()).But2->click();
    ui(e.w()).But2->click();
    ui(e.w()).Text1->setPlainText(text);
    ui(e.w()).But1->click();
    QCOMPARE(e.w().currentScreen(), Screen::Entry);
    QCOMPARE(ui(e.w()).TBData[3]->text(), u"1899"_s);
    QTest::keyClick(ui(e.w()).TBData[3], Qt::Key_End);
    QTest::keyClick(ui(e.w()).TBData[3], Qt::Key_Backspace);
    QCOMPARE(ui(e.w()).TBData[3]->text(), u"189"_s);
    ui(e.w()).VScrl->setValue(11);
    for (int p = 1; p <= 5; ++p)
        ui(e.w()).TBNum[std::size_t(p)]->setText(QString::number(p));
    const int writes = e.store.writeCount();
    ui(e.w()).But1->click();
    QCOMPARE(e.harness.boxes.shown.last().text, u"La data \u00e8 errata."_s);
    QCOMPARE(e.store.writeCount(), writes);
    QCOMPARE(e.w().currentScreen(), Screen::Entry);
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
