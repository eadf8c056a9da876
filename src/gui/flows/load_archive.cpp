// SPDX-License-Identifier: GPL-3.0-or-later
#include "flows/load_archive.h"

#include "archive/archive_check.h"
#include "archive/archive_loader.h"
#include "archive/file_store.h"
#include "text/check_texts.h"
#include "widgets/message_boxes.h"

void LoadAtStartUp(FileStore& files, Archive& archive, MessageBoxes& messages, const QString& dataPath,
                   bool archiveExpected) {
    CheckedLoad load = LoadCheckedArchive(files);
    if (!load.error)
        archive = std::move(load.archive);
    const bool firstStart =
        !archiveExpected && (load.error == FileError::FileNotFound || load.error == FileError::PathNotFound);
    if (!load.problems.empty())
        messages.show(
            Messages::archiveProblems(CheckText::startupProblems(load.problems), HasDamage(load.problems)));
    else if (load.error && !firstStart)
        messages.show(Messages::loadError(*load.error, dataPath));
}

void LoadArchiveReporting(FileStore& files, Archive& archive, MessageBoxes& messages,
                          const QString& dataPath) {
    auto loaded = LoadArchive(files);
    if (loaded.error)
        messages.show(Messages::loadError(*loaded.error, dataPath));
    else
        archive = std::move(loaded.value);
}
