// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/archive_check.h"

#include <QString>

// The check of the whole archive in words, in Italian.
namespace CheckText {

// One line per problem.
QString problem(const ArchiveProblem& problem);
// The archive is sound.
QString sound(int draws);
// After a repair: how many problems it wrote right, and how many are left to the user.
QString repaired(int count);
QString leftToTheUser(int count);

} // namespace CheckText
