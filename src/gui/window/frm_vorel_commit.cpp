// SPDX-License-Identifier: GPL-3.0-or-later
// The commit of the entry screen and the reading of a pasted draw: the two ways a draw reaches
// the data files.
#include "archive/archive_loader.h"
#include "archive/archive_update.h"
#include "archive/constant_tables.h"
#include "archive/file_store.h"
#include "calendar/draw_date.h"
#include "editor/draw_checks.h"
#include "paste/paste_analysis.h"
#include "window/frm_vorel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// A carriage return left alone inside a line (by the national wheel's join) shows as a blank.
QString shownText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u' ');
    return text;
}

} // namespace

void frmVorel::CommitEditedDraw() {
    StoreWheelFields();
    const int d = CurrentDraw + 1;
    const int wheels = WheelCountOfDraw(d);
    if (const int w = FirstWheelWithZero(edit.EditNumbers, wheels))
        if (showMessage(Messages::zerosOnWheel(WheelCode(w))) == MsgAnswer::Cancel)
            return;
    if (const int w = FirstWheelWithDuplicates(edit.EditNumbers, wheels)) {
        showMessage(Messages::duplicatesOnWheel(WheelCode(w)));
        return;
    }
    if (const int w = FirstWheelAbove90(edit.EditNumbers, wheels)) {
        showMessage(Messages::above90OnWheel(WheelCode(w)));
        return;
    }
    const int day = FieldValue(TBData[1]->text());
    const int month = FieldValue(TBData[2]->text());
    const int yearCode = FieldValue(TBData[3]->text());
    if (IsBadDate(day, month, yearCode)) {
        showMessage(Messages::badDate());
        TBData[1]->setFocus();
        return;
    }
    if (!FitsDateOrder(archive, d, day, month, yearCode)) {
        const auto dateOf = [this](int draw) {
            return archive.isValidDraw(draw) ? FormatDrawDate(archive, draw) : QString();
        };
        showMessage(Messages::dateOutOfOrder(dateOf(d - 1), dateOf(d + 1), d > archive.DrawCount()));
        TBData[1]->setFocus();
        return;
    }
    edit.EditDate = {0, qint16(day), qint16(month), qint16(yearCode)};
    edit.CurrentWeekday = qint16(std::max(Combo1->currentIndex(), 0));
    if (edit.CurrentWeekday == 0) {
        showMessage(Messages::noWeekday());
        return;
    }
    // From 1996 on the weekday follows from the date.
    if (const qint16 dateWeekday = Day_From_Date(qint16(day), qint16(month), qint16(yearCode));
        dateWeekday != 0 && dateWeekday != edit.CurrentWeekday) {
        showMessage(
            Messages::weekdayNotTheDate(FormatDrawDate(day, month, yearCode), DayAbbrev(dateWeekday)));
        Combo1->setFocus();
        return;
    }
    const bool newDraw = ScreenSubMode == 0;
    if (showMessage(newDraw ? Messages::confirmNewDraw() : Messages::confirmCorrection()) ==
        MsgAnswer::Cancel)
        return;
    if (!saveEditedDraw())
        return;
    LoadArchiveReporting();
    ShowMainMenu();
}

// Writes the draw into the full archive and its sub-archive, under the archive's lock. When anything
// changed the archive on disk since it was loaded (another copy of the program, an import), nothing
// is written: the archive is reloaded and the user starts again from the menu. When another program
// is writing it, or the save is refused before anything is written (a read-only file, a damaged
// archive), the box says why and the draw stays on the screen. A failure while the files are being
// replaced is reported and ends the program at once: the next start finds the old archive or the
// new one.
bool frmVorel::saveEditedDraw() {
    const ArchiveUpdateResult saved = SaveArchive(files(), archive, CurrentDraw + 1, edit);
    switch (saved.error) {
    case 0:
        if (saved.subArchivesRebuilt)
            showMessage(Messages::subArchivesRebuilt());
        return true;
    case ErrorNumber::ArchiveChanged:
        showMessage(Messages::archiveChangedOnDisk());
        LoadArchiveReporting();
        ShowMainMenu();
        return false;
    case ErrorNumber::ArchiveInUse:
        showMessage(Messages::archiveInUse());
        return false;
    default:
        if (!saved.started) {
            showMessage(Messages::saveRefused(saved.error, saved.file));
            return false;
        }
        showMessage(Messages::fileError(saved.error));
        services_.endProgram(1);
        return false;
    }
}

void frmVorel::Elabora() {
    const QString pasted = Text1->toPlainText();
    const PasteAnalysis analysis = AnalysePastedText(pasted, archive);
    // Rewriting the box loses the caret, the view and undo: only an amended text is put back. The
    // line break that ends every amended text is no amendment.
    const QString amended = shownText(analysis.text);
    if (amended != pasted && amended != pasted + u'\n')
        Text1->setPlainText(amended);
    edit.EditNumbers = analysis.EditNumbers;
    edit.EditDate = analysis.EditDate;
    if (analysis.namedWeekday != 0) {
        edit.CurrentWeekday = qint16(analysis.namedWeekday);
        CurrentDayName = DayAbbrev(analysis.namedWeekday);
        archive.setDrawWeekday(archive.DrawCount() + 1, edit.CurrentWeekday);
    }
    if (analysis.hasMessage && showMessage(analysis.message) == MsgAnswer::Cancel)
        return;
    if (analysis.opensEntry())
        openPastedDraw(analysis);
}

// Differs and Similar open the correction of the archived draw; a new draw opens as the next one.
void frmVorel::openPastedDraw(const PasteAnalysis& analysis) {
    ImportState = 1;
    if (analysis.outcome != PasteOutcome::NewDraw) {
        ScreenSubMode = 1;
        ScreenMode = Screen::ArchiveView;
        CurrentDraw = analysis.draw;
        ShowDrawPanel(analysis.draw - 1);
        return;
    }
    ScreenSubMode = 0;
    ScreenMode = Screen::Entry;
    edit.CurrentWeekday = qint16(analysis.newDrawWeekday);
    CurrentDayName = DayAbbrev(analysis.newDrawWeekday);
    archive.setDrawWeekday(archive.DrawCount() + 1, edit.CurrentWeekday);
    ShowDrawPanel(archive.DrawCount());
}
