// SPDX-License-Identifier: GPL-3.0-or-later
// The window and its controls as built, the layout that follows its size, and the routing of
// keys to the grid and to the default and cancel buttons.
#include "window/frm_vorel.h"

#include "archive/file_store.h"
#include "grid/grid_keys.h"
#include "grid/panel_text.h"
#include "grid/twips.h"
#include "views/focus_ring.h"
#include "views/picture_box.h"
#include "window/app_icon.h"
#include "window/click_label.h"
#include "window/fonts.h"
#include "window/message_boxes.h"
#include "window/palettes.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

namespace {

// Places a control at a rectangle given in twips within its container.
void place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(px(left), px(top), px(width), px(height));
}

QPushButton* makeButton(QWidget* parent, const QString& text, int left, int width, const QFont& font) {
    auto* button = new QPushButton(text, parent);
    place(button, left, 60, width, 360);
    button->setFont(font);
    button->setAutoDefault(false); // Enter presses only the default button, where a screen has one
    return button;
}

QLineEdit* makeTextBox(QWidget* parent, int left, int top) {
    auto* box = new QLineEdit(parent);
    // Only typed digits go in: no pasting from a menu and no dropping of text.
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    place(box, left, top, 540, 360);
    box->setFont(MonoFont(10.5));
    SetLightPalette(box); // black on white
    return box;
}

// Children of a framed picture are placed inside its border.
void placeInside(QFrame* picture, QWidget* child, int left, int top, int width, int height) {
    place(child, left, top, width, height);
    child->move(child->pos() + QPoint(picture->frameWidth(), picture->frameWidth()));
}

// A caption inside the picture; never narrower than its text, so that it is never cut.
QLabel* makeLabel(QFrame* picture, const QString& text, int left, int top, int width, int height) {
    auto* label = new QLabel(text, picture);
    SetTealBackground(label);
    placeInside(picture, label, left, top, width, height);
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    return label;
}

} // namespace

frmVorel::frmVorel(Services services, QWidget* parent) : QWidget(parent), services_(std::move(services)) {
    DataPath = services_.dataPath;
    buildControls();
    setTabOrder();
}

frmVorel::~frmVorel() = default;

void frmVorel::buildControls() {
    setWindowTitle(WindowCaption);
    setWindowIcon(AppIcon());
    setAcceptDrops(true); // the official results file, dropped on the main menu
    SetTealBackground(this);
    setFont(SansFont(8.25, true));
    resize(px(8835), px(5295));
    // The entry screen's controls end at the wheel scroll bar; smaller, they would be cut.
    setMinimumSize(px(8280), px(4440));
    buildButtons();
    buildPictureAndPasteBox();
    buildEntryFields();
    buildScrollBars();
    buildEntryScreenParts();
    connectControls();
    focusRing = new FocusRing(this);
}

void frmVorel::buildButtons() {
    const QFont buttonFont = SansFont(8.25);
    But1 = makeButton(this, QStringLiteral("OK"), 60, 1540, buttonFont);
    But2 = makeButton(this, QStringLiteral("Cancella"), 1660, 1540, buttonFont);
    But3 = makeButton(this, QStringLiteral("Aiuto"), 3260, 1540, buttonFont);
    But4 = makeButton(this, QString(), 4860, 1540, buttonFont);
    // In the place of the third and fourth buttons, which the paste screen does not show.
    butDownload = makeButton(this, DownloadCaption, 3260, 3140, buttonFont);
    butDownload->hide();
    butHelp = makeButton(this, QStringLiteral("?"), 7860, 360, SansFont(9.75));
    for (QPushButton* button : {But1, But2, But3, But4, butDownload})
        SetLightPalette(button, QPalette::Button, ButtonTeal);
    SetLightPalette(butHelp);
}

// The picture that every screen but the paste window draws on, and the paste box in its place.
void frmVorel::buildPictureAndPasteBox() {
    Picture1 = new PictureBox(this);
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(2); // the inner size is 60 twips less than the outer
    place(Picture1, 0, 480, 8635, 4452);
    Picture1->setFont(MonoFont(10.5));
    Picture1->surface().setFont(MonoFont(10.5));
    Picture1->surface().setBackground(Teal);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    SetTealBackground(Picture1);

    Text1 = new QPlainTextEdit(QStringLiteral("Text1"), this);
    place(Text1, 0, 480, 972, 372);
    Text1->setFont(MonoFont(10.5));
    SetLightPalette(Text1, QPalette::Base, PasteBackground);
}

