// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The per-user settings store: texts by section and key, under the program's application name.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or `fallback` when the key is absent.
    virtual QString read(const QString& section, const QString& key, const QString& fallback) = 0;
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
    // Where the settings are kept, as the user finds them; empty when nowhere on disk.
    virtual QString location() const { return {}; }
};

// QSettings under the application name "Vorel" (on Linux ~/.config/Vorel/Vorel.conf).
class QtSettingsStore final : public SettingsStore {
public:
    QString read(const QString& section, const QString& key, const QString& fallback) override;
    void write(const QString& section, const QString& key, const QString& value) override;
    QString location() const override;
};
