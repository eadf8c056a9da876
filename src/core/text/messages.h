// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/file_error.h"
#include "archive/packed_date.h"
#include "program_info.h"

#include <QString>

// Every message box the program shows is described by one of these: text, title, buttons, icon.
enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgIcon { None, Information, Warning, Error, Question, Program };
// Yes answers as Ok, No as Cancel.
enum class MsgAnswer { Ok, Cancel };

struct MessageRequest {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    // Annulla (or No) is the button Enter presses, for a question whose yes keeps something doubtful.
    bool cancelByDefault = false;

    friend bool operator==(const MessageRequest&, const MessageRequest&) = default;
};

// The program's title, also the title of boxes that have none of their own.
inline const QString ProgramTitle = ProgramName;
inline const QString WindowCaption = ProgramName + QStringLiteral(", v ") + ProgramVersion;

// How every sentence about an archive that changed on disk under the program begins.
QString ArchiveChangedByAnotherProgram();

// The outcome of a write, as every writer says it.
QString SubArchivesRebuiltText();
QString BackupMadeText(const QString& folder);
QString DryRunWroteNothingText();

// The download's button, its progress dialog and its boxes.
inline const QString DownloadCaption = QStringLiteral("Scarica gli ultimi risultati");

namespace Messages {
// A data file could not be saved.
MessageRequest fileError(FileError error);
// The archive in `folder` could not be loaded: the box says where the program looked.
MessageRequest loadError(FileError error, const QString& folder);
// Start-up failed; the program ends after it.
MessageRequest startupError(FileError error);
// The archive view asks before opening the top draw for correction.
MessageRequest correctionQuestion(const QString& drawDate);
// The help could not be shown.
MessageRequest helpFailure(const QString& description);
// "Informazioni su Vorel": the program, its version and licence, where its archive and its settings
// are, the Qt it runs on.
MessageRequest about(const QString& dataFolder, const QString& settingsFile, const QString& qtVersion);

// The checks of a typed draw before it is saved; `wheelCode` names the wheel concerned.
MessageRequest zerosOnWheel(const QString& wheelCode);
MessageRequest duplicatesOnWheel(const QString& wheelCode);
MessageRequest above90OnWheel(const QString& wheelCode);
MessageRequest badDate();
// The date does not keep the archive in date order: `before` and `after` are the neighbours' dates
// (empty where there is none); a new draw has only the last draw before it.
MessageRequest dateOutOfOrder(const QString& before, const QString& after, bool newDraw);
MessageRequest noWeekday();
// The chosen weekday is not the date's: `dayName` is the date's.
MessageRequest weekdayNotTheDate(const QString& date, const QString& dayName);
// The dates no draw may have: after tomorrow; for a new archive, any but its first draw's.
MessageRequest futureDate(const QString& date);
MessageRequest newArchiveStartsWithTheFirstDraw();
// The save questions name the draw that will be written (DrawToBeSavedText).
MessageRequest confirmNewDraw(const QString& named);
MessageRequest confirmCorrection(const QString& named);
// Taking back the last draw, named as above.
MessageRequest deleteLastQuestion(const QString& named);
// Delete pressed on another draw than the last.
MessageRequest deleteOnlyTheLast(const QString& named);
// Something else changed the archive on disk after it was loaded: nothing was saved.
MessageRequest archiveChangedOnDisk();
// Another program is writing the archive: nothing was saved.
MessageRequest archiveInUse();
// The save was refused before anything was written (a read-only `file`, a damaged archive, a file
// that cannot be read): the draw stays on the screen.
MessageRequest saveRefused(FileError error, const QString& file);
// Once at start-up: what the check of the archive found, and what mends it.
MessageRequest archiveProblems(const QString& problems, bool damaged);
// The save found "S" and "M" out of step with the full archive and wrote them again from it.
MessageRequest subArchivesRebuilt();

// A file dropped on the main menu, read as the official results archive. `report` is the import's
// summary (and its detail lines, where there are any).
MessageRequest importQuestion(const QString& report, int newDraws, int completions = 0);
MessageRequest importNothingNew(const QString& report);
MessageRequest importDisagrees(const QString& report);
MessageRequest importFailed(const QString& error);
// The download of the official results file from `address` failed for `cause`; or the server says
// nothing changed since the last one.
MessageRequest downloadFailed(const QString& address, const QString& cause);
MessageRequest downloadNothingNew(const QString& address);
// The file has draws the archive lacks in the middle, or the archive repeats a date: the archive
// can be written whole from the file, after a copy into `backupFolder`.
MessageRequest importOffersRebuild(const QString& report, const QString& backupFolder);
MessageRequest importRebuilt(const QString& report);
// The draws were added; `lastDate` is the last one's.
MessageRequest importDone(int added, PackedDate lastDate, int completed = 0);
// The download added `added` draws (0: none) and found `differing` stored draws unlike the file,
// listed in `details`: correct them, after a copy into `backupFolder`?
MessageRequest downloadOffersCorrection(int added, int differing, const QString& details,
                                        const QString& backupFolder);
// The stored draws were corrected as the file has them.
MessageRequest downloadCorrected(int corrected, const QString& backupFolder);
// A file dropped on another screen than the main menu.
MessageRequest importOnlyOnTheMainMenu();

// The outcomes of reading a pasted draw; `drawDate` is the date of the archived draw concerned.
MessageRequest pasteUnreadable();
MessageRequest pasteVerified(const QString& drawDate);
MessageRequest pasteDiffers(const QString& drawDate);
MessageRequest pasteSameNumbers(const QString& drawDate);
MessageRequest pasteSimilarNumbers(const QString& drawDate);
MessageRequest pasteNotFound();
} // namespace Messages
