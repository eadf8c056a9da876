// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Archive;
class FileStore;
class MessageBoxes;

// The archive read for the window, at start-up and after every write, a failure said in a box.

// Whatever the check of the files finds is said once, with what mends it. On a first start nothing
// is there yet (`archiveExpected` false): no archive is no error, and no box is shown.
void LoadAtStartUp(FileStore& files, Archive& archive, MessageBoxes& messages, const QString& dataPath,
                   bool archiveExpected);
// A failure in its "Errore" box.
void LoadArchiveReporting(FileStore& files, Archive& archive, MessageBoxes& messages,
                          const QString& dataPath);
