// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/edit_buffer.h"

#include <QString>

// A weekday code's full Italian name, "lunedì" .. "domenica"; empty for a code that names none.
QString WeekdayName(int code);

// The draw a question is about, as the user will find it in the archive: its number, its weekday
// and its full date ("Estrazione 6938 di martedì 18-08-2026").
QString DrawToBeSavedText(int draw, const EditBuffer& edit);
QString NamedDrawText(int draw, int weekday, PackedDate date);
// The date of the first draw an archive holds, "04-01-1947".
QString FirstArchiveDrawText();

// A count with its noun in the right number: "1 estrazione", "0 estrazioni", "3 estrazioni".
QString Counted(qsizetype count, const QString& one, const QString& many);
// The same for draws, the noun the program counts most, and for incomplete draws.
QString CountedDraws(qsizetype count);
QString CountedIncompleteDraws(qsizetype count);
