// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

// The screens of the window; one shows at a time.
enum class Screen { MainMenu, Entry, ArchiveView, Paste };

// Why the entry screen is open: a new draw or the correction of a stored one, typed or read from a
// pasted text.
enum class EntryMode { NewDraw, Correction, PastedNew, PastedCorrection };

constexpr bool IsCorrection(EntryMode mode) {
    return mode == EntryMode::Correction || mode == EntryMode::PastedCorrection;
}
constexpr bool IsPasted(EntryMode mode) {
    return mode == EntryMode::PastedNew || mode == EntryMode::PastedCorrection;
}

// What a button of the window's row does.
enum class Action { None, NewDraw, Paste, ArchiveView, Exit, Commit, Back, Correct, Sort, Elabora };

// The window's row of four buttons as a screen shows it: a button that does nothing there is hidden
// and keeps the caption it had.
struct ButtonRow {
    std::array<QString, 4> captions;
    std::array<Action, 4> actions{};
    bool download = false; // "Scarica gli ultimi risultati" in the place of the third and fourth
    bool enterPressesFirst = false;
    bool escapePressesSecond = false;
};

const ButtonRow& ButtonsOf(Screen screen);
// Where Annulla leads: a correction opened from the archive view returns to it, all else to the menu.
Screen BackFrom(Screen screen, EntryMode mode);
// The help topic of each screen.
QString HelpKeyword(Screen screen);
// The screens from which F5 downloads the official results file.
constexpr bool Downloads(Screen screen) {
    return screen == Screen::MainMenu || screen == Screen::Paste;
}
