// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_store.h"

#include "program_info.h"

#include <QSettings>

namespace {

QString settingsKey(const QString& section, const QString& key) {
    return section + u'/' + key;
}

} // namespace

// The system's own store (on Windows the registry) unless the default format was changed, as the
// tests change it to keep their settings in their own folder on every platform.
QString QtSettingsStore::read(const QString& section, const QString& key, const QString& fallback) {
    QSettings settings(QSettings::defaultFormat(), QSettings::UserScope, ProgramName, ProgramName);
    return settings.value(settingsKey(section, key), fallback).toString();
}

void QtSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    QSettings settings(QSettings::defaultFormat(), QSettings::UserScope, ProgramName, ProgramName);
    settings.setValue(settingsKey(section, key), value);
    settings.sync();
}

// A file, or on Windows the registry key ("\\HKEY_CURRENT_USER\\Software\\Vorel\\Vorel").
QString QtSettingsStore::location() const {
    return QSettings(QSettings::defaultFormat(), QSettings::UserScope, ProgramName, ProgramName).fileName();
}
