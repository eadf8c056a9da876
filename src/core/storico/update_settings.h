// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class SettingsStore;

// The update's settings, in the section [Update]: Url, the address to download from; Auto, what
// the window does when a draw is due (add, ask, off); Timeout, the seconds the whole download may
// take. Set from the command line as `--set Update.Url=...`; an empty value goes back to the default.

inline const QString UpdateSection = QStringLiteral("Update");
inline const QString UpdateUrlKey = QStringLiteral("Url");

enum class AutoUpdate { Add, Ask, Off };

AutoUpdate AutoUpdateMode(SettingsStore& settings);
int UpdateDeadlineSeconds(SettingsStore& settings);

// Stores `assignment` ("Update.Auto=ask"): empty when done, else what is wrong, in Italian.
QString SetUpdateSetting(SettingsStore& settings, const QString& assignment);
