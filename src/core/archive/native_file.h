// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/file_error.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// The few file operations whose failures Qt does not report or has no public call for: every one
// returns its failure, if any (see file_error.h), and none of them leaves a failure unsaid.

// Writes `bytes` as the whole file at `path` (made when missing), unbuffered, and has them reach
// the disk before it returns: a short write, a full disk or a failed sync is an error.
Failure WriteSynced(const QString& path, const QByteArray& bytes);

// Puts the file `from` in the place of `to` in one step, replacing it.
Failure RenameReplacing(const QString& from, const QString& to);

// Has the entries of `folder` (renames, new and removed files) reach the disk. Where the system
// has no such call it does nothing.
Failure SyncFolder(const QString& folder);

// Has what was written through the open file `handle` (QFileDevice::handle()) reach the disk.
Failure SyncHandle(int handle);

// The failure of a system call, from its errno.
FileError FileErrorOfErrno(int systemError);

// Maps a file operation's outcome onto the program's failures; `systemError` (errno) tells a
// refused permission from other failures to open.
Failure FileErrorOf(QFileDevice::FileError error, int systemError = 0);
