// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the program needs from the system before any application object exists, the same way on
// every platform.

// The arguments as the system gives them: on Windows its own Unicode command line (the 8-bit one
// loses what the ANSI code page lacks), elsewhere argv in the local encoding.
QStringList ProgramArguments(int argc, char** argv);

// The program's own folder, ending in "/", as the system knows the running program.
QString ProgramFolder(const char* argv0);

// Standard input and output carry bytes as they are: no CR LF translation, no end at 0x1A.
void UseBinaryStandardStreams();

// Whether a window can open: an X11-style system needs a display (or a platform named with
// -platform or QT_QPA_PLATFORM); Windows and macOS always have their own.
bool DisplayAvailable(const QStringList& arguments);

// Tells the installer that the program is running (on Windows, a named mutex it looks for, held
// until the program ends), so that it is not replaced under itself.
void MarkRunning();
