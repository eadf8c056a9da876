// SPDX-License-Identifier: GPL-3.0-or-later
#include "flows/load_archive.h"

#include "archive/archive_check.h"
#include "archive/archive_loader.h"
#include "archive/file_store.h"
#include "text/check_texts.h"
#include "widgets/message_boxes.h"

void LoadAtStartUp(FileStore& files, Archive& archive, MessageBoxes& messages, const QString& dataPath,
                   bool archiveExpected) {
    std::vector<ArchiveProblem> problems;
    const int error = LoadCheckedArchive(files, archive, problems);
    const bool firstStart =
        !archiveExpected && (error == ErrorNumber::FileNotFound || error == ErrorNumber::PathNotFound);
    if (!problems.empty())
        messages.show(Messages::archiveProblems(CheckText::startupProblems(problems), HasDamage(problems)));
    else if (error && !firstStart)
        messages.show(Messages::loadError(error, dataPath));
}

void LoadArchiveReporting(FileStore& files, Archive& archive, MessageBoxes& messages,
                          const QString& dataPath) {
    if (const int error = LoadArchive(files, archive))
        messages.show(Messages::loadError(error, dataPath));
}
