// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Qt source leaves out the Wintab headers; Wine's describe the same interface, with two of
// Wine's own macros, defined here as Windows' headers would, and Wintab's calling convention.
#pragma once
#include <windows.h>
#ifndef WINELIB_NAME_AW
#ifdef UNICODE
#define WINELIB_NAME_AW(name) name##W
#else
#define WINELIB_NAME_AW(name) name##A
#endif
#endif
#ifndef DECL_WINELIB_TYPE_AW
#define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#endif
#include "/usr/include/wine/wine/windows/wintab.h"
#ifndef API
#define API WINAPI
#endif
