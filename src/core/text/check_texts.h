// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive_check.h"
#include "archive/archive_repair.h"
#include "archive/backups.h"

#include <QString>
#include <vector>

// The check of the whole archive, its repair and its backups in words, in Italian.
namespace CheckText {

// One line per problem.
QString problem(const ArchiveProblem& problem);
// The archive is sound.
QString sound(int draws);
// One line per change a repair makes.
QString step(const RepairStep& step);
// What is left after a repair, or found by a check: how many problems, and what mends them.
QString leftToTheUser(const std::vector<ArchiveProblem>& problems);
// The damage that stops every write, as a writer says it.
QString damagedArchive();
// Once at start-up, in the window: the first problems and what mends them.
QString startupProblems(const std::vector<ArchiveProblem>& problems);

// The backups, one line each, and what a restore did.
QString backupLine(const BackupInfo& backup);
QString noBackups();
QString restored(const BackupInfo& backup);
QString backupUnusable(const QString& name, FileError error);

} // namespace CheckText
