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

QString UpdateCheckingText(QDate date) {
    return QStringLiteral("Ricerca dei risultati del %1 sul sito\u2026")
        .arg(FullDateText(date.year(), date.month(), date.day()));
}

QString UpdateWaitingText() {
    return QStringLiteral("Nuove estrazioni sul sito: saranno aggiunte al ritorno al menu principale.");
}

QString UpdateAddedText(int added, PackedDate last) {
    return added == 1 ? QStringLiteral("Aggiunta dal sito 1 estrazione, del %1.").arg(dateText(last))
                      : QStringLiteral("Aggiunte dal sito %1 estrazioni; l'ultima \u00e8 del %2.")
                            .arg(added)
                            .arg(dateText(last));
}

QString UpdateFailedText(const QString& cause) {
    QString clause = cause;
    if (clause.endsWith(u'.')) // some causes are whole sentences
        clause.chop(1);
    return QStringLiteral("Aggiornamento automatico non riuscito: %1. Nuovo tentativo tra 30 minuti.")
        .arg(clause);
}

QString UpdateDisagreesText() {
    return QStringLiteral("Il file del sito non concorda con l'archivio: nulla \u00e8 stato scritto. F5 "
                          "scarica il file e mostra le differenze.");
}
