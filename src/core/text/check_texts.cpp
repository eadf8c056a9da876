// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/check_texts.h"

#include "archive/archive.h"
#include "archive/constant_tables.h"
#include "archive/data_file_layout.h"
#include "archive/file_store.h"
#include "calendar/draw_date.h"
#include "text/draw_texts.h"

#include <algorithm>

namespace {

QString dateText(PackedDate date) {
    return FullDateText(FullYear(date.yearCode), date.month, date.day);
}

// "dell'estrazione 12", "delle estrazioni da 1 a 6937".
QString ofDraws(int first, int last) {
    return first == last ? QStringLiteral("dell'estrazione %1").arg(first)
                         : QStringLiteral("delle estrazioni da %1 a %2").arg(first).arg(last);
}

// "Estrazione 12", "Estrazioni da 1 a 6937".
QString draws(int first, int last) {
    return first == last ? QStringLiteral("Estrazione %1").arg(first)
                         : QStringLiteral("Estrazioni da %1 a %2").arg(first).arg(last);
}

// What a file of the full archive holds for each draw.
QString contentOf(const QString& file) {
    if (DataFileName::same(file, DataFileName::SmNumbers))
        return QStringLiteral("i numeri delle ruote");
    if (DataFileName::same(file, DataFileName::Weekdays))
        return QStringLiteral("i giorni della settimana");
    if (DataFileName::same(file, DataFileName::National))
        return QStringLiteral("la ruota nazionale");
    return QStringLiteral("le date");
}

QString subArchiveOf(const QString& file) {
    return file.contains(QStringLiteral("_s.")) ? FileSet::Weekly : FileSet::Midweek;
}

QString drawAndDate(const ArchiveProblem& p) {
    return QStringLiteral("Estrazione %1 del %2").arg(p.draw).arg(dateText(p.date));
}

QString fileProblem(const ArchiveProblem& p) {
    switch (p.kind) {
    case ArchiveProblem::MissingDatesFile:
        return QStringLiteral(
                   "Manca il file %1, ma ci sono altri file dell'archivio: l'archivio non si pu\u00f2 "
                   "leggere.")
            .arg(p.file);
    case ArchiveProblem::DamagedCount:
        return QStringLiteral("Il file %1 conta %2 ma ne contiene %3: l'archivio non si pu\u00f2 leggere.")
            .arg(p.file, CountedDraws(p.number))
            .arg(p.other);
    case ArchiveProblem::MissingFile:
        return QStringLiteral("Manca il file %1, con %2 %3.")
            .arg(p.file, contentOf(p.file), ofDraws(p.draw, p.lastDraw));
    case ArchiveProblem::ShortFile:
        return QStringLiteral(
                   "Il file %1 \u00e8 pi\u00f9 corto del dovuto: %2 byte invece di %3 (senza %4 %5).")
            .arg(p.file)
            .arg(p.number)
            .arg(p.other)
            .arg(contentOf(p.file), ofDraws(p.draw, p.lastDraw));
    case ArchiveProblem::LongFile: {
        QString text = QStringLiteral("Il file %1 \u00e8 pi\u00f9 lungo del dovuto: %2 byte invece di %3.")
                           .arg(p.file)
                           .arg(p.number)
                           .arg(p.other);
        if (p.draw > 0)
            text += QStringLiteral(" Dopo l'ultima estrazione contata ci sono le date %1.")
                        .arg(ofDraws(p.draw, p.lastDraw));
        return text;
    }
    case ArchiveProblem::WrongLastWeekly:
        return QStringLiteral(
                   "L'ultima estrazione settimanale indicata (%1) non \u00e8 quella che risulta dalle "
                   "date (%2).")
            .arg(p.number)
            .arg(p.other);
    case ArchiveProblem::SubArchiveMissing:
        return QStringLiteral("Manca il file %1 del sotto-archivio %2.").arg(p.file, subArchiveOf(p.file));
    case ArchiveProblem::SubArchiveFile:
        return QStringLiteral("Il file %1 del sotto-archivio %2 non corrisponde all'archivio completo "
                              "(intestazione o lunghezza).")
            .arg(p.file, subArchiveOf(p.file));
    default:
        return {};
    }
}

QString drawProblem(const ArchiveProblem& p) {
    switch (p.kind) {
    case ArchiveProblem::InvalidDate:
        return QStringLiteral("Estrazione %1: la data %2 non esiste.")
            .arg(p.draw)
            .arg(FormatDrawDate(p.date));
    case ArchiveProblem::ImpossibleNumbers:
        return drawAndDate(p) +
               QStringLiteral(": numeri impossibili sulla ruota di %1.").arg(WheelCode(p.wheel));
    case ArchiveProblem::ImpossibleWeekday:
        return drawAndDate(p) +
               QStringLiteral(": giorno della settimana impossibile (codice %1).").arg(p.number);
    case ArchiveProblem::DateOutOfOrder:
        return drawAndDate(p) +
               QStringLiteral(": data ripetuta o fuori ordine (l'estrazione %1 \u00e8 del %2).")
                   .arg(p.other)
                   .arg(dateText(p.otherDate));
    case ArchiveProblem::WrongWeekday:
        return drawAndDate(p) + QStringLiteral(": giorno della settimana %1 invece di %2.")
                                    .arg(WeekdayText(p.number), WeekdayText(p.other));
    case ArchiveProblem::IncompleteDraw:
        return drawAndDate(p) +
               QStringLiteral(": estrazione incompleta, mancano dei numeri sulla ruota di %1.")
                   .arg(WheelCode(p.wheel));
    case ArchiveProblem::NoNationalWheel:
        return drawAndDate(p) + QStringLiteral(": manca la ruota nazionale.");
    case ArchiveProblem::LostInFullArchive:
        return drawAndDate(p) + QStringLiteral(": l'archivio completo ha perso dei numeri che il file %1 del "
                                               "sotto-archivio %2 ha ancora.")
                                    .arg(p.file, subArchiveOf(p.file));
    case ArchiveProblem::SubArchiveDiffers:
        return drawAndDate(p) +
               QStringLiteral(": nel file %1 del sotto-archivio %2 \u00e8 diversa dall'archivio "
                              "completo.")
                   .arg(p.file, subArchiveOf(p.file));
    default:
        return fileProblem(p);
    }
}

bool hasKind(const std::vector<ArchiveProblem>& problems, ArchiveProblem::Severity severity) {
    return std::any_of(problems.begin(), problems.end(),
                       [severity](const ArchiveProblem& p) { return p.severity() == severity; });
}

} // namespace

