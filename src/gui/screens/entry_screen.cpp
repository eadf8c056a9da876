// SPDX-License-Identifier: GPL-3.0-or-later
// The entry screen: the draw panel, the date and number fields, their keys and the wheel shown.
#include "screens/entry_screen.h"

#include "archive/constant_tables.h"
#include "calendar/draw_date.h"
#include "editor/entry_text.h"
#include "grid/grid_keys.h"
#include "grid/panel_text.h"
#include "screens/field_guard.h"
#include "text/draw_texts.h"
#include "text/status_texts.h"
#include "views/draw_panel.h"
#include "views/picture_box.h"
#include "widgets/click_label.h"
#include "widgets/fonts.h"
#include "widgets/palettes.h"
#include "widgets/placing.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace {

QString wheelCaption(int wheel) {
    return QStringLiteral("Ruota ") + WheelCode(wheel);
}

} // namespace

EntryScreen::EntryScreen(const Archive& archive, std::function<void()> refuse, QWidget* parent)
    : QWidget(parent), archive_(archive), refuse_(refuse), guard_(new FieldGuard(std::move(refuse), this)) {
    buildPicture();
    buildFields();
    connectFields();
    // The captions name the fields beside them for a screen reader.
    LTG->setBuddy(Combo1);
    LTD->setBuddy(TBData[1]);
    LTE1->setBuddy(Pic1);
    LTR->setBuddy(TBNum[1]);
}

// The picture the screen draws on, and inside it the weekday list, the draw panel, the captions
// and the wheel labels.
void EntryScreen::buildPicture() {
    Picture1 = makePicture(this);

    Combo1 = new QComboBox(Picture1);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setAccessibleName(QStringLiteral("Giorno della settimana"));
    placeInside(Picture1, Combo1, 120, 600, 855, 315);
    SetLightPalette(Combo1);
    // The open list is a window of its own, which does not take the box's colours.
    SetLightPalette(Combo1->view());
    SetLightPalette(Combo1->view()->window());
    for (int code = 0; code < DayAbbrevCount; ++code)
        Combo1->addItem(DayAbbrev(code));
    Pic1 = new PictureBox(Picture1);
    Pic1->setObjectName(QStringLiteral("Pic1"));
    Pic1->setAccessibleName(QStringLiteral("Estrazione nell'archivio"));
    placeInside(Picture1, Pic1, 5860, 0, 2420, 3366);
    Pic1->surface().setFont(MonoFont(10.5, true));
    Pic1->surface().setBackground(Teal);
    Pic1->surface().setColor(palette().color(QPalette::WindowText));
    SetTealBackground(Pic1);
    Pic1->setFocusPolicy(Qt::TabFocus);
    LEmpty = new QLabel(Pic1);
    LEmpty->setObjectName(QStringLiteral("LEmpty"));
    LEmpty->setWordWrap(true);
    LEmpty->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    LEmpty->hide();
    LTG = makeLabel(Picture1, QStringLiteral("Giorno"), 120, 380, 648, 240);
    LTD = makeLabel(Picture1, QStringLiteral("Data"), 120, 1100, 432, 240);
    LTE = makeLabel(Picture1, QStringLiteral("Estrazione N."), 120, 1800, 1455, 255);
    LTE1 = makeLabel(Picture1, QString(), 120, 2040, 855, 255);
    LTE1->setFont(MonoFont(11.25));
    LTR = makeLabel(Picture1, wheelCaption(1), 120, 2400, 870, 240);
    const std::pair<QLabel*, const char*> names[] = {
        {LTG, "LTG"}, {LTD, "LTD"}, {LTE, "LTE"}, {LTE1, "LTE1"}, {LTR, "LTR"}};
    for (const auto& [label, name] : names)
        label->setObjectName(QString::fromLatin1(name));
    for (int k = 1; k <= AllWheels; ++k) {
        auto* label = new ClickLabel(QStringLiteral("Label") + QString::number(k), Picture1);
        label->setObjectName(QStringLiteral("Lb") + QString::number(k));
        placeInside(Picture1, label, 3480, WheelLabelTop(k), k == 5 ? 2175 : 2172, 255);
        label->setFont(MonoFont(10.5));
        SetTealBackground(label);
        Lb[std::size_t(k)] = label;
    }
}

