// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_output.h"

#include "archive/data_file_layout.h"
#include "archive/file_store.h"
#include "text/error_text.h"

#include <QDir>
#include <QIODevice>

void WriteText(QIODevice& device, const QString& text) {
    device.write(text.toUtf8());
}

void WriteArchiveError(QIODevice& err, const QString& dataPath, FileError error, const QString& file) {
    const bool datesFile = error == FileError::FileNotFound || error == FileError::BadRecordNumber;
    const QString where = !file.isEmpty() ? file
                          : datesFile     ? DiskFileStore(dataPath).resolve(DataFileName::SmDates)
                                          : dataPath;
    WriteText(err, QStringLiteral("vorel: ") + ErrorMessageText(error) + QStringLiteral(" (") +
                       QDir::toNativeSeparators(where) + QStringLiteral(")\n"));
}

std::optional<QByteArray> ReadInput(const QString& file, QIODevice& err) {
    auto read = ReadWholeFile(file);
    if (read.error) {
        WriteText(
            err,
            QStringLiteral("vorel: impossibile leggere %1: %2\n").arg(file, ErrorMessageText(*read.error)));
        return std::nullopt;
    }
    return std::move(read.value);
}