namespace CheckText {

QString problem(const ArchiveProblem& p) {
    return drawProblem(p);
}

QString sound(int draws) {
    return QStringLiteral("Archivio integro: %1.").arg(CountedDraws(draws));
}

QString step(const RepairStep& s) {
    switch (s.kind) {
    case RepairStep::DatesFromSubArchives:
        return draws(s.draw, s.lastDraw) + QStringLiteral(": date riprese dai sotto-archivi S e M.");
    case RepairStep::NumbersFromSubArchives:
        return draws(s.draw, s.lastDraw) + QStringLiteral(": numeri ripresi dai sotto-archivi S e M.");
    case RepairStep::WeekdaysFromDates:
        return draws(s.draw, s.lastDraw) + QStringLiteral(": giorno della settimana ricavato dalla data.");
    case RepairStep::CountChanged:
        return QStringLiteral("Numero di estrazioni nel file %1 portato da %2 a %3.")
            .arg(DataFileName::SmDates)
            .arg(s.number)
            .arg(s.other);
    case RepairStep::LastWeeklyFromDates:
        return QStringLiteral("Ultima estrazione settimanale portata da %1 a %2, come risulta dalle date.")
            .arg(s.number)
            .arg(s.other);
    case RepairStep::FileTrimmed:
        return QStringLiteral("Il file %1 \u00e8 stato riportato da %2 a %3 byte.")
            .arg(s.file)
            .arg(s.number)
            .arg(s.other);
    case RepairStep::SubArchivesRewritten:
        return QStringLiteral("Sotto-archivi S e M riscritti dall'archivio completo.");
    }
    return {};
}

QString leftToTheUser(const std::vector<ArchiveProblem>& problems) {
    const int count = int(problems.size());
    QStringList ways;
    if (hasKind(problems, ArchiveProblem::Severity::Content))
        ways << QStringLiteral("le estrazioni si correggono dalla schermata Visualizza/Correggi, oppure con "
                               "--import FILE --correct o --import FILE --rebuild");
    if (hasKind(problems, ArchiveProblem::Severity::SubArchive))
        ways << QStringLiteral(
            "dove l'archivio completo e i sotto-archivi S e M non concordano, l'estrazione "
            "giusta si riscrive con --import FILE --correct o dalla schermata "
            "Visualizza/Correggi");
    if (hasKind(problems, ArchiveProblem::Severity::Damage))
        ways << QStringLiteral("quello che non ha un'altra copia si riprende da una copia dell'archivio con "
                               "--restore last (--list-backups le elenca), oppure si riscrive l'archivio con "
                               "--update --rebuild o --import FILE --rebuild");
    const QString head = count == 1 ? QStringLiteral("Resta 1 problema da correggere")
                                    : QStringLiteral("Restano %1 problemi da correggere").arg(count);
    return head + QStringLiteral(": ") + ways.join(QStringLiteral("; ")) + u'.';
}

QString damagedArchive() {
    return QStringLiteral(
        "L'archivio \u00e8 danneggiato: non vi si scrive nulla finch\u00e9 non \u00e8 riparato "
        "(vorel --check --repair) o ripristinato da una copia (vorel --restore last)");
}

QString startupProblems(const std::vector<ArchiveProblem>& problems) {
    constexpr int Shown = 5;
    QStringList lines;
    for (int i = 0; i < std::min<int>(Shown, int(problems.size())); ++i)
        lines << problem(problems[std::size_t(i)]);
    if (problems.size() > std::size_t(Shown))
        lines << (problems.size() == Shown + 1
                      ? QStringLiteral("(e un altro problema)")
                      : QStringLiteral("(e altri %1 problemi)").arg(problems.size() - Shown));
    QString text;
    if (HasDamage(problems))
        text = QStringLiteral(
            "L'archivio \u00e8 danneggiato: non vi si potr\u00e0 scrivere finch\u00e9 non \u00e8 "
            "riparato.\n\n%1\n\nPer ripararlo: vorel --check --repair. Per tornare all'ultima "
            "copia: vorel --restore last.");
    else if (hasKind(problems, ArchiveProblem::Severity::Content))
        text = QStringLiteral(
            "L'archivio ha dei problemi da correggere.\n\n%1\n\nLe estrazioni si correggono dalla "
            "schermata Visualizza/Correggi; vorel --check li elenca tutti.");
    else
        text = QStringLiteral(
            "I sotto-archivi S e M non concordano con l'archivio completo.\n\n%1\n\nIl prossimo "
            "salvataggio li riscrive dall'archivio completo, dopo averne fatto una copia; vorel "
            "--check li descrive.");
    return text.arg(lines.join(u'\n'));
}

QString backupLine(const BackupInfo& backup) {
    if (!backup.complete)
        return QStringLiteral("%1  incompleta").arg(backup.name);
    return QStringLiteral("%1  %2  %3, ultima del %4")
        .arg(backup.name, backup.time.toString(QStringLiteral("dd-MM-yyyy HH:mm:ss")),
             CountedDraws(backup.draws), backup.lastDraw);
}

QString noBackups() {
    return QStringLiteral("Nessuna copia dell'archivio.");
}

QString restored(const BackupInfo& backup) {
    return QStringLiteral("Ripristinata la copia %1 (%2, ultima del %3).")
        .arg(backup.name, CountedDraws(backup.draws), backup.lastDraw);
}

QString backupUnusable(const QString& name, FileError error) {
    if (error == FileError::FileNotFound)
        return QStringLiteral("Non c'\u00e8 la copia %1.").arg(name);
    return QStringLiteral("La copia %1 \u00e8 incompleta o danneggiata: non \u00e8 stata ripristinata.")
        .arg(name);
}

} // namespace CheckText