void EntryScreen::buildFields() {
    const int dateLefts[] = {0, 120, 648, 1188};
    const char* const dateNames[] = {"", "Giorno", "Mese", "Anno"};
    for (int i = 1; i <= 3; ++i) {
        TBData[std::size_t(i)] = makeTextBox(this, dateLefts[i], 1820);
        TBData[std::size_t(i)]->setObjectName(QStringLiteral("TBData") + QString::number(i));
        TBData[std::size_t(i)]->setAccessibleName(QString::fromLatin1(dateNames[i]));
    }
    const int numberLefts[] = {0, 106, 648, 1188, 1728, 2268};
    for (int j = 1; j <= 5; ++j) {
        TBNum[std::size_t(j)] = makeTextBox(this, numberLefts[j], 3120);
        TBNum[std::size_t(j)]->setObjectName(QStringLiteral("TBNum") + QString::number(j));
    }
    VScrl = new QScrollBar(Qt::Vertical, this);
    VScrl->setObjectName(QStringLiteral("VScrl"));
    VScrl->setAccessibleName(QStringLiteral("Ruota"));
    place(VScrl, 2820, 3060, 240, 480);
    VScrl->setRange(1, 1);
    VScrl->setSingleStep(1);
    VScrl->setPageStep(1);
    SetLightPalette(VScrl);
    VScrl->setTracking(false);
    VScrl->setFocusPolicy(Qt::StrongFocus);
}

void EntryScreen::connectFields() {
    connect(VScrl, &QScrollBar::valueChanged, this, &EntryScreen::VScrl_Change);
    for (int k = 1; k <= AllWheels; ++k)
        connect(Lb[std::size_t(k)], &ClickLabel::clicked, this, [this, k] { Lb_Click(k); });
    for (int i = 1; i <= 5; ++i) {
        for (QLineEdit* field : {TBNum[std::size_t(i)], i <= 3 ? TBData[std::size_t(i)] : nullptr}) {
            if (!field)
                continue;
            guard_->watch(field);
            field->installEventFilter(this);
        }
    }
}

TabStops EntryScreen::tabStops() const {
    return {{TBData[1], TBData[2], TBData[3], TBNum[1], TBNum[2], TBNum[3], TBNum[4], TBNum[5]},
            {VScrl, Picture1},
            {Pic1, Combo1}};
}

void EntryScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeBelowTheButtons(Picture1);
}

void EntryScreen::setWheelLabelBold(int wheel, bool bold) {
    if (wheel < 1 || wheel > AllWheels)
        return;
    QFont font = Lb[std::size_t(wheel)]->font();
    font.setBold(bold);
    Lb[std::size_t(wheel)]->setFont(font);
}

void EntryScreen::ShowEntryScreen() {
    Picture1->surface().clear();
    Picture1->refresh();
    for (int k = 1; k <= AllWheels; ++k)
        setWheelLabelBold(k, false);
    editWheel_ = 1;
    setWheelLabelBold(1, true);
    LTR->setText(wheelCaption(editWheel_));
    // The bar is set up with its signals held, so that no change of its value switches the wheel.
    {
        const QSignalBlocker hold(VScrl);
        VScrl->setRange(1, WheelCountOfDraw(currentDraw_ + 1));
        VScrl->setValue(1);
    }
    TBNum[1]->setFocus();
}

