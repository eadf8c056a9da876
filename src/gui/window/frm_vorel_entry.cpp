// SPDX-License-Identifier: GPL-3.0-or-later
// The entry screen: the draw panel, the date and number fields, their keys and the wheel shown.
#include "archive/constant_tables.h"
#include "calendar/draw_date.h"
#include "editor/entry_text.h"
#include "grid/grid_keys.h"
#include "grid/panel_text.h"
#include "grid/twips.h"
#include "views/picture_box.h"
#include "window/click_label.h"
#include "window/frm_vorel.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

namespace {

const QColor White(255, 255, 255);

} // namespace

void frmVorel::ShowDrawPanel(int p) {
    if (ImportState == 0)
        edit = EditBuffer{};
    CurrentDraw = p;
    ShowEntryScreen();
    Pic1->surface().clear();
    Pic1->refresh();
    Combo1->show();
    const DrawWeekdayInfo weekday = GetDrawWeekday(archive, p + 1);
    edit.CurrentWeekday = weekday.code;
    CurrentDayName = weekday.abbrev;
    Combo1->setCurrentIndex(std::clamp<int>(edit.CurrentWeekday, 0, 7));
    LTE1->setText(DrawNumberText(p + 1));
    const int k = ScreenSubMode != 0 ? p + 1 : p;
    if (k != 0)
        printDrawPanel(k);
    fillEntryFields(p);
    CurrentDraw = p;
}

// The draw the new or corrected one is compared with, each wheel level with its label.
void frmVorel::printDrawPanel(int k) {
    PrintSurface& panel = Pic1->surface();
    const QColor text = panel.color();
    panel.print(PanelTitle(ScreenSubMode != 0));
    panel.newLine();
    const DrawWeekdayInfo weekday = GetDrawWeekday(archive, k);
    edit.CurrentWeekday = weekday.code;
    CurrentDayName = weekday.abbrev;
    panel.print(PanelDateLine(CurrentDayName, FormatDrawDate(archive, k)));
    panel.newLine();
    const bool highlight = ImportState == 1 && ScreenSubMode == 1;
    const WheelNumbers stored = archive.drawWheels(k);
    for (int i = 1; i <= WheelCountOfDraw(k); ++i) {
        panel.currentX = 0;
        panel.currentY = WheelLabelTop(i);
        for (const PanelPiece& piece :
             PanelWheelLine(stored[std::size_t(i)], edit.EditNumbers[std::size_t(i)], highlight)) {
            panel.setColor(piece.white ? White : text);
            panel.print(piece.text);
        }
        panel.setColor(text);
        panel.newLine();
    }
    Pic1->refresh();
}

void frmVorel::fillEntryFields(int p) {
    const int wheels = WheelCountOfDraw(p + 1);
    if (p == archive.DrawCount() && ImportState != 1) {
        edit.EditDate = {};
        for (int i = 1; i <= 3; ++i)
            putFieldText(TBData[std::size_t(i)], QStringLiteral("0"));
        for (int w = 1; w <= AllWheels; ++w)
            Lb[std::size_t(w)]->setText(w <= wheels ? NewDrawLabelText(w) : QString());
        for (int j = 1; j <= 5; ++j)
            putFieldText(TBNum[std::size_t(j)], QStringLiteral(" "));
        return;
    }
    const PackedDate stored = archive.DrawDate(p + 1);
    const int storedDate[] = {0, stored.day, stored.month, stored.yearCode};
    for (int i = 1; i <= 3; ++i)
        putFieldText(TBData[std::size_t(i)],
                     QString::number(ImportState == 1 ? edit.EditDate[std::size_t(i)] : storedDate[i]));
    if (ImportState == 0)
        edit.EditNumbers = archive.drawWheels(p + 1);
    for (int w = 1; w <= AllWheels; ++w)
        Lb[std::size_t(w)]->setText(w <= wheels ? WheelLabelText(w, edit.EditNumbers[std::size_t(w)])
                                                : QString());
    for (int j = 1; j <= 5; ++j)
        putFieldText(TBNum[std::size_t(j)], QString::number(edit.EditNumbers[1][std::size_t(j)]));
}

void frmVorel::StoreWheelFields() {
    auto& numbers = edit.EditNumbers[std::size_t(EditWheel)];
    for (int p = 1; p <= 5; ++p)
        numbers[std::size_t(p)] = qint16(FieldValue(TBNum[std::size_t(p)]->text()));
    Lb[std::size_t(EditWheel)]->setText(WheelLabelText(EditWheel, numbers));
    setWheelLabelBold(EditWheel, false);
}

void frmVorel::LoadWheelFields() {
    for (int p = 1; p <= 5; ++p)
        putFieldText(TBNum[std::size_t(p)],
                     NumberFieldText(edit.EditNumbers[std::size_t(EditWheel)][std::size_t(p)]));
    LTR->setText(QStringLiteral("Ruota ") + WheelCode(EditWheel));
    TBNum[1]->setFocus();
    setWheelLabelBold(EditWheel, true);
}

