#include "text/storico_texts.h"

#include "archive/packed_date.h"
#include "text/messages.h"

namespace StoricoText {

QString atLine(int line, const QString& problem) {
    return QStringLiteral("riga %1: %2").arg(line).arg(problem);
}

QString notAWheelLine() {
    return QStringLiteral(
        "non \u00e8 una riga dell'archivio (data AAAA/MM/GG, sigla della ruota, cinque numeri)");
}

QString unknownWheelCode(const QString& code) {
    return QStringLiteral("sigla della ruota sconosciuta \"%1\"").arg(code);
}

QString wheelTwiceOnDate(const QString& wheelCode, const QString& date) {
    return QStringLiteral("la ruota %1 compare due volte nella data %2").arg(wheelCode, date);
}

QString notANumber(const QString& wheelCode, const QString& field) {
    return QStringLiteral("sulla ruota %1 \"%2\" non \u00e8 un numero da 1 a 90").arg(wheelCode, field);
}

QString numberTwiceOnWheel(int number, const QString& wheelCode) {
    return QStringLiteral("il numero %1 compare due volte sulla ruota %2").arg(number).arg(wheelCode);
}

QString afterLastYear(const QString& date, int lastYear) {
    return QStringLiteral("la data %1 \u00e8 dopo il %2, l'ultimo anno dell'archivio")
        .arg(date)
        .arg(lastYear);
}

QString missingWheels(const QString& date, int wheels, int of) {
    return QStringLiteral("la data %1 ha %2 ruote su %3").arg(date).arg(wheels).arg(of);
}

QString withoutNationalWheel(const QString& date, int draw) {
    return QStringLiteral("Senza ruota nazionale: %1, estrazione %2").arg(date).arg(draw);
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
    return QStringLiteral("Ignorate %1 righe della ruota nazionale prima dell'estrazione %2.")
        .arg(lines)
        .arg(firstNationalDraw);
}

QString changedDuringImport() {
    return ArchiveChangedByAnotherProgram() +
           QStringLiteral(" durante l'importazione: nulla \u00e8 stato scritto.");
}

QString tooManyDraws(int draws, int maxDraws) {
    return QStringLiteral(
               "L'archivio conterrebbe %1 estrazioni: il massimo \u00e8 %2. Nulla \u00e8 stato scritto.")
        .arg(draws)
        .arg(maxDraws);
}

QString summary(int read, const QString& firstDate, const QString& lastDate, int skipped, int verified,
                int differing, int added, int corrected) {
    const QString range = read > 0 ? QStringLiteral(" dal %1 al %2").arg(firstDate, lastDate) : QString();
    return QStringLiteral("Lette %1 estrazioni%2; saltate %3 prima del %4; verificate %5, diverse %6, "
                          "aggiunte %7, corrette %8.")
        .arg(read)
        .arg(range)
        .arg(skipped)
        .arg(FirstArchiveYear)
        .arg(verified)
        .arg(differing)
        .arg(added)
        .arg(corrected);
}

} // namespace StoricoText
