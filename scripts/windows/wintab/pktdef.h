// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Qt source leaves out the Wintab headers; Wine's describe the same interface.
#include "/usr/include/wine/wine/windows/pktdef.h"
