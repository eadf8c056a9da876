// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the archive lives, as the program starts.
struct DataFolder {
    QString path;                // ending in "/"
    bool archiveExpected = true; // a missing archive is reported; false only for a first start
};

// `--data DIR` when given; otherwise the program's own folder when it holds any of the archive's
// files (a portable copy, or the build folder with its demo archive); otherwise the per-user data
// folder, where the archive is expected only once it holds any of its files.
DataFolder ChooseDataFolder(const QString& dataOption, const QString& programFolder,
                            const QString& userFolder);

// The per-user data folder for the application, ending in "/" (on Linux ~/.local/share/Vorel/).
QString UserDataFolder();
