// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive.h"
#include "text/messages.h"

#include <QString>
#include <array>
#include <optional>

// What reading a pasted draw text against the archive comes to.
enum class PasteOutcome {
    Unreadable, // the text cannot be read
    Verified,   // the draw is archived with the same numbers
    Differs,    // the draw is archived with other numbers: offer its correction
    NewDraw,    // the date is after every archived draw: open it as the next draw
    Similar,    // another date's draw has the same or nearly the same numbers: offer its correction
    NotFound,   // nothing in the archive resembles it
};

struct PasteAnalysis {
    QString text; // the pasted text as amended: CR LF line breaks, the national wheel's line joined
    PasteOutcome outcome = PasteOutcome::Unreadable;
    int draw = 0;                 // the archived draw concerned: Verified, Differs, Similar
    bool onlyDateDiffers = false; // Similar: every number equal, only the date differs

    // The draw read out of the text, as the editor takes it.
    WheelNumbers EditNumbers{};
    std::array<qint16, 4> EditDate{};
    // The last weekday named by a weekday line (0: none), and the weekday of a new draw: the
    // named one, or the weekday of its date when the text names none.
    int namedWeekday = 0;
    int newDrawWeekday = 0;

    // Whether the outcome opens the entry screen (NewDraw at once; Differs, Similar after OK).
    bool opensEntry() const;
};

// The box that says what the analysis found, for the archive it was made against; a new draw has none.
std::optional<MessageRequest> PasteMessage(const PasteAnalysis& analysis, const Archive& archive);

// Everything Elabora decides, for the text of the paste window and the archive.
PasteAnalysis AnalysePastedText(const QString& text, const Archive& archive);

// The text with CR LF line breaks (from LF, CR LF, a lone CR, U+2028 and U+2029) and no-break
// spaces as blanks, ending with a line break when not empty.
QString NormalisedPasteText(const QString& text);
