// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QMargins>
#include <QString>
#include <functional>

class FileStore;
class HelpViewer;
class MessageBoxes;
class SettingsStore;

// What the window needs from outside, so that tests can stand in for every part of it.
struct WindowServices {
    MessageBoxes* messages = nullptr;
    HelpViewer* help = nullptr;
    SettingsStore* settings = nullptr;
    // Ends the program at once with the given status (Esci, failed start-up, failed save).
    std::function<void(int)> endProgram;
    QString dataPath; // the folder of the data files, ending in "/"
    // False on a first start in the per-user folder: no archive yet is no error, and the
    // folder is made when the first draw is saved.
    bool archiveExpected = true;
    QString programPath; // the program's folder, ending in "/": the help file lives there
    // Where the data files are read and written; none: the folder DataPath on disk.
    FileStore* files = nullptr;
    // The window frame's margins; none: as the window system reports them.
    std::function<QMargins()> frameMargins;
    // A file named on the command line: offered for import, as a dropped one, once the window is up.
    QString fileToImport;
    // The command line gave the window's place and size (-qwindowgeometry): the stored ones wait.
    bool geometryGiven = false;
    // Today's date, after which no draw may be dated; none: the computer's.
    std::function<QDate()> today;
    // The time now, for the next draw's evening; none: the computer's clock.
    std::function<QDateTime()> now;
    // Tells the user that a key or an edit was refused; none: the desktop's beep.
    std::function<void()> beep;
    // Asks for a file to read (`save` false) or to write, of the kinds in `filters`; empty when the
    // user cancels. None: the desktop's file chooser.
    std::function<QString(bool save, const QString& caption, const QString& filters)> chooseFile;
};
