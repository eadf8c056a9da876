// SPDX-License-Identifier: GPL-3.0-or-later
// The four screens, the change from one to another, and what each button does on each screen.
#include "archive/constant_tables.h"
#include "calendar/draw_date.h"
#include "grid/twips.h"
#include "text/help_file.h"
#include "views/picture_box.h"
#include "window/click_label.h"
#include "window/fonts.h"
#include "window/frm_vorel.h"
#include "window/help_viewer.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

const QString PasteInstruction = QStringLiteral("Incolla l'estrazione nello spazio sottostante.");

// The help keyword of each screen.
QString helpKeyword(int screenMode) {
    switch (screenMode) {
    case Screen::Entry:
        return QStringLiteral("Aggiorna");
    case Screen::ArchiveView:
        return QStringLiteral("Visualizza");
    case Screen::Paste:
        return QStringLiteral("Aggiornamento automatico");
    default:
        return QStringLiteral("Iniziale");
    }
}

void setCaptions(QPushButton* b1, const QString& t1, QPushButton* b2, const QString& t2) {
    b1->setText(t1);
    b2->setText(t2);
}

} // namespace

void frmVorel::hideEntryControls() {
    for (QWidget* control : std::initializer_list<QWidget*>{LTG, Combo1, LTD, LTE, LTE1, LTR, Pic1})
        control->hide();
    for (int k = 1; k <= 11; ++k)
        Lb[std::size_t(k)]->hide();
    for (int i = 1; i <= 3; ++i)
        TBData[std::size_t(i)]->hide();
    for (int j = 1; j <= 5; ++j)
        TBNum[std::size_t(j)]->hide();
}

void frmVorel::setWheelLabelBold(int wheel, bool bold) {
    if (wheel < 1 || wheel > 11)
        return;
    QFont font = Lb[std::size_t(wheel)]->font();
    font.setBold(bold);
    Lb[std::size_t(wheel)]->setFont(font);
}

void frmVorel::ShowMainMenu() {
    ScreenMode = Screen::MainMenu;
    ScreenSubMode = 0;
    ImportState = 0;
    Picture1->hide();
    Text1->hide();
    hideEntryControls();
    HScrl->hide();
    VScrl->hide();
    setCaptions(But1, QStringLiteral("Aggiorna"), But2, QStringLiteral("Aggior. automatico"));
    But3->setText(QStringLiteral("Visualizza/Correggi"));
    But4->setText(QStringLiteral("Esci"));
    for (QPushButton* button : {But1, But2, But3, But4, butHelp})
        button->show();
    butDownload->hide();
    setDefaultAndCancel(false, false);
}

void frmVorel::ShowEntryScreen() {
    ScreenMode = Screen::Entry;
    Picture1->show();
    Text1->hide();
    Picture1->surface().clear();
    Picture1->refresh();
    for (QWidget* control : std::initializer_list<QWidget*>{LTG, Combo1, LTD, LTE, LTE1, LTR})
        control->show();
    for (int k = 1; k <= 11; ++k) {
        Lb[std::size_t(k)]->show();
        setWheelLabelBold(k, false);
    }
    EditWheel = 1;
    setWheelLabelBold(1, true);
    Pic1->show();
    for (int i = 1; i <= 3; ++i)
        TBData[std::size_t(i)]->show();
    for (int j = 1; j <= 5; ++j)
        TBNum[std::size_t(j)]->show();
    LTR->setText(QStringLiteral("Ruota ") + WheelCode(EditWheel));

    // The bar is hidden while it is set up, so that no change of its value switches the wheel.
    HScrl->hide();
    VScrl->hide();
    VScrl->setGeometry(px(2820), px(3060), px(240), px(480));
    VScrl->setRange(1, WheelCountOfDraw(CurrentDraw + 1));
    VScrl->setPageStep(1);
    VScrl->setValue(1);
    VScrl->show();

    setCaptions(But1, QStringLiteral("OK"), But2, QStringLiteral("Annulla"));
    But1->show();
    But2->show();
    But3->hide();
    But4->hide();
    butDownload->hide();
    setDefaultAndCancel(false, false);
    TBNum[1]->setFocus();
}

