// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

class Archive;

// The exchange format of the official results file: one line per wheel of each draw,
// YYYY/MM/DD, the wheel's code, the five numbers, separated by tabs, UTF-8 with LF line endings,
// draws oldest first; the wheels in the official order and spelling (Rome is "RM"), the national
// wheel "RN" from its first draw on.
QByteArray ExportStorico(const Archive& archive);
