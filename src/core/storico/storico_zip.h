// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storico/import_problem.h"

#include <QByteArray>

// The official results file is published as a zip holding one text file. The zip is read in
// memory (nothing is written to disk); the sizes it declares are not trusted: the text is counted
// while it inflates and refused past the limit.

inline constexpr qint64 MaxStoricoTextBytes = 64LL * 1024 * 1024;

// Whether `bytes` start as a zip does (a local file header, or the end record of an empty zip).
bool LooksLikeZip(const QByteArray& bytes);

struct ZippedText {
    ImportProblem problem; // ZipDamaged, ZipWithoutText, ZipWithSeveralTexts, ZipEncrypted, TextTooLarge
    QByteArray text;
};

// The one member of `zip` whose name ends in ".txt" (any case), inflated, at most `limit` bytes.
ZippedText UnzipStoricoText(const QByteArray& zip, qint64 limit = MaxStoricoTextBytes);
