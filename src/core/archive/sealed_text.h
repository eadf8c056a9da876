// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <optional>

// Small text files that must be whole to count (the write journal, a backup's manifest): the body
// is followed by a last line "end <checksum of the body>", so that one cut short or damaged is
// never taken for complete.

// The hexadecimal SHA-256 of `bytes`.
QByteArray DigestOf(const QByteArray& bytes);

// `body` (ending with a line break) with its last line.
QByteArray Sealed(const QByteArray& body);

// The body of a whole sealed text; nothing for one cut short or damaged.
std::optional<QByteArray> Unsealed(const QByteArray& text);