void frmVorel::buildEntryFields() {
    const int dateLefts[] = {0, 120, 648, 1188};
    for (int i = 1; i <= 3; ++i)
        TBData[std::size_t(i)] = makeTextBox(this, dateLefts[i], 1820);
    const int numberLefts[] = {0, 106, 648, 1188, 1728, 2268};
    for (int j = 1; j <= 5; ++j)
        TBNum[std::size_t(j)] = makeTextBox(this, numberLefts[j], 3120);
}

void frmVorel::buildScrollBars() {
    HScrl = new QScrollBar(Qt::Horizontal, this);
    place(HScrl, 120, 4080, 8100, 240);
    HScrl->setRange(1, 11);
    HScrl->setSingleStep(1);
    HScrl->setPageStep(1);
    VScrl = new QScrollBar(Qt::Vertical, this);
    place(VScrl, 2820, 3060, 240, 480);
    VScrl->setRange(1, 1);
    VScrl->setSingleStep(1);
    VScrl->setPageStep(52);
    for (QScrollBar* bar : {HScrl, VScrl}) {
        SetLightPalette(bar);
        bar->setTracking(false); // the grid follows a dragged thumb only when it is let go
        bar->setFocusPolicy(Qt::StrongFocus);
        bar->installEventFilter(this);
    }
}

// Inside the picture: the weekday list, the draw panel, the captions and the wheel labels.
void frmVorel::buildEntryScreenParts() {
    Combo1 = new QComboBox(Picture1);
    placeInside(Picture1, Combo1, 120, 600, 855, 315);
    SetLightPalette(Combo1);
    // The open list is a window of its own, which does not take the box's colours.
    SetLightPalette(Combo1->view());
    SetLightPalette(Combo1->view()->window());
    Pic1 = new PictureBox(Picture1);
    placeInside(Picture1, Pic1, 5860, 0, 2420, 3366);
    Pic1->surface().setFont(MonoFont(10.5, true));
    Pic1->surface().setBackground(Teal);
    Pic1->surface().setColor(palette().color(QPalette::WindowText));
    SetTealBackground(Pic1);
    Pic1->setFocusPolicy(Qt::TabFocus);
    LTG = makeLabel(Picture1, QStringLiteral("Giorno"), 120, 380, 648, 240);
    LTD = makeLabel(Picture1, QStringLiteral("Data"), 120, 1100, 432, 240);
    LTE = makeLabel(Picture1, QStringLiteral("Estrazione N."), 120, 1800, 1455, 255);
    LTE1 = makeLabel(Picture1, QString(), 120, 2040, 855, 255);
    LTE1->setFont(MonoFont(11.25));
    LTR = makeLabel(Picture1, QStringLiteral("Ruota BA"), 120, 2400, 870, 240);
    for (int k = 1; k <= 11; ++k) {
        auto* label = new ClickLabel(QStringLiteral("Label") + QString::number(k), Picture1);
        placeInside(Picture1, label, 3480, WheelLabelTop(k), k == 5 ? 2175 : 2172, 255);
        label->setFont(MonoFont(10.5));
        SetTealBackground(label);
        Lb[std::size_t(k)] = label;
    }
}