void EntryScreen::ShowDrawPanel(EntryMode mode, int p, const EditBuffer& pasted) {
    mode_ = mode;
    edit_ = IsPasted(mode) ? pasted : EditBuffer{};
    currentDraw_ = p;
    ShowEntryScreen();
    Pic1->surface().clear();
    Pic1->refresh();
    // A new draw's weekday is the one read from a pasted text, or none.
    const qint16 weekday =
        p == archive_.DrawCount() ? pasted.CurrentWeekday : GetDrawWeekday(archive_, p + 1).code;
    edit_.CurrentWeekday = weekday;
    Combo1->setCurrentIndex(std::clamp<int>(weekday, 0, 7));
    LTE1->setText(DrawNumberText(p + 1));
    const int k = IsCorrection(mode) ? p + 1 : p;
    Pic1->setAccessibleDescription(QString());
    if (k != 0) // the draw the new or corrected one is compared with
        Pic1->setAccessibleDescription(PrintDrawPanel(Pic1->surface(), archive_, k, edit_.EditNumbers,
                                                      IsCorrection(mode),
                                                      mode == EntryMode::PastedCorrection));
    Pic1->refresh();
    // An empty archive: the panel has no draw to show, and says what to do instead.
    LEmpty->setText(EmptyArchiveAdvice() + QStringLiteral(" Oppure scrivere qui la prima estrazione, del ") +
                    FirstArchiveDrawText() + u'.');
    LEmpty->setGeometry(Pic1->contentsRect().adjusted(4, 4, -4, -4));
    LEmpty->setVisible(archive_.DrawCount() == 0);
    fillEntryFields(p);
    nameNumberFields();
}

// A screen reader names each number field with the wheel it holds now.
void EntryScreen::nameNumberFields() {
    for (int p = 1; p <= 5; ++p)
        TBNum[std::size_t(p)]->setAccessibleName(
            QStringLiteral("Ruota %1, numero %2").arg(WheelCode(editWheel_)).arg(p));
}

void EntryScreen::fillEntryFields(int p) {
    const int wheels = WheelCountOfDraw(p + 1);
    const bool pasted = IsPasted(mode_);
    if (p == archive_.DrawCount() && !pasted) {
        edit_.EditDate = {};
        for (int i = 1; i <= 3; ++i)
            guard_->put(TBData[std::size_t(i)], QStringLiteral("0"));
        for (int w = 1; w <= AllWheels; ++w)
            Lb[std::size_t(w)]->setText(w <= wheels ? NewDrawLabelText(w) : QString());
        for (int j = 1; j <= 5; ++j)
            guard_->put(TBNum[std::size_t(j)], QStringLiteral(" "));
        return;
    }
    const PackedDate stored = archive_.DrawDate(p + 1);
    const int storedDate[] = {0, stored.day, stored.month, stored.yearCode};
    for (int i = 1; i <= 3; ++i)
        guard_->put(TBData[std::size_t(i)],
                    QString::number(pasted ? edit_.EditDate[std::size_t(i)] : storedDate[i]));
    if (!pasted)
        edit_.EditNumbers = archive_.drawWheels(p + 1);
    for (int w = 1; w <= AllWheels; ++w)
        Lb[std::size_t(w)]->setText(w <= wheels ? WheelLabelText(w, edit_.EditNumbers[std::size_t(w)])
                                                : QString());
    for (int j = 1; j <= 5; ++j)
        guard_->put(TBNum[std::size_t(j)], QString::number(edit_.EditNumbers[1][std::size_t(j)]));
}

// The draw as the fields hold it, for the rules and the save.
void EntryScreen::CommitEditedDraw() {
    StoreWheelFields();
    edit_.EditDate = {0, qint16(FieldValue(TBData[1]->text())), qint16(FieldValue(TBData[2]->text())),
                      qint16(FieldValue(TBData[3]->text()))};
    edit_.CurrentWeekday = qint16(std::max(Combo1->currentIndex(), 0));
    Q_EMIT committed(edit_);
}

void EntryScreen::selectDate() {
    TBData[1]->setFocus();
    TBData[1]->selectAll();
}

