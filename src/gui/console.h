// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>
#include <cstdio>
#include <memory>

// The console the commands write to. On Windows the program is a GUI program, without a console
// of its own: started from one (cmd, PowerShell, a scheduled task), it writes to that one, and
// leaves it before the window opens, so that closing the console cannot end the program.
// Elsewhere these do nothing.

// Takes the parent's console for the standard streams that were not redirected.
void AttachToParentConsole();
// Lets the console go: the window does not need it.
void LeaveConsole();

// Standard output or error as the commands write to them: UTF-8 bytes to a file or a pipe; to a
// Windows console the text itself, which the console would otherwise read in its own code page.
std::unique_ptr<QIODevice> OpenStandardOutput(FILE* stream);
