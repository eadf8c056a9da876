// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings_store.h"

#include <QMap>
#include <QStringList>

// Settings in memory, with the order of the writes.
class MemorySettingsStore final : public SettingsStore {
public:
    QString read(const QString& section, const QString& key, const QString& fallback) override {
        return values.value(section + u'/' + key, fallback);
    }
    void write(const QString& section, const QString& key, const QString& value) override {
        values.insert(section + u'/' + key, value);
        writes.append(key);
    }
    QMap<QString, QString> values;
    QStringList writes;
};
