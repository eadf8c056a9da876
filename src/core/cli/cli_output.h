// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/file_error.h"

#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;

// What the commands print, in UTF-8.
void WriteText(QIODevice& device, const QString& text);

// A failure of the archive in the loader's own words, with the file it concerns: the dates file for
// a missing or damaged archive, the folder otherwise, or the file named.
void WriteArchiveError(QIODevice& err, const QString& dataPath, FileError error, const QString& file = {});

// A file a command reads; none when it cannot be read (said in the program's words on `err`).
std::optional<QByteArray> ReadInput(const QString& file, QIODevice& err);
