// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The window's icon: the program's icon of the desktop theme, a teal ball with a "V".
QIcon AppIcon();