void frmVorel::connectControls() {
    connect(But1, &QPushButton::clicked, this, &frmVorel::But1_Click);
    connect(But2, &QPushButton::clicked, this, &frmVorel::But2_Click);
    connect(But3, &QPushButton::clicked, this, &frmVorel::But3_Click);
    connect(But4, &QPushButton::clicked, this, &frmVorel::But4_Click);
    connect(butHelp, &QPushButton::clicked, this, &frmVorel::butHelp_Click);
    connect(butDownload, &QPushButton::clicked, this, &frmVorel::DownloadLatestResults);
    // F5 downloads from the main menu and the paste screen.
    connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this,
            &frmVorel::DownloadLatestResults);
    // F1 opens the help as "?" does, whichever control has the focus.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &frmVorel::butHelp_Click);
    connect(HScrl, &QScrollBar::valueChanged, this, &frmVorel::HScrl_Change);
    connect(VScrl, &QScrollBar::valueChanged, this, &frmVorel::VScrl_Change);
    connect(Picture1, &PictureBox::keyDown, this, &frmVorel::Picture1_KeyDown);
    for (int k = 1; k <= 11; ++k)
        connect(Lb[std::size_t(k)], &ClickLabel::clicked, this, [this, k] { Lb_Click(k); });
    // A user's change is judged first (textEdited comes before textChanged); then the field's
    // text, whatever it is now, is what the next change is judged against.
    for (int i = 1; i <= 5; ++i) {
        QLineEdit* number = TBNum[std::size_t(i)];
        QLineEdit* date = i <= 3 ? TBData[std::size_t(i)] : nullptr;
        connect(number, &QLineEdit::textEdited, this, [this, i, number] {
            programValues_.remove(number);
            TBNum_Change(i);
        });
        if (date)
            connect(date, &QLineEdit::textEdited, this, [this, i, date] {
                programValues_.remove(date);
                TBData_Change(i);
            });
        for (QLineEdit* field : {number, date})
            if (field) {
                field->installEventFilter(this);
                connect(field, &QLineEdit::textChanged, this,
                        [this, field] { fieldTexts_[field] = field->text(); });
            }
    }
}

// The tab order as built; labels and hidden controls are skipped by the focus chain itself.
void frmVorel::setTabOrder() {
    const QList<QWidget*> order = {TBData[1], TBData[2], TBData[3], TBNum[1], TBNum[2], TBNum[3],    TBNum[4],
                                   TBNum[5],  But1,      But2,      But3,     But4,     butDownload, VScrl,
                                   HScrl,     Picture1,  butHelp,   Text1,    Pic1,     Combo1};
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

void frmVorel::Form_Resize() {
    const int w = twips(width());
    const int h = std::max(twips(height()) - 480, 0);
    place(Picture1, 0, 480, w, h);
    place(Text1, 0, 480, w, h);
    const int x1 = 4860 + 1540 + 60;
    const int x2 = std::max(w - 360 - 60, x1); // never over "Esci"
    place(butHelp, x2, 60, 360, 360);
    if (ScreenMode == Screen::MainMenu) {
        ShowMainMenu();
    } else if (ScreenMode == Screen::ArchiveView) {
        PostaviPregled1();
        DrawGrid();
    }
}

void frmVorel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmVorel::setDefaultAndCancel(bool enterPressesBut1, bool escapePressesBut2) {
    But1Default = enterPressesBut1;
    But2Cancel = escapePressesBut2;
    But1->setDefault(enterPressesBut1);
}

// Enter and Escape that no control used press the default and the cancel button.
void frmVorel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && But1Default && !But1->isHidden()) {
        But1->click();
        return;
    }
    if (key == Qt::Key_Escape && But2Cancel && !But2->isHidden()) {
        But2->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Keys pressed on the scroll bars go to the grid first, as the grid's own keys.
bool frmVorel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        selectProgramValue(watched);
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QWidget::eventFilter(watched, event);
    if (watched != HScrl && watched != VScrl)
        return keyInField(watched, static_cast<QKeyEvent*>(event));
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyEvent->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
        return false;
    int keyCode = VirtualKeyCode(key);
    int shift = ModifierMask(keyEvent->modifiers());
    const int original = keyCode;
    if (watched == HScrl)
        HScrl_KeyDown(keyCode, shift);
    else
        VScrl_KeyDown(keyCode, shift);
    return original != 0 && keyCode == 0;
}

MsgAnswer frmVorel::showMessage(const MessageRequest& request) {
    return services_.messages->show(request);
}

FileStore& frmVorel::files() {
    if (services_.files)
        return *services_.files;
    if (!diskFiles_)
        diskFiles_ = std::make_unique<DiskFileStore>(DataPath, !services_.archiveExpected);
    return *diskFiles_;
}