void frmVorel::ShowArchiveView() {
    Picture1->show();
    Text1->hide();
    ScreenMode = Screen::ArchiveView;
    ScreenSubMode = 0;
    ShowCorrectionScreen();
    GridFirstColumn = 1;
    HScrl->setValue(1);
    // Opens with the last draw in the bottom row; a short archive opens at draw 1.
    CurrentDraw = std::max(archive.DrawCount() - GridRows + 2, 1);
    VScrl->setValue(CurrentDraw);
    GridSorted = 0;
    Combo1->hide();
    DrawGrid();
}

void frmVorel::ShowCorrectionScreen() {
    Picture1->surface().clear();
    Picture1->refresh();
    hideEntryControls();
    setCaptions(But1, QStringLiteral("Correggi"), But2, QStringLiteral("Annulla"));
    But3->setText(QStringLiteral("Ordina"));
    But1->show();
    But2->show();
    But3->show();
    But4->hide();
    setDefaultAndCancel(true, true);
    HScrl->show();
    VScrl->show();
    VScrl->setRange(1, std::max<int>(archive.DrawCount(), 1));
    PostaviPregled1();
}

void frmVorel::AgDalFile() {
    ScreenMode = Screen::Paste;
    ScreenSubMode = 1;
    ImportState = 1;
    Combo1->hide();
    Picture1->hide();
    setCaptions(But1, QStringLiteral("Elabora"), But2, QStringLiteral("Annulla"));
    But1->show();
    But2->show();
    But3->hide();
    But4->hide();
    butDownload->show();
    setDefaultAndCancel(false, false);
    Text1->setPlainText(PasteInstruction + QStringLiteral("\n\n"));
    Text1->setEnabled(true);
    Text1->show();
    Text1->moveCursor(QTextCursor::End);
    Text1->setFocus();
}

void frmVorel::But1_Click() {
    if (ScreenMode == Screen::MainMenu) {
        ScreenMode = Screen::Entry;
        archive.setDrawWeekday(archive.DrawCount() + 1, 0);
        ShowDrawPanel(archive.DrawCount());
    } else if (ScreenMode == Screen::Entry) {
        CommitEditedDraw();
    } else if (ScreenMode == Screen::ArchiveView) {
        if (archive.DrawCount() == 0)
            return; // an empty archive has no draw to correct
        if (showMessage(Messages::correctionQuestion(FormatDrawDate(archive, CurrentDraw))) ==
            MsgAnswer::Cancel) {
            DrawGrid();
            return;
        }
        ScreenSubMode = 1;
        ShowDrawPanel(CurrentDraw - 1);
    }
    // Tested after the archive view's branch, on the value ScreenMode has now.
    if (ScreenMode == Screen::Paste)
        Elabora();
}

void frmVorel::But2_Click() {
    switch (ScreenMode) {
    case Screen::MainMenu:
        AgDalFile();
        break;
    case Screen::Entry:
        // Nothing typed is stored. A correction from the archive view returns to it.
        if (ScreenSubMode == 1 && ImportState == 0) {
            ShowArchiveView();
            ScreenSubMode = 0;
        } else {
            ShowMainMenu();
        }
        break;
    case Screen::ArchiveView:
    case Screen::Paste:
        ShowMainMenu();
        break;
    default:
        break;
    }
}

void frmVorel::But3_Click() {
    if (ScreenMode == Screen::MainMenu) {
        ShowArchiveView();
    } else if (ScreenMode == Screen::ArchiveView) {
        GridSorted = ~GridSorted;
        DrawGrid();
    }
}

void frmVorel::butHelp_Click() {
    const QString failure =
        services_.help->showHelp(HelpFilePath(services_.programPath), helpKeyword(ScreenMode));
    if (!failure.isEmpty())
        showMessage(Messages::helpFailure(failure));
}
