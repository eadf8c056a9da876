// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// What the program's exit status says about a command.
namespace ExitStatus {
inline constexpr int Ok = 0;       // done: the archive agrees, every text verified
inline constexpr int Mismatch = 1; // done, and differences or gaps were found
inline constexpr int Failed = 2;   // not done: bad usage, or a file that could not be read or written
} // namespace ExitStatus

// The program's command line. Without a command it opens the window (Qt's own options, such as
// -style, are left to the window); with --export or --verify
// it works on the archive without a window (and without a display) and never writes to it; with
// --import it brings the archive in line with the official results file.
struct CommandLineResult {
    bool openWindow = false;     // no command: open the window on `dataPath`
    int exitStatus = 0;          // otherwise the program ends with this status
    QString dataPath;            // the archive's folder, ending in "/"
    bool archiveExpected = true; // false: the per-user folder of a first start, no archive yet
    QString fileToImport;        // a file named on the command line, offered for import in the window
};

// `arguments` as the program got them (the program's name first); `programFolder` is where the
// program lives. The archive's folder is chosen by ChooseDataFolder. `in` is read for "--import -";
// output goes to `out`, errors and usage to `err`.
CommandLineResult RunCommandLine(const QStringList& arguments, const QString& programFolder, QIODevice& in,
                                 QIODevice& out, QIODevice& err);

// The usage text that --help prints.
QString UsageText();
