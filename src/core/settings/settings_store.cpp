#include "settings/settings_store.h"

#include "text/messages.h"

#include <QSettings>

namespace {

QString settingsKey(const QString& section, const QString& key) {
    return section + u'/' + key;
}

} // namespace

QString QtSettingsStore::read(const QString& section, const QString& key, const QString& fallback) {
    QSettings settings(ProgramTitle, ProgramTitle);
    return settings.value(settingsKey(section, key), fallback).toString();
}

void QtSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    QSettings settings(ProgramTitle, ProgramTitle);
    settings.setValue(settingsKey(section, key), value);
    settings.sync();
}
