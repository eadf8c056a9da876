// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/check_texts.h"

#include "archive/constant_tables.h"
#include "calendar/draw_date.h"

namespace {

QString dateText(PackedDate date) {
    return FullDateText(FullYear(date.yearCode), date.month, date.day);
}

} // namespace

namespace CheckText {

QString problem(const ArchiveProblem& p) {
    switch (p.kind) {
    case ArchiveProblem::DamagedCount:
        return QStringLiteral(
                   "Il file %1 conta %2 estrazioni ma ne contiene %3: l'archivio non si pu\u00f2 leggere.")
            .arg(p.file)
            .arg(p.number)
            .arg(p.other);
    case ArchiveProblem::ShortFile:
        return QStringLiteral("Il file %1 \u00e8 pi\u00f9 corto del dovuto: %2 byte invece di %3.")
            .arg(p.file)
            .arg(p.number)
            .arg(p.other);
    case ArchiveProblem::LongFile:
        return QStringLiteral("Il file %1 \u00e8 pi\u00f9 lungo del dovuto: %2 byte invece di %3.")
            .arg(p.file)
            .arg(p.number)
            .arg(p.other);
    case ArchiveProblem::DateOutOfOrder:
        return QStringLiteral(
                   "Estrazione %1 del %2: data ripetuta o fuori ordine (l'estrazione %3 \u00e8 del %4).")
            .arg(p.draw)
            .arg(dateText(p.date))
            .arg(p.other)
            .arg(dateText(p.otherDate));
    case ArchiveProblem::InvalidDate:
        return QStringLiteral("Estrazione %1: la data %2 non esiste.")
            .arg(p.draw)
            .arg(FormatDrawDate(p.date));
    case ArchiveProblem::WrongWeekday:
        return QStringLiteral("Estrazione %1 del %2: giorno della settimana %3 invece di %4.")
            .arg(p.draw)
            .arg(dateText(p.date), WeekdayText(p.number), WeekdayText(p.other));
    case ArchiveProblem::NoNationalWheel:
        return QStringLiteral("Estrazione %1 del %2: manca la ruota nazionale.")
            .arg(p.draw)
            .arg(dateText(p.date));
    case ArchiveProblem::LastWeeklyBeyondCount:
        return QStringLiteral("L'ultima estrazione settimanale indicata (%1) \u00e8 oltre le estrazioni "
                              "dell'archivio (%2).")
            .arg(p.number)
            .arg(p.other);
    case ArchiveProblem::SubArchivesDisagree:
        return QStringLiteral("I sotto-archivi S e M non concordano con l'archivio completo.");
    }
    return {};
}

QString sound(int draws) {
    return QStringLiteral("Archivio integro: %1 estrazioni.").arg(draws);
}

QString repaired(int count) {
    return QStringLiteral("Riparati %1 problemi: i file sono stati riscritti dall'archivio completo.")
        .arg(count);
}

QString leftToTheUser(int count) {
    return QStringLiteral(
               "Restano %1 problemi da correggere: le estrazioni si correggono dalla schermata "
               "Visualizza/Correggi, oppure con --import FILE --correct o --import FILE --rebuild.")
        .arg(count);
}

} // namespace CheckText
