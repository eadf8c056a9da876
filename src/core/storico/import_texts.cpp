// SPDX-License-Identifier: GPL-3.0-or-later
#include "storico/import_texts.h"

#include "archive/archive.h"
#include "archive/packed_date.h"
#include "calendar/draw_date.h"
#include "storico/official_wheels.h"
#include "text/draw_texts.h"
#include "text/error_text.h"
#include "text/messages.h"

#include <QStringList>

namespace {

// What stands in a bad field, cut to 40 characters: a field can be as long as the whole file.
QString quoted(const QString& field) {
    constexpr qsizetype MaxQuoted = 40;
    return field.size() <= MaxQuoted ? field : field.left(MaxQuoted) + QStringLiteral("\u2026");
}

// A date of the file as the file writes it.
QString fileDate(QDate date) {
    return OfficialDateText(date.year(), date.month(), date.day());
}

QString fileProblemText(const ImportProblem& problem) {
    switch (problem.kind) {
    case ImportProblem::NotAWheelLine:
        return QStringLiteral(
            "non \u00e8 una riga dell'archivio (data AAAA/MM/GG, sigla della ruota, cinque numeri)");
    case ImportProblem::UnknownWheelCode:
        return QStringLiteral("sigla della ruota sconosciuta \"%1\"").arg(quoted(problem.field));
    case ImportProblem::WheelTwiceOnDate:
        return QStringLiteral("la ruota %1 compare due volte nella data %2")
            .arg(problem.wheelCode, fileDate(problem.date));
    case ImportProblem::NotANumber:
        return QStringLiteral("sulla ruota %1 \"%2\" non \u00e8 un numero da 1 a 90")
            .arg(problem.wheelCode, quoted(problem.field));
    case ImportProblem::NumberTwiceOnWheel:
        return QStringLiteral("il numero %1 compare due volte sulla ruota %2")
            .arg(problem.number)
            .arg(problem.wheelCode);
    case ImportProblem::AfterLastYear:
        return QStringLiteral("la data %1 \u00e8 dopo il %2, l'ultimo anno dell'archivio")
            .arg(fileDate(problem.date))
            .arg(LastArchiveYear);
    case ImportProblem::MissingNationalWheel:
        return QStringLiteral("la data %1 (estrazione %2) non ha la ruota nazionale")
            .arg(fileDate(problem.date))
            .arg(problem.number);
    case ImportProblem::DateInFuture:
        return QStringLiteral("la data %1 \u00e8 nel futuro").arg(fileDate(problem.date));
    case ImportProblem::MissingWheels:
        return QStringLiteral("la data %1 ha %2 su %3")
            .arg(fileDate(problem.date), problem.number == 1 ? QStringLiteral("1 ruota")
                                                             : QStringLiteral("%1 ruote").arg(problem.number))
            .arg(CityWheels);
    default:
        return {};
    }
}

} // namespace

QString ImportProblemText(const ImportProblem& problem) {
    switch (problem.kind) {
    case ImportProblem::None:
        return {};
    case ImportProblem::ArchiveError:
        return problem.field.isEmpty()
                   ? ErrorMessageText(*problem.archiveError)
                   : ErrorMessageText(*problem.archiveError) + QStringLiteral(" (%1)").arg(problem.field);
    case ImportProblem::NewArchiveNeedsWholeHistory:
        return QStringLiteral(
                   "un nuovo archivio comincia con l'estrazione del %1 e il file comincia il %2: "
                   "un file pi\u00f9 breve pu\u00f2 solo verificare o estendere un archivio esistente. "
                   "Nulla \u00e8 stato scritto.")
            .arg(FirstArchiveDrawText(),
                 FullDateText(problem.date.year(), problem.date.month(), problem.date.day()));
    case ImportProblem::NoDraws:
        return QStringLiteral("il file non contiene estrazioni dal 1947 in poi: nulla \u00e8 stato scritto.");
    case ImportProblem::RebuildNeedsWholeHistory:
        return QStringLiteral("per ricostruire l'archivio il file deve cominciare con l'estrazione del "
                              "%1: nulla \u00e8 stato scritto.")
            .arg(FirstArchiveDrawText());
    case ImportProblem::TooManyDraws:
        return QStringLiteral(
                   "L'archivio conterrebbe %1 estrazioni: il massimo \u00e8 %2. Nulla \u00e8 stato "
                   "scritto.")
            .arg(problem.number)
            .arg(MaxDrawCount);
    case ImportProblem::ZipDamaged:
        return QStringLiteral("l'archivio zip \u00e8 danneggiato: nulla \u00e8 stato scritto.");
    case ImportProblem::ZipWithoutText:
        return QStringLiteral("l'archivio zip non contiene un file .txt: nulla \u00e8 stato scritto.");
    case ImportProblem::ZipWithSeveralTexts:
        return QStringLiteral(
            "l'archivio zip contiene pi\u00f9 di un file .txt: nulla \u00e8 stato scritto.");
    case ImportProblem::ZipEncrypted:
        return QStringLiteral("il file .txt dell'archivio zip \u00e8 cifrato: nulla \u00e8 stato scritto.");
    case ImportProblem::TextTooLarge:
        return QStringLiteral("il file .txt dell'archivio zip supera i %1 MB: nulla \u00e8 stato scritto.")
            .arg(problem.number);
    default:
        return QStringLiteral("riga %1: %2").arg(problem.line).arg(fileProblemText(problem));
    }
}

