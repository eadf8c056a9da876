// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/window_geometry.h"

#include "settings/settings_store.h"

#include <algorithm>
#include <cmath>

namespace {

float readTwips(SettingsStore& settings, const QString& key, float fallback) {
    bool ok = false;
    const float value = settings.read(SettingsSection, key, QString::number(fallback)).trimmed().toFloat(&ok);
    return ok && std::isfinite(value) ? value : fallback;
}

// Plain decimal digits, never an exponent.
QString decimalText(float value) {
    return QString::number(double(value), 'f', 0);
}

} // namespace

WindowGeometry ReadWindowGeometry(SettingsStore& settings) {
    const WindowGeometry defaults;
    return {readTwips(settings, QStringLiteral("MainLeft"), defaults.left),
            readTwips(settings, QStringLiteral("MainTop"), defaults.top),
            readTwips(settings, QStringLiteral("MainWidth"), defaults.width),
            readTwips(settings, QStringLiteral("MainHeight"), defaults.height)};
}

void WriteWindowGeometry(SettingsStore& settings, const WindowGeometry& geometry) {
    settings.write(SettingsSection, QStringLiteral("MainLeft"), decimalText(geometry.left));
    settings.write(SettingsSection, QStringLiteral("MainTop"), decimalText(geometry.top));
    settings.write(SettingsSection, QStringLiteral("MainWidth"), decimalText(geometry.width));
    settings.write(SettingsSection, QStringLiteral("MainHeight"), decimalText(geometry.height));
}

QRect KeptOnScreens(const QRect& outer, const QList<QRect>& screens, const QSize& minimum) {
    QRect kept(outer.topLeft(), outer.size().expandedTo(minimum));
    if (screens.isEmpty())
        return kept;
    QRect screen = screens.first();
    qint64 largest = 0;
    for (const QRect& candidate : screens) {
        const QRect common = candidate.intersected(kept);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > largest) {
            largest = area;
            screen = candidate;
        }
    }
    kept.setSize(kept.size().boundedTo(screen.size()));
    kept.moveLeft(std::clamp(kept.left(), screen.left(), screen.right() - kept.width() + 1));
    kept.moveTop(std::clamp(kept.top(), screen.top(), screen.bottom() - kept.height() + 1));
    return kept;
}
