// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/status_texts.h"

#include "archive/draw_rules.h"
#include "calendar/draw_date.h"
#include "text/draw_texts.h"

#include <QDir>

namespace {

QString dateText(PackedDate date) {
    return FullDateText(FullYear(date.yearCode), date.month, date.day);
}

} // namespace

int IncompleteDrawCount(const Archive& archive) {
    int count = 0;
    for (int d = 1; d <= archive.DrawCount(); ++d) {
        const WheelNumbers wheels = archive.drawWheels(d);
        for (int w = 1; w <= WheelCountOfDraw(d); ++w)
            if (StateOfWheel(wheels[std::size_t(w)]) == WheelState::Incomplete) {
                ++count;
                break;
            }
    }
    return count;
}

QString NextDrawText(const NextDraw& next, const QDateTime& now) {
    if (!next.date.isValid())
        return {};
    const QString date = FullDateText(next.date.year(), next.date.month(), next.date.day());
    return next.isDueAt(now)
               ? QStringLiteral("In attesa dei risultati del %1").arg(date)
               : QStringLiteral("Prossima estrazione: %1 %2").arg(WeekdayName(next.date.dayOfWeek()), date);
}

QString ArchiveStatusText(const Archive& archive, const QString& folder, const QDateTime& now) {
    const QString where = QStringLiteral("Cartella: ") + QDir::toNativeSeparators(folder);
    const int count = archive.DrawCount();
    if (count == 0)
        return QStringLiteral("Archivio vuoto. ") + where;
    QString text = CountedDraws(count) +
                   QStringLiteral("; l'ultima di %1 %2.")
                       .arg(WeekdayName(archive.DrawWeekday(count)), dateText(archive.DrawDate(count)));
    if (const int incomplete = IncompleteDrawCount(archive))
        text += u' ' + CountedIncompleteDraws(incomplete) + u'.';
    if (const QString next = NextDrawText(NextDrawOf(archive), now); !next.isEmpty())
        text += u' ' + next + u'.';
    return text + u' ' + where;
}

QString EmptyArchiveAdvice() {
    return QStringLiteral("L'archivio \u00e8 vuoto. Per riempirlo: trascinare qui il file ufficiale delle "
                          "estrazioni, aprirlo con Ctrl+O, o scaricarlo con F5.");
}

QString SavedDrawText(int draw, PackedDate date) {
    return QStringLiteral("Salvata l'estrazione %1 del %2").arg(draw).arg(dateText(date));
}