namespace {

QString dateText(PackedDate date) {
    return FullDateText(FullYear(date.yearCode), date.month, date.day);
}

QString numbersText(const std::array<qint16, 6>& numbers) {
    QStringList list;
    for (int p = 1; p <= NumbersPerWheel; ++p)
        list.append(QString::number(numbers[std::size_t(p)]));
    return list.join(u' ');
}

QString nationalIgnored(int lines) {
    return (lines == 1 ? QStringLiteral("Ignorata 1 riga") : QStringLiteral("Ignorate %1 righe").arg(lines)) +
           QStringLiteral(" della ruota nazionale prima dell'estrazione %1.").arg(FirstNationalDraw);
}

QString correctAdvice(ImportSource source) {
    return QStringLiteral(" Le estrazioni diverse si scrivono con %1.")
        .arg(source == ImportSource::Site ? QStringLiteral("--update --correct")
                                          : QStringLiteral("--correct"));
}

QString nothingWritten(const ImportReport& r, ImportSource source) {
    QString text = QStringLiteral("Nulla \u00e8 stato scritto: l'archivio e il file non concordano.");
    if (r.newDraws > 0)
        text += QStringLiteral(" Le nuove estrazioni del file, %1, non sono state aggiunte.")
                    .arg(NewDrawsText(r));
    if (r.differing > 0)
        text += correctAdvice(source);
    if (r.gaps > 0)
        text +=
            source == ImportSource::Site
                ? QStringLiteral(" L'archivio si pu\u00f2 ricostruire dal file del sito con --update "
                                 "--rebuild (le estrazioni mancanti o ripetute vengono corrette).")
                : QStringLiteral(" L'archivio si pu\u00f2 ricostruire dal file completo con --import FILE "
                                 "--rebuild (le estrazioni mancanti o ripetute vengono corrette).");
    return text;
}

// The new draws went in; the differing ones stayed as stored.
QString differencesKept(const ImportReport& r, ImportSource source) {
    return (r.differing == 1 ? QStringLiteral("L'estrazione diversa \u00e8 rimasta come nell'archivio.")
                             : QStringLiteral("Le %1 estrazioni diverse sono rimaste come nell'archivio.")
                                   .arg(r.differing)) +
           correctAdvice(source);
}

} // namespace

QString EndsBeforeArchiveText(const ImportReport& r) {
    return QStringLiteral(
               "Attenzione: il file finisce il %1, prima dell'ultima estrazione dell'archivio (%2): "
               "non \u00e8 aggiornato.")
        .arg(dateText(r.lastDate), dateText(r.archiveLast));
}

