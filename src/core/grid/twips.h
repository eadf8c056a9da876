// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window is laid out in twips, as its layout tables are written: 15 twips are one
// device-independent pixel.
inline constexpr int TwipsPerPixel = 15;

// Twips to pixels, rounded to the nearest pixel.
constexpr int px(double twips) {
    const double pixels = twips / TwipsPerPixel;
    return int(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

constexpr int twips(int pixels) {
    return pixels * TwipsPerPixel;
}
