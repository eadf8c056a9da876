// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Qt's own words (the text boxes' context menu, the standard buttons, the file chooser) in
// Italian, as the rest of the program, whatever the desktop's language: Qt's catalogue
// qtbase_it.qm from the "translations" folder beside the program (Windows) or Qt's own
// (Debian's qt6-translations-l10n). Whether it was found.
bool InstallQtTranslations(const QString& programPath);
