// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_store.h"

#include "program_info.h"

#include <QSettings>

namespace {

QString settingsKey(const QString& section, const QString& key) {
    return section + u'/' + key;
}

} // namespace

QString QtSettingsStore::read(const QString& section, const QString& key, const QString& fallback) {
    QSettings settings(ProgramName, ProgramName);
    return settings.value(settingsKey(section, key), fallback).toString();
}

void QtSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    QSettings settings(ProgramName, ProgramName);
    settings.setValue(settingsKey(section, key), value);
    settings.sync();
}
