// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"

#include <QString>

// The main menu's status line: the draws, the last one's weekday and date, the incomplete ones
// when there are any, the folder ("Archivio vuoto" for none).
QString ArchiveStatusText(const Archive& archive, const QString& folder);

// Draws stored with numbers missing on a wheel they have.
int IncompleteDrawCount(const Archive& archive);

// What to do with an empty archive.
QString EmptyArchiveAdvice();

// The line that follows a save, until the next action.
QString SavedDrawText(int draw, PackedDate date);
