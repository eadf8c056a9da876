// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

// Key codes and modifier mask as the grid's key table is written (Windows virtual-key codes;
// mask 1 Shift, 2 Ctrl, 4 Alt).
namespace VirtualKey {
inline constexpr int Enter = 13;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Delete = 46;
} // namespace VirtualKey

inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;
inline constexpr int AltMask = 4;

// The virtual-key code of a Qt key, 0 for keys the program does not name.
int VirtualKeyCode(int qtKey);
// The modifier mask of Qt modifiers (the keypad flag is not a modifier here).
int ModifierMask(Qt::KeyboardModifiers modifiers);

// The grid's scroll-bar values after a key: the key table of the archive view.
struct GridBars {
    int vertical = 1;   // VScrl: the top draw
    int horizontal = 1; // HScrl: the first block
    friend bool operator==(const GridBars&, const GridBars&) = default;
};
inline constexpr int GridPageStep = 52;
GridBars GridKeyEffect(int keyCode, int mask, GridBars bars, int drawCount);
