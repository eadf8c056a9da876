// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QIODevice;

// `--delete-last`: names the archive's last draw and, when the user answers yes on `in`, takes it
// back through the archive's write path. The question is asked with the lock let go; the draw is
// deleted only if the archive is still the one the question named. With `dryRun` only the draw is
// named. Returns the exit status.
int DeleteLastCommand(const QString& dataPath, bool dryRun, QIODevice& in, QIODevice& out, QIODevice& err);
