// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/messages.h"

#include "archive/file_store.h"
#include "calendar/draw_date.h"
#include "text/download_texts.h"
#include "text/draw_texts.h"
#include "text/error_text.h"

#include <QDir>

QString ArchiveChangedByAnotherProgram() {
    return QStringLiteral("L'archivio \u00e8 stato modificato da un altro programma");
}

QString SubArchivesRebuiltText() {
    return QStringLiteral("Sotto-archivi S e M ricostruiti dall'archivio completo.");
}

QString BackupMadeText(const QString& folder) {
    return QStringLiteral("Archivio precedente salvato in %1.").arg(folder);
}

QString DryRunWroteNothingText() {
    return QStringLiteral("Prova: nulla \u00e8 stato scritto.");
}

namespace Messages {

MessageRequest fileError(FileError error) {
    return {ErrorMessageText(error), QStringLiteral("Errore"), MsgButtons::Ok, MsgIcon::None};
}

MessageRequest loadError(FileError error, const QString& folder) {
    MessageRequest request = fileError(error);
    request.text += QStringLiteral("\rCartella: ") + QDir::toNativeSeparators(folder);
    return request;
}

MessageRequest startupError(FileError error) {
    return {ErrorMessageText(error), QStringLiteral("Errore iniziale"), MsgButtons::Ok, MsgIcon::None};
}

MessageRequest correctionQuestion(const QString& drawDate) {
    return {QStringLiteral("Vuoi correggiere i dati dell'estrazione del ") + drawDate + u'?',
            QStringLiteral("CORREZIONE"), MsgButtons::OkCancel, MsgIcon::Question};
}

MessageRequest helpFailure(const QString& description) {
    return {description, ProgramTitle, MsgButtons::Ok, MsgIcon::None};
}

MessageRequest about(const QString& dataFolder, const QString& settingsFile, const QString& qtVersion) {
    return {QStringLiteral("%1 %2\rL'archivio delle estrazioni del Lotto sul proprio computer.\r\r"
                           "Licenza: GNU General Public License, versione 3 o successiva "
                           "(GPL-3.0-or-later).\r\rArchivio: %3\rImpostazioni: %4\rQt %5")
                .arg(ProgramName, ProgramVersion, QDir::toNativeSeparators(dataFolder),
                     QDir::toNativeSeparators(settingsFile), qtVersion),
            QStringLiteral("Informazioni su ") + ProgramName, MsgButtons::Ok, MsgIcon::Program};
}

namespace {
const QString ErrorTitle = QStringLiteral("ERRORE");
const QString SaveTitle = QStringLiteral("Salvataggio dati");
} // namespace

// A draw may be stored before every number is known, but only when the user says so: Enter cancels.
MessageRequest zerosOnWheel(const QString& wheelCode) {
    return {QStringLiteral("Ci sono degli 0 sulla ruota di ") + wheelCode + u'.',
            QStringLiteral("ATTENZIONE"), MsgButtons::OkCancel, MsgIcon::Warning, true};
}

MessageRequest duplicatesOnWheel(const QString& wheelCode) {
    return {QStringLiteral("Ci sono i doppi numeri sulla ruota di ") + wheelCode + u'.', ErrorTitle,
            MsgButtons::Ok, MsgIcon::Error};
}

// Titled like the duplicates box that comes before it.
MessageRequest above90OnWheel(const QString& wheelCode) {
    return {QStringLiteral("Numeri maggiori di 90 sulla ruota di ") + wheelCode + u'.', ErrorTitle,
            MsgButtons::Ok, MsgIcon::Error};
}

MessageRequest badDate() {
    return {QStringLiteral("La data \u00e8 errata."), ErrorTitle, MsgButtons::Ok, MsgIcon::Error};
}

MessageRequest dateOutOfOrder(const QString& before, const QString& after, bool newDraw) {
    QString text;
    if (newDraw)
        text = QStringLiteral("La data deve essere successiva a quella dell'ultima estrazione (%1).")
                   .arg(before);
    else if (!before.isEmpty() && !after.isEmpty())
        text = QStringLiteral("La data deve essere compresa tra quelle delle estrazioni vicine (%1 e %2).")
                   .arg(before, after);
    else if (!before.isEmpty())
        text = QStringLiteral("La data deve essere successiva a quella dell'estrazione precedente (%1).")
                   .arg(before);
    else
        text = QStringLiteral("La data deve essere precedente a quella dell'estrazione seguente (%1).")
                   .arg(after);
    return {text, ErrorTitle, MsgButtons::Ok, MsgIcon::Error};
}

MessageRequest weekdayNotTheDate(const QString& date, const QString& dayName) {
    return {QStringLiteral("Il giorno scelto non corrisponde alla data: il %1 \u00e8 %2.").arg(date, dayName),
            ErrorTitle, MsgButtons::Ok, MsgIcon::Error};
}

MessageRequest noWeekday() {
    return {QStringLiteral("Occorre specificare il giorno"), QStringLiteral("Error"), MsgButtons::OkCancel,
            MsgIcon::Question};
}

MessageRequest futureDate(const QString& date) {
    return {QStringLiteral("La data %1 \u00e8 successiva a domani: si registrano solo le estrazioni "
                           "gi\u00e0 avvenute.")
                .arg(date),
            ErrorTitle, MsgButtons::Ok, MsgIcon::Error};
}

MessageRequest newArchiveStartsWithTheFirstDraw() {
    return {QStringLiteral("Un archivio nuovo inizia dalla prima estrazione, del %1.\rPer avere "
                           "tutte le estrazioni, trascinare il file ufficiale dei risultati sul menu "
                           "principale, aprirlo con Vorel, oppure scaricarlo con F5.")
                .arg(FirstArchiveDrawText()),
            ErrorTitle, MsgButtons::Ok, MsgIcon::Error};
}

MessageRequest confirmNewDraw(const QString& named) {
    return {QStringLiteral("Salvare i dati aggiornati?\r") + named, SaveTitle, MsgButtons::OkCancel,
            MsgIcon::Question};
}

MessageRequest confirmCorrection(const QString& named) {
    return {QStringLiteral("Salvare i dati corretti?\r") + named, SaveTitle, MsgButtons::OkCancel,
            MsgIcon::Question};
}

MessageRequest deleteOnlyTheLast(const QString& named) {
    return {QStringLiteral("Si pu\u00f2 eliminare soltanto l'ultima estrazione (%1): le altre si correggono. "
                           "Per eliminarla, portarla in cima alla griglia con Ctrl+Fine e premere Canc.")
                .arg(named),
            QStringLiteral("Elimina estrazione"), MsgButtons::Ok, MsgIcon::Information};
}

MessageRequest deleteLastQuestion(const QString& named) {
    return {QStringLiteral("Eliminare l'ultima estrazione dall'archivio?\r") + named,
            QStringLiteral("Elimina estrazione"), MsgButtons::YesNo, MsgIcon::Question};
}

MessageRequest archiveChangedOnDisk() {
    return {ArchiveChangedByAnotherProgram() +
                QStringLiteral(" dopo l'apertura. \u00c8 stato ricaricato: ripetere l'operazione."),
            QStringLiteral("ATTENZIONE"), MsgButtons::Ok, MsgIcon::Warning};
}

MessageRequest archiveInUse() {
    return {ErrorMessageText(FileError::ArchiveInUse), QStringLiteral("Errore"), MsgButtons::Ok,
            MsgIcon::Error};
}

MessageRequest saveRefused(FileError error, const QString& file) {
    QString text = ErrorMessageText(error);
    if (!file.isEmpty())
        text += QStringLiteral(" (%1)").arg(QDir::toNativeSeparators(file));
    if (!text.endsWith(u'.'))
        text += u'.';
    return {text + QStringLiteral("\rNulla \u00e8 stato salvato."), QStringLiteral("Errore"), MsgButtons::Ok,
            MsgIcon::Error};
}

MessageRequest archiveProblems(const QString& problems, bool damaged) {
    QString text = problems;
    text.replace(u'\n', u'\r');
    return {text,
            damaged ? QStringLiteral("Archivio danneggiato") : QStringLiteral("Controllo dell'archivio"),
            MsgButtons::Ok, damaged ? MsgIcon::Error : MsgIcon::Warning};
}

MessageRequest subArchivesRebuilt() {
    return {SubArchivesRebuiltText(), SaveTitle, MsgButtons::Ok, MsgIcon::Information};
}

namespace {
const QString ImportTitle = QStringLiteral("Importazione archivio");
} // namespace

MessageRequest importQuestion(const QString& report, int newDraws, int completions) {
    QString question;
    if (completions == 0)
        question = newDraws == 1
                       ? QStringLiteral("Aggiungere la nuova estrazione all'archivio?")
                       : QStringLiteral("Aggiungere le %1 nuove estrazioni all'archivio?").arg(newDraws);
    else if (newDraws == 0)
        question = completions == 1
                       ? QStringLiteral("Completare l'estrazione incompleta con i numeri del file?")
                       : QStringLiteral("Completare le %1 estrazioni incomplete con i numeri del file?")
                             .arg(completions);
    else
        question = QStringLiteral("Aggiungere %1 e completare %2 con i numeri del file?")
                       .arg(Counted(newDraws, QStringLiteral("nuova estrazione"),
                                    QStringLiteral("nuove estrazioni")),
                            CountedIncompleteDraws(completions));
    return {report + QStringLiteral("\r\r") + question, ImportTitle, MsgButtons::OkCancel, MsgIcon::Question};
}

MessageRequest importNothingNew(const QString& report) {
    return {report + QStringLiteral(
                         "\r\rL'archivio \u00e8 gi\u00e0 aggiornato: nessuna estrazione da aggiungere."),
            ImportTitle, MsgButtons::Ok, MsgIcon::Information};
}

MessageRequest importDisagrees(const QString& report) {
    return {report + QStringLiteral("\r\rL'archivio e il file non concordano: nulla \u00e8 stato scritto. Le "
                                    "estrazioni diverse si correggono dalla schermata Visualizza/Correggi."),
            ImportTitle, MsgButtons::Ok, MsgIcon::Warning};
}

MessageRequest importOffersRebuild(const QString& report, const QString& backupFolder) {
    return {report +
                QStringLiteral("\r\rL'archivio e il file non concordano: nulla \u00e8 stato scritto.\r\r"
                               "Ricostruire l'archivio dal file? L'archivio attuale viene salvato in ") +
                backupFolder + u'.',
            ImportTitle, MsgButtons::YesNo, MsgIcon::Warning};
}

MessageRequest importRebuilt(const QString& report) {
    return {report + QStringLiteral("\r\rL'archivio \u00e8 stato ricostruito dal file."), ImportTitle,
            MsgButtons::Ok, MsgIcon::Information};
}

MessageRequest importDone(int added, PackedDate last, int completed) {
    const QString lastDate = FullDateText(FullYear(last.yearCode), last.month, last.day);
    QStringList sentences;
    if (added > 0)
        sentences << (added == 1
                          ? QStringLiteral("Aggiunta all'archivio 1 estrazione, del %1.").arg(lastDate)
                          : QStringLiteral("Aggiunte all'archivio %1 estrazioni; l'ultima \u00e8 del %2.")
                                .arg(added)
                                .arg(lastDate));
    if (completed > 0)
        sentences << (completed == 1 ? QStringLiteral("Completata 1 estrazione incompleta.")
                                     : QStringLiteral("Completate %1 estrazioni incomplete.").arg(completed));
    return {sentences.join(u' '), ImportTitle, MsgButtons::Ok, MsgIcon::Information};
}

MessageRequest importOnlyOnTheMainMenu() {
    return {
        QStringLiteral("Per importare l'archivio ufficiale, trascinare il file sulla schermata iniziale."),
        ImportTitle, MsgButtons::Ok, MsgIcon::Information};
}

MessageRequest downloadFailed(const QString& address, const QString& cause) {
    // The cause on a line of its own, as a sentence.
    const QString sentence = cause.left(1).toUpper() + cause.mid(1);
    return {QStringLiteral("Impossibile scaricare %1:\r%2.\r\rNulla \u00e8 stato scritto.")
                .arg(address, sentence),
            DownloadCaption, MsgButtons::Ok, MsgIcon::Warning};
}

MessageRequest downloadOffersCorrection(int added, int differing, const QString& details,
                                        const QString& backupFolder) {
    QString text = added == 0   ? QString()
                   : added == 1 ? QStringLiteral("Aggiunta 1 estrazione; ")
                                : QStringLiteral("Aggiunte %1 estrazioni; ").arg(added);
    text += differing == 1
                ? QStringLiteral("1 estrazione dell'archivio \u00e8 diversa dal file:")
                : QStringLiteral("%1 estrazioni dell'archivio sono diverse dal file:").arg(differing);
    return {
        text + u'\r' + details +
            QStringLiteral("\r\rCorreggere l'archivio come il file? L'archivio attuale viene salvato in ") +
            backupFolder + u'.',
        DownloadCaption, MsgButtons::YesNo, MsgIcon::Warning, true};
}

MessageRequest downloadCorrected(int corrected, const QString& backupFolder) {
    return {(corrected == 1 ? QStringLiteral("Corretta 1 estrazione come il file.")
                            : QStringLiteral("Corrette %1 estrazioni come il file.").arg(corrected)) +
                u' ' + BackupMadeText(backupFolder),
            DownloadCaption, MsgButtons::Ok, MsgIcon::Information};
}

MessageRequest downloadNothingNew(const QString& address) {
    return {UpdateNotModifiedText(address), DownloadCaption, MsgButtons::Ok, MsgIcon::Information};
}

MessageRequest importFailed(const QString& error) {
    return {QStringLiteral("Impossibile importare il file: ") + error, ImportTitle, MsgButtons::Ok,
            MsgIcon::Error};
}

namespace {
// The question follows two carriage returns, an empty line between sentence and question.
const QString CorrectionQuestion = QStringLiteral("\r\rCORREZIONE?");
const QString Attention = QStringLiteral("ATTENZIONE");
} // namespace

MessageRequest pasteUnreadable() {
    return {QStringLiteral("Impossibile rilevare i dati!"), ProgramTitle, MsgButtons::Ok, MsgIcon::Error};
}

MessageRequest pasteVerified(const QString& drawDate) {
    return {QStringLiteral("L'estrazione del ") + drawDate +
                QStringLiteral(" corrisponde a quella trovata nel database."),
            QStringLiteral("VERIFICATO"), MsgButtons::Ok, MsgIcon::None};
}

MessageRequest pasteDiffers(const QString& drawDate) {
    return {QStringLiteral("L'estrazione del ") + drawDate +
                QStringLiteral(" non corrisponde a quella trovata nel database.") + CorrectionQuestion,
            Attention, MsgButtons::OkCancel, MsgIcon::Warning};
}

MessageRequest pasteSameNumbers(const QString& drawDate) {
    return {QStringLiteral("I dati corrispondono all'estrazione del ") + drawDate +
                QStringLiteral(", ma la data \u00e8 diversa.") + CorrectionQuestion,
            Attention, MsgButtons::OkCancel, MsgIcon::Warning};
}

MessageRequest pasteSimilarNumbers(const QString& drawDate) {
    return {QStringLiteral("I dati sono simili all'estrazione del ") + drawDate +
                QStringLiteral(", e anche la data \u00e8 diversa.") + CorrectionQuestion,
            Attention, MsgButtons::OkCancel, MsgIcon::Warning};
}

MessageRequest pasteNotFound() {
    return {QStringLiteral("Impossibile rintracciare un'estrazione corrispondente nell'archivio!"),
            ProgramTitle, MsgButtons::Ok, MsgIcon::Error};
}

} // namespace Messages
