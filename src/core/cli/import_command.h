// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/data_folder.h"
#include "storico/storico_import.h"

#include <QDateTime>
#include <QStringList>

class QIODevice;
class SettingsStore;

// --import FILE: the official results file into the archive; the report on `out`, exit status 0
// when the archive agrees with the file, 1 for differences or gaps, 2 for errors.
int ImportCommand(const DataFolder& folder, const QString& file, const ImportOptions& options, QIODevice& in,
                  QIODevice& out, QIODevice& err);

// --update: the same from the site (or `from`); 0 as well when the server says nothing changed.
// With `ifDue` nothing is downloaded unless the archive lacks a draw whose evening has passed.
struct UpdateArguments {
    QString from;
    ImportOptions options;
    bool ifDue = false;
    QDateTime now;
};
int UpdateCommand(const DataFolder& folder, const UpdateArguments& arguments, SettingsStore& settings,
                  QIODevice& out, QIODevice& err);

// --set Update.KEY=VALUE...: the update's settings stored, or the first that cannot be.
int SetCommand(const QStringList& assignments, SettingsStore& settings, QIODevice& out, QIODevice& err);
