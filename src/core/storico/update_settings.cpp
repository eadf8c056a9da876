// SPDX-License-Identifier: GPL-3.0-or-later
#include "storico/update_settings.h"

#include "settings/settings_store.h"
#include "storico/storico_download.h"

#include <QUrl>

namespace {

const QString AutoKey = QStringLiteral("Auto");
const QString TimeoutKey = QStringLiteral("Timeout");
constexpr int MaxDeadlineSeconds = 3600;
const QStringList AutoModes{QStringLiteral("add"), QStringLiteral("ask"), QStringLiteral("off")};

int secondsIn(const QString& text) {
    bool ok = false;
    const int seconds = text.trimmed().toInt(&ok);
    return ok && seconds >= 1 && seconds <= MaxDeadlineSeconds ? seconds : 0;
}

// What is wrong with `value` for `key`; empty when it may be stored.
QString valueProblem(const QString& key, const QString& value) {
    if (value.isEmpty())
        return {};
    if (key == AutoKey && !AutoModes.contains(value))
        return QStringLiteral("i valori sono add (aggiunge da s\u00e9), ask (chiede) e off (mai)");
    if (key == TimeoutKey && secondsIn(value) == 0)
        return QStringLiteral("serve un numero di secondi da 1 a %1").arg(MaxDeadlineSeconds);
    if (key == UpdateUrlKey && !QUrl(value).isValid())
        return QStringLiteral("indirizzo non valido");
    return {};
}

} // namespace

AutoUpdate AutoUpdateMode(SettingsStore& settings) {
    const QString mode = settings.read(UpdateSection, AutoKey, {}).trimmed();
    return mode == AutoModes[1] ? AutoUpdate::Ask : mode == AutoModes[2] ? AutoUpdate::Off : AutoUpdate::Add;
}

int UpdateDeadlineSeconds(SettingsStore& settings) {
    const int seconds = secondsIn(settings.read(UpdateSection, TimeoutKey, {}));
    return seconds > 0 ? seconds : DefaultDeadlineSeconds;
}

QString SetUpdateSetting(SettingsStore& settings, const QString& assignment) {
    const qsizetype equals = assignment.indexOf(u'=');
    const QString name = assignment.left(equals).trimmed();
    const QString prefix = UpdateSection + u'.';
    const QString key = name.startsWith(prefix) ? name.mid(prefix.size()) : QString();
    if (equals < 0 || !QStringList{UpdateUrlKey, AutoKey, TimeoutKey}.contains(key))
        return QStringLiteral("\"%1\": si imposta Update.Url=INDIRIZZO, Update.Auto=add|ask|off o "
                              "Update.Timeout=SECONDI")
            .arg(assignment);
    const QString value = assignment.mid(equals + 1).trimmed();
    if (const QString problem = valueProblem(key, value); !problem.isEmpty())
        return QStringLiteral("%1: %2").arg(name, problem);
    settings.write(UpdateSection, key, value);
    return {};
}