// Enter moves on; digits, Backspace and 127 are typed; every other key is thrown away.
void frmVorel::TBData_KeyPress(int index, int& keyAscii) {
    const FieldKey key = FieldKeyOf(char16_t(keyAscii));
    if (key == FieldKey::Enter)
        (index < 3 ? TBData[std::size_t(index + 1)] : TBNum[1])->setFocus();
    if (key != FieldKey::Typed)
        keyAscii = 0;
}

void frmVorel::TBNum_KeyPress(int index, int& keyAscii) {
    const FieldKey key = FieldKeyOf(char16_t(keyAscii));
    if (key == FieldKey::Enter && index < 5)
        TBNum[std::size_t(index + 1)]->setFocus();
    else if (key == FieldKey::Enter)
        moveToNextWheel();
    if (key != FieldKey::Typed)
        keyAscii = 0;
}

void frmVorel::TBData_Change(int index) {
    judgeFieldEdit(TBData[std::size_t(index)]);
}
void frmVorel::TBNum_Change(int index) {
    judgeFieldEdit(TBNum[std::size_t(index)]);
}

// Runs for every change the user makes to a field, however it came (a key, Shift+Insert, a
// middle-click, undo), and never for the program's own values: a change that puts in anything
// but digits, or leaves more than two characters, is undone, the caret back where it was.
void frmVorel::judgeFieldEdit(QLineEdit* field) {
    const QString before = fieldTexts_.value(field);
    const QString after = field->text();
    if (FieldEditStands(before, after))
        return;
    refuseInput();
    ScratchText = WithoutTrailingBlanks(before);
    const int caret = field->cursorPosition() - int(after.size() - before.size());
    field->setText(ScratchText);
    field->setCursorPosition(std::clamp(caret, 0, int(ScratchText.size())));
    ScratchText.clear();
}
void frmVorel::TBNum_KeyUp(int /*index*/, int keyCode, int shift) {
    if (shift != CtrlMask)
        return;
    if (keyCode == VirtualKey::Up && VScrl->value() > 1)
        VScrl->setValue(VScrl->value() - 1);
    else if (keyCode == VirtualKey::Down && VScrl->value() < WheelCountOfDraw(CurrentDraw + 1))
        VScrl->setValue(VScrl->value() + 1);
}

// Enter in the last number field: the next wheel, or past the last one, the commit button.
void frmVorel::moveToNextWheel() {
    const int next = EditWheel + 1;
    const int wheels = WheelCountOfDraw(CurrentDraw + 1);
    if (next <= wheels) {
        VScrl->setValue(next);
        TBNum[1]->setFocus();
        return;
    }
    StoreWheelFields();
    setWheelLabelBold(wheels, true);
    TBNum[5]->setFocus();
}

// Key presses and releases of the date and number fields, as the fields' own handlers see them.
bool frmVorel::keyInField(QObject* watched, QKeyEvent* event) {
    for (int i = 1; i <= 5; ++i) {
        const bool date = i <= 3 && watched == TBData[std::size_t(i)];
        if (!date && watched != TBNum[std::size_t(i)])
            continue;
        if (event->type() == QEvent::KeyRelease) {
            if (!date)
                TBNum_KeyUp(i, VirtualKeyCode(event->key()), ModifierMask(event->modifiers()));
            return false;
        }
        // Tab moves the focus; keys without a character (arrows, Home, End) move the caret.
        if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
            return false;
        const QString typed = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
                                  ? QStringLiteral("\r")
                                  : event->text();
        if (typed.isEmpty())
            return false;
        int keyAscii = typed.front().unicode();
        if (date)
            TBData_KeyPress(i, keyAscii);
        else
            TBNum_KeyPress(i, keyAscii);
        // A sign that cannot go into the field is not dropped without a word.
        if (keyAscii == 0 && typed.front().isPrint())
            refuseInput();
        return keyAscii == 0;
    }
    return false;
}

void frmVorel::refuseInput() {
    if (services_.beep)
        services_.beep();
    else
        QApplication::beep();
}

// A value the program puts into a field (the zeros of a new draw, a stored or pasted value) is
// selected whenever the field is entered, so that what the user types replaces it.
void frmVorel::putFieldText(QLineEdit* field, const QString& text) {
    field->setText(text);
    field->setCursorPosition(0);
    programValues_.insert(field);
    if (field->hasFocus())
        field->selectAll();
}

// Entered by a click, Tab, Shift+Tab, Enter or the program: the click places the caret after the
// focus arrives, so the selection waits for it.
void frmVorel::selectProgramValue(QObject* watched) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field || !programValues_.contains(field))
        return;
    QTimer::singleShot(0, field, [this, field] {
        if (programValues_.contains(field) && field->hasFocus())
            field->selectAll();
    });
}
