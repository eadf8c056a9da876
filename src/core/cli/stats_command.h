// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

class Archive;
class QIODevice;

// --stats and --find: the figures and the search as CSV on standard output. The arguments are
// checked before the archive is loaded; each problem is said in Italian (exit status 2).

struct StatsArguments {
    QString wheel;      // a wheel code, or TT for all wheels
    QString from, to;   // dates, yyyy-mm-dd or dd-mm-yyyy; empty: open
    bool pairs = false; // the pairs of the wheel instead of the numbers
    QString numbers;    // --find: N1[,N2..]
};

using ArchiveLoader = std::function<std::optional<Archive>()>;

// Exit status 0 with rows.
int StatsCommand(const StatsArguments& arguments, const ArchiveLoader& load, QIODevice& out, QIODevice& err);
// Exit status 0 with rows, 1 with none.
int FindCommand(const StatsArguments& arguments, const ArchiveLoader& load, QIODevice& out, QIODevice& err);
