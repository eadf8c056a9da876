// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"
#include "archive/draw_schedule.h"

#include <QDateTime>
#include <QString>

// The main menu's status line: the draws, the last one's weekday and date, the incomplete ones
// when there are any, when the next draw is due as of `now`, the folder ("Archivio vuoto" for none).
QString ArchiveStatusText(const Archive& archive, const QString& folder, const QDateTime& now);

// "Prossima estrazione: martedì 18-08-2026", or once its evening has passed "In attesa dei
// risultati del 18-08-2026"; empty when the archive says nothing of the schedule.
QString NextDrawText(const NextDraw& next, const QDateTime& now);

// Draws stored with numbers missing on a wheel they have.
int IncompleteDrawCount(const Archive& archive);

// What to do with an empty archive.
QString EmptyArchiveAdvice();

// The line that follows a save, until the next action.
QString SavedDrawText(int draw, PackedDate date);

// What the automatic update says in the status line: looking for the draw of `date`; waiting to
// add what it found until the user is back on the main menu; what it added; why it failed (`cause`,
// a clause); a site's file that disagrees with the archive.
QString UpdateCheckingText(QDate date);
QString UpdateWaitingText();
QString UpdateAddedText(int added, PackedDate last);
QString UpdateFailedText(const QString& cause);
QString UpdateDisagreesText();
