// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/storico_texts.h"

#include "archive/archive.h"
#include "archive/packed_date.h"
#include "text/draw_texts.h"
#include "text/error_text.h"
#include "text/messages.h"

namespace {

// What stands in a bad field, cut to 40 characters: a field can be as long as the whole file.
QString quoted(const QString& field) {
    constexpr qsizetype MaxQuoted = 40;
    return field.size() <= MaxQuoted ? field : field.left(MaxQuoted) + QStringLiteral("\u2026");
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
            .arg(problem.wheelCode, quoted(problem.field));
    case ImportProblem::NotANumber:
        return QStringLiteral("sulla ruota %1 \"%2\" non \u00e8 un numero da 1 a 90")
            .arg(problem.wheelCode, quoted(problem.field));
    case ImportProblem::NumberTwiceOnWheel:
        return QStringLiteral("il numero %1 compare due volte sulla ruota %2")
            .arg(problem.number)
            .arg(problem.wheelCode);
    case ImportProblem::AfterLastYear:
        return QStringLiteral("la data %1 \u00e8 dopo il %2, l'ultimo anno dell'archivio")
            .arg(problem.field)
            .arg(LastArchiveYear);
    case ImportProblem::MissingNationalWheel:
        return QStringLiteral("la data %1 (estrazione %2) non ha la ruota nazionale")
            .arg(problem.field)
            .arg(problem.number);
    case ImportProblem::DateInFuture:
        return QStringLiteral("la data %1 \u00e8 nel futuro").arg(problem.field);
    case ImportProblem::MissingWheels:
        return QStringLiteral("la data %1 ha %2 su %3")
            .arg(problem.field, problem.number == 1 ? QStringLiteral("1 ruota")
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
            .arg(FirstArchiveDrawText(), problem.field);
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

namespace StoricoText {

QString dateOutOfOrder(const QString& date, int draw) {
    return QStringLiteral("Data ripetuta o fuori ordine nell'archivio: %1, estrazione %2")
        .arg(date)
        .arg(draw);
}

QString weekdayDiffers(const QString& date, int draw, const QString& archived, const QString& inFile) {
    return QStringLiteral("Giorno diverso: %1, estrazione %2: archivio %3, data %4")
        .arg(date)
        .arg(draw)
        .arg(archived, inFile);
}

QString missingFromArchive(const QString& date) {
    return QStringLiteral("Manca nell'archivio: %1").arg(date);
}

QString missingFromFile(const QString& date, int draw) {
    return QStringLiteral("Manca nel file: %1, estrazione %2").arg(date).arg(draw);
}

QString differs(const QString& date, int draw, const QString& wheelCode, const QString& archived,
                const QString& inFile) {
    return QStringLiteral("Diversa: %1, estrazione %2, ruota %3: archivio %4, file %5")
        .arg(date)
        .arg(draw)
        .arg(wheelCode, archived, inFile);
}

QString nationalIgnored(int lines, int firstNationalDraw) {
    return (lines == 1 ? QStringLiteral("Ignorata 1 riga") : QStringLiteral("Ignorate %1 righe").arg(lines)) +
           QStringLiteral(" della ruota nazionale prima dell'estrazione %1.").arg(firstNationalDraw);
}

QString subArchivesRebuilt() {
    return QStringLiteral("Sotto-archivi S e M ricostruiti dall'archivio completo.");
}

QString backupMade(const QString& folder) {
    return QStringLiteral("Archivio precedente salvato in %1.").arg(folder);
}

QString summary(const SummaryCounts& c) {
    QString text = c.read == 1 ? QStringLiteral("Letta 1 estrazione")
                               : QStringLiteral("Lette %1 estrazioni").arg(c.read);
    if (c.read > 0)
        text += QStringLiteral(" dal %1 al %2").arg(c.firstDate, c.lastDate);
    QString changes = c.planned ? QStringLiteral("da aggiungere %1, da correggere %2")
                                : QStringLiteral("aggiunte %1, corrette %2");
    changes = changes.arg(c.added).arg(c.corrected);
    if (c.completed > 0)
        changes += (c.planned ? QStringLiteral(", da completare %1") : QStringLiteral(", completate %1"))
                       .arg(c.completed);
    if (c.rebuild) {
        changes = QStringLiteral("invariate %1, ").arg(c.unchanged) + changes;
        if (c.removed > 0)
            changes += (c.planned ? QStringLiteral(", da togliere %1") : QStringLiteral(", tolte %1"))
                           .arg(c.removed);
    }
    return text +
           QStringLiteral("; saltate %1 prima del %2; verificate %3, diverse %4, ")
               .arg(c.skipped)
               .arg(FirstArchiveYear)
               .arg(c.verified)
               .arg(c.differing) +
           changes + u'.';
}

QString nothingWritten(bool differences, bool gaps) {
    QString text = QStringLiteral("Nulla \u00e8 stato scritto: l'archivio e il file non concordano.");
    if (differences)
        text += QStringLiteral(" Le estrazioni diverse si scrivono con --correct.");
    if (gaps)
        text += QStringLiteral(
            " L'archivio si pu\u00f2 ricostruire dal file completo con --import FILE --rebuild "
            "(le estrazioni mancanti o ripetute vengono corrette).");
    return text;
}

QString dryRunWroteNothing() {
    return QStringLiteral("Prova: nulla \u00e8 stato scritto.");
}

} // namespace StoricoText
