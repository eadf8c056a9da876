// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/command_line.h"

#include <QByteArray>
#include <QStringList>

// One run of the command line, with what it wrote.
struct Run {
    CommandLineResult result;
    QByteArray out;
    QByteArray err;
};

// `arguments` without the program's name; `input` is standard input.
Run RunVorel(const QStringList& arguments, const QString& programFolder = QStringLiteral("/nowhere/"),
             const QByteArray& input = {});
