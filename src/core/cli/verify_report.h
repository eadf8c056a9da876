// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Archive;
struct PasteAnalysis;

// One line of the verify command: the file, the outcome, the draw it concerns with its date, and
// the program's own message for that outcome (its line breaks as blanks).
QString VerifyLine(const QString& file, const PasteAnalysis& analysis, const Archive& archive);

// The outcome's name: Unreadable, Verified, Differs, New draw, Similar, Not found.
QString OutcomeName(int outcome);

// Whether the outcome leaves the archive as it is and the text right: Verified or a new draw.
bool VerifyPassed(const PasteAnalysis& analysis);