void EntryScreen::selectWeekday() {
    Combo1->setFocus();
}

void EntryScreen::StoreWheelFields() {
    auto& numbers = edit_.EditNumbers[std::size_t(editWheel_)];
    for (int p = 1; p <= 5; ++p)
        numbers[std::size_t(p)] = qint16(FieldValue(TBNum[std::size_t(p)]->text()));
    Lb[std::size_t(editWheel_)]->setText(WheelLabelText(editWheel_, numbers));
    setWheelLabelBold(editWheel_, false);
}

void EntryScreen::LoadWheelFields() {
    for (int p = 1; p <= 5; ++p)
        guard_->put(TBNum[std::size_t(p)],
                    NumberFieldText(edit_.EditNumbers[std::size_t(editWheel_)][std::size_t(p)]));
    LTR->setText(wheelCaption(editWheel_));
    nameNumberFields();
    TBNum[1]->setFocus();
    setWheelLabelBold(editWheel_, true);
}

void EntryScreen::VScrl_Change() {
    StoreWheelFields(); // editWheel_ still names the wheel being left
    editWheel_ = VScrl->value();
    LoadWheelFields();
}

void EntryScreen::Lb_Click(int index) {
    if (index >= 1 && index <= VScrl->maximum())
        VScrl->setValue(index);
}

// Enter moves on; digits, Backspace and 127 are typed; every other key is thrown away.
void EntryScreen::TBData_KeyPress(int index, int& keyAscii) {
    const FieldKey key = FieldKeyOf(char16_t(keyAscii));
    if (key == FieldKey::Enter)
        (index < 3 ? TBData[std::size_t(index + 1)] : TBNum[1])->setFocus();
    if (key != FieldKey::Typed)
        keyAscii = 0;
}

void EntryScreen::TBNum_KeyPress(int index, int& keyAscii) {
    const FieldKey key = FieldKeyOf(char16_t(keyAscii));
    if (key == FieldKey::Enter && index < 5)
        TBNum[std::size_t(index + 1)]->setFocus();
    else if (key == FieldKey::Enter)
        moveToNextWheel();
    if (key != FieldKey::Typed)
        keyAscii = 0;
}

void EntryScreen::TBNum_KeyUp(int keyCode, int shift) {
    if (shift != CtrlMask)
        return;
    if (keyCode == VirtualKey::Up && VScrl->value() > 1)
        VScrl->setValue(VScrl->value() - 1);
    else if (keyCode == VirtualKey::Down && VScrl->value() < WheelCountOfDraw(currentDraw_ + 1))
        VScrl->setValue(VScrl->value() + 1);
}

// Enter in the last number field: the next wheel, or past the last one, the commit button.
void EntryScreen::moveToNextWheel() {
    const int next = editWheel_ + 1;
    const int wheels = WheelCountOfDraw(currentDraw_ + 1);
    if (next <= wheels) {
        VScrl->setValue(next);
        TBNum[1]->setFocus();
        return;
    }
    StoreWheelFields();
    setWheelLabelBold(wheels, true);
    TBNum[5]->setFocus();
}

bool EntryScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        return keyInField(watched, static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

// Key presses and releases of the date and number fields, as the fields' own handlers see them.
bool EntryScreen::keyInField(QObject* watched, QKeyEvent* event) {
    for (int i = 1; i <= 5; ++i) {
        const bool date = i <= 3 && watched == TBData[std::size_t(i)];
        if (!date && watched != TBNum[std::size_t(i)])
            continue;
        // Ctrl+Up and Ctrl+Down change the wheel as the key goes down, not at its release.
        if (event->type() == QEvent::KeyRelease)
            return false;
        if (!date && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
            TBNum_KeyUp(VirtualKeyCode(event->key()), ModifierMask(event->modifiers()));
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
            refuse_();
        return keyAscii == 0;
    }
    return false;
}
