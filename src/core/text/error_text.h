// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive/file_error.h"

#include <QString>

// The Italian text of file and device failure `number` (24..76); empty for a number without one.
QString ErrorText(int number);

// The sentence shown for `error`: the ErrorText of its number, the program's own sentence for an
// archive in use, changed by another program or damaged, or "Errore di sistema" followed by the
// number (with a leading space unless negative) when it has none.
QString ErrorMessageText(FileError error);
