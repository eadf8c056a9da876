// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/navigation.h"

const ButtonRow& ButtonsOf(Screen screen) {
    static const ButtonRow menu{{QStringLiteral("Aggiorna"), QStringLiteral("Aggior. automatico"),
                                 QStringLiteral("Visualizza/Correggi"), QStringLiteral("Esci")},
                                {Action::NewDraw, Action::Paste, Action::ArchiveView, Action::Exit}};
    static const ButtonRow entry{{QStringLiteral("OK"), QStringLiteral("Annulla")},
                                 {Action::Commit, Action::Back, Action::None, Action::None}};
    static const ButtonRow archive{
        {QStringLiteral("Correggi"), QStringLiteral("Annulla"), QStringLiteral("Ordina")},
        {Action::Correct, Action::Back, Action::Sort, Action::None},
        false,
        true,
        true};
    static const ButtonRow paste{{QStringLiteral("Elabora"), QStringLiteral("Annulla")},
                                 {Action::Elabora, Action::Back, Action::None, Action::None},
                                 true};
    switch (screen) {
    case Screen::Entry:
        return entry;
    case Screen::ArchiveView:
        return archive;
    case Screen::Paste:
        return paste;
    case Screen::MainMenu:
        break;
    }
    return menu;
}

Screen BackFrom(Screen screen, EntryMode mode) {
    return screen == Screen::Entry && mode == EntryMode::Correction ? Screen::ArchiveView : Screen::MainMenu;
}

QString HelpKeyword(Screen screen) {
    switch (screen) {
    case Screen::Entry:
        return QStringLiteral("Aggiorna");
    case Screen::ArchiveView:
        return QStringLiteral("Visualizza");
    case Screen::Paste:
        return QStringLiteral("Aggiornamento automatico");
    case Screen::MainMenu:
        break;
    }
    return QStringLiteral("Iniziale");
}
