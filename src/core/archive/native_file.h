// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// The few file operations whose failures Qt does not report or has no public call for: every one
// returns 0 or the program's error number (see file_store.h), and none of them leaves a failure
// unsaid.

// Writes `bytes` as the whole file at `path` (made when missing), unbuffered, and has them reach
// the disk before it returns: a short write, a full disk or a failed sync is an error.
int WriteSynced(const QString& path, const QByteArray& bytes);

// Puts the file `from` in the place of `to` in one step, replacing it.
int RenameReplacing(const QString& from, const QString& to);

// Has the entries of `folder` (renames, new and removed files) reach the disk. Where the system
// has no such call it does nothing.
int SyncFolder(const QString& folder);

// Has what was written through the open file `handle` (QFileDevice::handle()) reach the disk.
int SyncHandle(int handle);

// The program's error number for a failed system call, from its errno.
int ErrorNumberOfErrno(int systemError);

// Maps a failed file operation onto the program's error numbers; `systemError` (errno) tells a
// refused permission from other failures to open.
int errorNumberOf(QFileDevice::FileError error, int systemError = 0);
