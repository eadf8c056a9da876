// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The Italian text of file and device failure `number` (24..76); empty for a number without one.
QString ErrorText(int number);

// The sentence shown for failure `number`: its ErrorText, the program's own sentence for an archive
// in use or changed by another program, or "Errore di sistema" followed by the number (with a
// leading space unless negative) when it has none.
QString ErrorMessageText(int number);
