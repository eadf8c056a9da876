// SPDX-License-Identifier: GPL-3.0-or-later
#include "flows/save_draw.h"

#include "archive/archive_update.h"
#include "archive/constant_tables.h"
#include "archive/draw_rules.h"
#include "archive/file_error.h"
#include "calendar/draw_date.h"
#include "text/draw_texts.h"
#include "widgets/message_boxes.h"

MsgAnswer SaveDraw::showMessage(const MessageRequest& request) {
    return needs_.messages->show(request);
}

// A box about the date or the weekday sends the user back to that field.
RuleField SaveDraw::refusedByTheRules(const Archive& archive, int d, const EditBuffer& draw) {
    const QDate today = needs_.today ? needs_.today() : QDate::currentDate();
    const auto dateOf = [&archive](int n) {
        return archive.isValidDraw(n) ? FormatDrawDate(archive, n) : QString();
    };
    const QString typedDate = FormatDrawDate(draw.EditDate[1], draw.EditDate[2], draw.EditDate[3]);
    for (const RuleBreak& rule : BrokenRules(archive, d, draw, today)) {
        switch (rule.kind) {
        case RuleBreak::ZerosOnWheel:
            if (showMessage(Messages::zerosOnWheel(WheelCode(rule.wheel))) == MsgAnswer::Ok)
                continue;
            return RuleField::Numbers;
        case RuleBreak::DuplicatesOnWheel:
            showMessage(Messages::duplicatesOnWheel(WheelCode(rule.wheel)));
            return RuleField::Numbers;
        case RuleBreak::Above90OnWheel:
            showMessage(Messages::above90OnWheel(WheelCode(rule.wheel)));
            return RuleField::Numbers;
        case RuleBreak::BadDate:
            showMessage(Messages::badDate());
            break;
        case RuleBreak::FutureDate:
            showMessage(Messages::futureDate(typedDate));
            break;
        case RuleBreak::NotTheFirstDraw:
            showMessage(Messages::newArchiveStartsWithTheFirstDraw());
            break;
        case RuleBreak::OutOfOrder:
            showMessage(Messages::dateOutOfOrder(dateOf(d - 1), dateOf(d + 1), d > archive.DrawCount()));
            break;
        case RuleBreak::NoWeekday:
            showMessage(Messages::noWeekday());
            return RuleField::Weekday;
        case RuleBreak::WrongWeekday:
            showMessage(Messages::weekdayNotTheDate(typedDate, DayAbbrev(rule.other)));
            return RuleField::Weekday;
        }
        return RuleField::Date;
    }
    return RuleField::None;
}

WriteOutcome SaveDraw::save(const Archive& archive, int d, const EditBuffer& draw, bool newDraw) {
    const QString named = DrawToBeSavedText(d, draw);
    if (showMessage(newDraw ? Messages::confirmNewDraw(named) : Messages::confirmCorrection(named)) ==
        MsgAnswer::Cancel)
        return WriteOutcome::Kept;
    return writtenReporting(SaveArchive(needs_.dataFiles(), archive, d, draw));
}

WriteOutcome SaveDraw::deleteLast(const Archive& archive, int currentDraw) {
    const int last = archive.DrawCount();
    if (last == 0)
        return WriteOutcome::Kept;
    const QString named = NamedDrawText(last, archive.DrawWeekday(last), archive.DrawDate(last));
    if (currentDraw != last) {
        showMessage(Messages::deleteOnlyTheLast(named));
        return WriteOutcome::Kept;
    }
    if (showMessage(Messages::deleteLastQuestion(named)) == MsgAnswer::Cancel)
        return WriteOutcome::Kept;
    return writtenReporting(DeleteLastDraw(needs_.dataFiles(), archive));
}

// When anything changed the archive on disk since it was loaded (another copy of the program, an
// import), nothing is written. When another program is writing it, or the write is refused before
// anything is written (a read-only file, a damaged archive), the box says why and the draw stays on
// the screen. A failure while the files are being replaced is reported and ends the program at once:
// the next start finds the old archive or the new one.
WriteOutcome SaveDraw::writtenReporting(const ArchiveUpdateResult& saved) {
    if (!saved.error) {
        if (saved.subArchivesRebuilt)
            showMessage(Messages::subArchivesRebuilt());
        return WriteOutcome::Written;
    }
    switch (*saved.error) {
    case FileError::ArchiveChanged:
        showMessage(Messages::archiveChangedOnDisk());
        return WriteOutcome::Stale;
    case FileError::ArchiveInUse:
        showMessage(Messages::archiveInUse());
        return WriteOutcome::Kept;
    default:
        if (!saved.started) {
            showMessage(Messages::saveRefused(*saved.error, saved.file));
            return WriteOutcome::Kept;
        }
        showMessage(Messages::fileError(*saved.error));
        needs_.endProgram(1);
        return WriteOutcome::Kept;
    }
}