namespace {

// "(dal A al B)", "(del A)": the new draws' dates.
QString rangeText(const ImportReport& r) {
    return r.firstNew == r.lastNew
               ? QStringLiteral("(del %1)").arg(dateText(r.firstNew))
               : QStringLiteral("(dal %1 al %2)").arg(dateText(r.firstNew), dateText(r.lastNew));
}

// What would change (a dry run) or changed: added and corrected, completed when there are any,
// and for a rebuild the draws unchanged and removed.
QString changesText(const ImportReport& r) {
    QString changes =
        (r.dryRun ? QStringLiteral("da aggiungere %1") : QStringLiteral("aggiunte %1")).arg(r.added);
    if (r.added > 0 && r.newDraws > 0)
        changes += u' ' + rangeText(r);
    changes +=
        (r.dryRun ? QStringLiteral(", da correggere %1") : QStringLiteral(", corrette %1")).arg(r.corrected);
    if (r.completed > 0)
        changes += (r.dryRun ? QStringLiteral(", da completare %1") : QStringLiteral(", completate %1"))
                       .arg(r.completed);
    if (r.rebuilt) {
        changes = QStringLiteral("invariate %1, ").arg(r.unchanged) + changes;
        if (r.removed > 0)
            changes +=
                (r.dryRun ? QStringLiteral(", da togliere %1") : QStringLiteral(", tolte %1")).arg(r.removed);
    }
    return changes;
}

} // namespace

QString ImportDetailText(const ImportDetail& detail) {
    const QString date = dateText(detail.date);
    switch (detail.kind) {
    case ImportDetail::DateOutOfOrder:
        return QStringLiteral("Data ripetuta o fuori ordine nell'archivio: %1, estrazione %2")
            .arg(date)
            .arg(detail.draw);
    case ImportDetail::MissingFromArchive:
        return QStringLiteral("Manca nell'archivio: %1").arg(date);
    case ImportDetail::MissingFromFile:
        return QStringLiteral("Manca nel file: %1, estrazione %2").arg(date).arg(detail.draw);
    case ImportDetail::NumbersDiffer:
        return QStringLiteral("Diversa: %1, estrazione %2, ruota %3: archivio %4, file %5")
            .arg(date)
            .arg(detail.draw)
            .arg(OfficialWheelCode(detail.wheel), numbersText(detail.archived), numbersText(detail.inFile));
    case ImportDetail::WeekdayDiffers:
        return QStringLiteral("Giorno diverso: %1, estrazione %2: archivio %3, data %4")
            .arg(date)
            .arg(detail.draw)
            .arg(WeekdayText(detail.archivedWeekday), WeekdayText(detail.fileWeekday));
    }
    return {};
}

QString ImportSummaryText(const ImportReport& r) {
    QString text = r.read == 1 ? QStringLiteral("Letta 1 estrazione")
                               : QStringLiteral("Lette %1 estrazioni").arg(r.read);
    if (r.read > 0)
        text += QStringLiteral(" dal %1 al %2").arg(dateText(r.firstDate), dateText(r.lastDate));
    return text +
           QStringLiteral("; saltate %1 prima del %2; verificate %3, diverse %4, ")
               .arg(r.skippedBefore1947)
               .arg(FirstArchiveYear)
               .arg(r.verified)
               .arg(r.differing) +
           changesText(r) + u'.';
}

QString NewDrawsText(const ImportReport& report) {
    return (report.newDraws == 1 ? QStringLiteral("1 estrazione ")
                                 : QStringLiteral("%1 estrazioni ").arg(report.newDraws)) +
           rangeText(report);
}

QString ImportReportText(const ImportReport& report, ImportSource source) {
    QString text = ImportSummaryText(report) + u'\n';
    if (report.nationalIgnored > 0)
        text += nationalIgnored(report.nationalIgnored) + u'\n';
    for (const ImportDetail& detail : report.details)
        text += ImportDetailText(detail) + u'\n';
    if (report.differencesKept)
        text += differencesKept(report, source) + u'\n';
    else if (report.status == ImportReport::Disagrees)
        text += nothingWritten(report, source) + u'\n';
    if (report.dryRun && (report.status == ImportReport::Agrees || report.differencesKept))
        text += DryRunWroteNothingText() + u'\n';
    if (report.archiveLast != PackedDate{})
        text += EndsBeforeArchiveText(report) + u'\n';
    if (report.subArchivesRebuilt)
        text += SubArchivesRebuiltText() + u'\n';
    if (!report.backup.isEmpty())
        text += BackupMadeText(report.backup) + u'\n';
    return text;
}
