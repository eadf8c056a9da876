// SPDX-License-Identifier: GPL-3.0-or-later
// The commit of the entry screen and the reading of a pasted draw: the two ways a draw reaches
// the data files.
#include "archive/archive_loader.h"
#include "archive/archive_update.h"
#include "archive/constant_tables.h"
#include "archive/draw_rules.h"
#include "archive/file_store.h"
#include "calendar/draw_date.h"
#include "editor/entry_text.h"
#include "paste/paste_analysis.h"
#include "text/draw_texts.h"
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
    EditBuffer draw = edit;
    draw.EditDate = {0, qint16(FieldValue(TBData[1]->text())), qint16(FieldValue(TBData[2]->text())),
                     qint16(FieldValue(TBData[3]->text()))};
    draw.CurrentWeekday = qint16(std::max(Combo1->currentIndex(), 0));
    if (refusedByTheRules(draw))
        return;
    edit = draw;
    const bool newDraw = ScreenSubMode == 0;
    const QString named = DrawToBeSavedText(CurrentDraw + 1, draw);
    if (showMessage(newDraw ? Messages::confirmNewDraw(named) : Messages::confirmCorrection(named)) ==
        MsgAnswer::Cancel)
        return;
    if (!saveEditedDraw())
        return;
    LoadArchiveReporting();
    ShowMainMenu();
}

// The rules every stored draw keeps, each broken one in its own box; missing numbers only warn,
// and the draw goes on when the user says so. A box about the date or the weekday sends the user
// back to that field, its whole text selected, so that what is typed next replaces it.
bool frmVorel::refusedByTheRules(const EditBuffer& draw) {
    const int d = CurrentDraw + 1;
    const QDate today = services_.today ? services_.today() : QDate::currentDate();
    const auto dateOf = [this](int n) {
        return archive.isValidDraw(n) ? FormatDrawDate(archive, n) : QString();
    };
    for (const RuleBreak& rule : BrokenRules(archive, d, draw, today)) {
        switch (rule.kind) {
        case RuleBreak::ZerosOnWheel:
            if (showMessage(Messages::zerosOnWheel(WheelCode(rule.wheel))) == MsgAnswer::Ok)
                continue;
            return true;
        case RuleBreak::DuplicatesOnWheel:
            showMessage(Messages::duplicatesOnWheel(WheelCode(rule.wheel)));
            return true;
        case RuleBreak::Above90OnWheel:
            showMessage(Messages::above90OnWheel(WheelCode(rule.wheel)));
            return true;
        case RuleBreak::BadDate:
            showMessage(Messages::badDate());
            break;
        case RuleBreak::FutureDate:
            showMessage(
                Messages::futureDate(FormatDrawDate(draw.EditDate[1], draw.EditDate[2], draw.EditDate[3])));
            break;
        case RuleBreak::NotTheFirstDraw:
            showMessage(Messages::newArchiveStartsWithTheFirstDraw());
            break;
        case RuleBreak::OutOfOrder:
            showMessage(Messages::dateOutOfOrder(dateOf(d - 1), dateOf(d + 1), d > archive.DrawCount()));
            break;
        case RuleBreak::NoWeekday:
            showMessage(Messages::noWeekday());
            Combo1->setFocus();
            return true;
        case RuleBreak::WrongWeekday:
            showMessage(Messages::weekdayNotTheDate(
                FormatDrawDate(draw.EditDate[1], draw.EditDate[2], draw.EditDate[3]), DayAbbrev(rule.other)));
            Combo1->setFocus();
            return true;
        }
        selectField(TBData[1]);
        return true;
    }
    return false;
}

void frmVorel::selectField(QLineEdit* field) {
    field->setFocus();
    field->selectAll();
}

// Writes the draw into the full archive and its sub-archive, under the archive's lock.
bool frmVorel::saveEditedDraw() {
    return writtenReporting(SaveArchive(files(), archive, CurrentDraw + 1, edit));
}

// The Delete key in the archive view, on the last draw: after a question naming it, the draw is
// taken back through the same write path as a save; the view then shows the new last draw.
void frmVorel::offerToDeleteTheLastDraw() {
    const int last = archive.DrawCount();
    if (last == 0)
        return;
    const QString named = NamedDrawText(last, archive.DrawWeekday(last), archive.DrawDate(last));
    if (CurrentDraw != last) {
        showMessage(Messages::deleteOnlyTheLast(named));
        return;
    }
    if (showMessage(Messages::deleteLastQuestion(named)) == MsgAnswer::Cancel ||
        !writtenReporting(DeleteLastDraw(files(), archive)))
        return;
    LoadArchiveReporting();
    ShowArchiveView();
}

// How a write of the window ended. When anything changed the archive on disk since it was loaded
// (another copy of the program, an import), nothing is written: the archive is reloaded and the user
// starts again from the menu. When another program is writing it, or the write is refused before
// anything is written (a read-only file, a damaged archive), the box says why and the draw stays on
// the screen. A failure while the files are being replaced is reported and ends the program at once:
// the next start finds the old archive or the new one.
bool frmVorel::writtenReporting(const ArchiveUpdateResult& saved) {
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
