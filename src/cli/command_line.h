#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// The program's command line. Without a command it opens the window; with --export or --verify
// it works on the archive without a window (and without a display) and never writes to it.
struct CommandLineResult {
    bool openWindow = false; // no command: open the window on `dataPath`
    int exitStatus = 0;      // otherwise the program ends with this status
    QString dataPath;        // the archive's folder, ending in "/"
};

// `arguments` as the program got them (the program's name first); `programFolder` is where the
// program lives, the archive's folder unless --data names another. Output goes to `out`, errors
// and usage to `err`.
CommandLineResult RunCommandLine(const QStringList& arguments, const QString& programFolder, QIODevice& out,
                                 QIODevice& err);

// The usage text that --help prints.
QString UsageText();
