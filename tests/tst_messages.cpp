// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/backups.h"
#include "settings/settings_store.h"
#include "settings/window_geometry.h"
#include "storico/download_problem.h"
#include "support/window_fakes.h"
#include "text/check_texts.h"
#include "text/draw_texts.h"
#include "text/messages.h"
#include "text/status_texts.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MessageRequest)

class TestMessages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void boxes_data();
    void boxes();
    void numberForms_data();
    void numberForms();
    void geometryDefaults();
    void geometryRoundTrip();
    void geometryBadValues_data();
    void geometryBadValues();
    void keptOnScreens_data();
    void keptOnScreens();
    void qtSettingsStore();
};

void TestMessages::boxes_data() {
    QTest::addColumn<MessageRequest>("request");
    QTest::addColumn<MessageRequest>("expected");
    QTest::newRow("load error") << Messages::loadError(FileError::FileNotFound, u"/srv/lotto/"_s)
                                << MessageRequest{u"File non trovato\rCartella: "_s +
                                                      QDir::toNativeSeparators(u"/srv/lotto/"_s),
                                                  u"Errore"_s, MsgButtons::Ok, MsgIcon::None};
    QTest::newRow("file error") << Messages::fileError(FileError::FileNotFound)
                                << MessageRequest{u"File non trovato"_s, u"Errore"_s, MsgButtons::Ok,
                                                  MsgIcon::None};
    QTest::newRow("bad record number")
        << Messages::fileError(FileError::BadRecordNumber)
        << MessageRequest{u"Numero del record errato"_s, u"Errore"_s, MsgButtons::Ok, MsgIcon::None};
    QTest::newRow("about")
        << Messages::about(u"/srv/lotto/"_s, u"/home/u/.config/Vorel/Vorel.conf"_s, u"6.4.2"_s)
        << MessageRequest{
               u"Vorel "_s + QStringLiteral(VOREL_VERSION) +
                   u"\rL'archivio delle estrazioni del Lotto sul proprio computer.\r\rLicenza: GNU "
                   u"General Public License, versione 3 o successiva (GPL-3.0-or-later).\r\rArchivio: "_s +
                   QDir::toNativeSeparators(u"/srv/lotto/"_s) + u"\rImpostazioni: "_s +
                   QDir::toNativeSeparators(u"/home/u/.config/Vorel/Vorel.conf"_s) + u"\rQt 6.4.2"_s,
               u"Informazioni su Vorel"_s, MsgButtons::Ok, MsgIcon::Program};
    QTest::newRow("start-up error") << Messages::startupError(FileError::OutOfMemory)
                                    << MessageRequest{u"Errore di sistema 7"_s, u"Errore iniziale"_s,
                                                      MsgButtons::Ok, MsgIcon::None};
    QTest::newRow("correction question")
        << Messages::correctionQuestion(u"05-03-05"_s)
        << MessageRequest{u"Vuoi correggiere i dati dell'estrazione del 05-03-05?"_s, u"CORREZIONE"_s,
                          MsgButtons::OkCancel, MsgIcon::Question};
    QTest::newRow("archive changed on disk")
        << Messages::archiveChangedOnDisk()
        << MessageRequest{u"L'archivio è stato modificato da un altro programma dopo l'apertura. "
                          u"È stato ricaricato: ripetere l'operazione."_s,
                          u"ATTENZIONE"_s, MsgButtons::Ok, MsgIcon::Warning};
    QTest::newRow("import question")
        << Messages::importQuestion(u"Lette 3 estrazioni."_s, 3)
        << MessageRequest{u"Lette 3 estrazioni.\r\rAggiungere le 3 nuove estrazioni all'archivio?"_s,
                          u"Importazione archivio"_s, MsgButtons::OkCancel, MsgIcon::Question};
    QTest::newRow("import question, one draw")
        << Messages::importQuestion(u"Lette 1 estrazioni."_s, 1)
        << MessageRequest{u"Lette 1 estrazioni.\r\rAggiungere la nuova estrazione all'archivio?"_s,
                          u"Importazione archivio"_s, MsgButtons::OkCancel, MsgIcon::Question};
    QTest::newRow("import, nothing new")
        << Messages::importNothingNew(u"Lette 3 estrazioni."_s)
        << MessageRequest{
               u"Lette 3 estrazioni.\r\rL'archivio è già aggiornato: nessuna estrazione da aggiungere."_s,
               u"Importazione archivio"_s, MsgButtons::Ok, MsgIcon::Information};
    QTest::newRow("import disagrees")
        << Messages::importDisagrees(u"Diversa."_s)
        << MessageRequest{
               u"Diversa.\r\rL'archivio e il file non concordano: nulla è stato scritto. Le estrazioni "
               u"diverse si correggono dalla schermata Visualizza/Correggi."_s,
               u"Importazione archivio"_s, MsgButtons::Ok, MsgIcon::Warning};
    QTest::newRow("download failed")
        << Messages::downloadFailed(u"https://a.it/s.zip"_s, u"il server non risponde da 30 secondi"_s)
        << MessageRequest{
               u"Impossibile scaricare https://a.it/s.zip:\rIl server non risponde da 30 secondi.\r\rNulla è "
               u"stato scritto."_s,
               u"Scarica gli ultimi risultati"_s, MsgButtons::Ok, MsgIcon::Warning};
    QTest::newRow("download, nothing new")
        << Messages::downloadNothingNew(u"https://a.it/s.zip"_s)
        << MessageRequest{u"Nessuna novità: il file su https://a.it/s.zip non è cambiato dall'ultimo "
                          u"scaricamento."_s,
                          u"Scarica gli ultimi risultati"_s, MsgButtons::Ok, MsgIcon::Information};
    QTest::newRow("archive in use")
        << Messages::archiveInUse()
        << MessageRequest{u"L'archivio è in uso da un altro programma: riprovare più tardi."_s, u"Errore"_s,
                          MsgButtons::Ok, MsgIcon::Error};
    QTest::newRow("save refused for a read-only file")
        << Messages::saveRefused(FileError::PermissionDenied, u"/srv/lotto/_GIORNI.DTB"_s)
        << MessageRequest{u"Permesso negato ("_s + QDir::toNativeSeparators(u"/srv/lotto/_GIORNI.DTB"_s) +
                              u").\rNulla è stato salvato."_s,
                          u"Errore"_s, MsgButtons::Ok, MsgIcon::Error};
    QTest::newRow("save refused, archive damaged")
        << Messages::saveRefused(FileError::ArchiveDamaged, {})
        << MessageRequest{
               u"L'archivio è danneggiato: non vi si scrive nulla finché non è riparato (vorel --check "
               u"--repair) o ripristinato da una copia (vorel --restore last).\rNulla è stato salvato."_s,
               u"Errore"_s, MsgButtons::Ok, MsgIcon::Error};
    QTest::newRow("archive damaged at start-up")
        << Messages::archiveProblems(CheckText::startupProblems({{.kind = ArchiveProblem::ShortFile,
                                                                  .draw = 3000,
                                                                  .lastDraw = 3000,
                                                                  .number = 149950,
                                                                  .other = 150000,
                                                                  .file = u"_est_sm.dtb"_s}}),
                                     true)
        << MessageRequest{
               u"L'archivio è danneggiato: non vi si potrà scrivere finché non è riparato.\r\rIl file "
               u"_est_sm.dtb è più corto del dovuto: 149950 byte invece di 150000 (senza i numeri delle "
               u"ruote dell'estrazione 3000).\r\rPer ripararlo: vorel --check --repair. Per tornare "
               u"all'ultima copia: vorel --restore last."_s,
               u"Archivio danneggiato"_s, MsgButtons::Ok, MsgIcon::Error};
    QTest::newRow("archive with draws to correct, at start-up")
        << Messages::archiveProblems(
               CheckText::startupProblems(std::vector<ArchiveProblem>(
                   7, {.kind = ArchiveProblem::NoNationalWheel, .draw = 3480, .date = {8, 1, 0}})),
               false)
        << MessageRequest{u"L'archivio ha dei problemi da correggere.\r\r"_s +
                              u"Estrazione 3480 del 08-01-2000: manca la ruota nazionale.\r"_s.repeated(5) +
                              u"(e altri 2 problemi)\r\rLe estrazioni si correggono dalla schermata "
                              u"Visualizza/Correggi; vorel --check li elenca tutti."_s,
                          u"Controllo dell'archivio"_s, MsgButtons::Ok, MsgIcon::Warning};
    QTest::newRow("sub-archives rebuilt")
        << Messages::subArchivesRebuilt()
        << MessageRequest{u"Sotto-archivi S e M ricostruiti dall'archivio completo."_s, u"Salvataggio dati"_s,
                          MsgButtons::Ok, MsgIcon::Information};
    QTest::newRow("import offers a rebuild")
        << Messages::importOffersRebuild(u"Manca."_s, u"/a/backup"_s)
        << MessageRequest{
               u"Manca.\r\rL'archivio e il file non concordano: nulla è stato scritto.\r\rRicostruire "
               u"l'archivio dal file? L'archivio attuale viene salvato in /a/backup."_s,
               u"Importazione archivio"_s, MsgButtons::YesNo, MsgIcon::Warning};
    QTest::newRow("import rebuilt")
        << Messages::importRebuilt(u"Lette 3 estrazioni."_s)
        << MessageRequest{u"Lette 3 estrazioni.\r\rL'archivio è stato ricostruito dal file."_s,
                          u"Importazione archivio"_s, MsgButtons::Ok, MsgIcon::Information};
    QTest::newRow("download added, a draw differs")
        << Messages::downloadOffersCorrection(20, 1, u"Diversa: d"_s, u"/a/backup"_s)
        << MessageRequest{u"Aggiunte 20 estrazioni; 1 estrazione dell'archivio è diversa dal file:\rDiversa: "
                          u"d\r\rCorreggere l'archivio come il file? L'archivio attuale viene salvato in "
                          u"/a/backup."_s,
                          u"Scarica gli ultimi risultati"_s, MsgButtons::YesNo, MsgIcon::Warning};
    QTest::newRow("download, only two draws differ")
        << Messages::downloadOffersCorrection(0, 2, u"D"_s, u"b"_s)
        << MessageRequest{
               u"2 estrazioni dell'archivio sono diverse dal file:\rD\r\rCorreggere l'archivio come "
               u"il file? L'archivio attuale viene salvato in b."_s,
               u"Scarica gli ultimi risultati"_s, MsgButtons::YesNo, MsgIcon::Warning};
    QTest::newRow("download corrected")
        << Messages::downloadCorrected(2, u"backup/x"_s)
        << MessageRequest{u"Corrette 2 estrazioni come il file. Archivio "
                          u"precedente salvato in backup/x."_s,
                          u"Scarica gli ultimi risultati"_s, MsgButtons::Ok, MsgIcon::Information};
    QTest::newRow("import done") << Messages::importDone(20, PackDate(2026, 12, 5))
                                 << MessageRequest{
                                        u"Aggiunte all'archivio 20 estrazioni; l'ultima è del 05-12-2026."_s,
                                        u"Importazione archivio"_s, MsgButtons::Ok, MsgIcon::Information};
    QTest::newRow("import done, one draw")
        << Messages::importDone(1, PackDate(2026, 12, 5))
        << MessageRequest{u"Aggiunta all'archivio 1 estrazione, del 05-12-2026."_s,
                          u"Importazione archivio"_s, MsgButtons::Ok, MsgIcon::Information};
    QTest::newRow("import done, a draw completed")
        << Messages::importDone(0, PackDate(2026, 12, 5), 1)
        << MessageRequest{u"Completata 1 estrazione incompleta."_s, u"Importazione archivio"_s,
                          MsgButtons::Ok, MsgIcon::Information};
    QTest::newRow("import done, added and completed")
        << Messages::importDone(2, PackDate(2026, 12, 5), 3)
        << MessageRequest{u"Aggiunte all'archivio 2 estrazioni; l'ultima è del 05-12-2026. Completate 3 "
                          u"estrazioni incomplete."_s,
                          u"Importazione archivio"_s, MsgButtons::Ok, MsgIcon::Information};
    QTest::newRow("import question, one draw to complete")
        << Messages::importQuestion(u"R."_s, 0, 1)
        << MessageRequest{u"R.\r\rCompletare l'estrazione incompleta con i numeri del file?"_s,
                          u"Importazione archivio"_s, MsgButtons::OkCancel, MsgIcon::Question};
    QTest::newRow("import question, to add and to complete")
        << Messages::importQuestion(u"R."_s, 1, 2)
        << MessageRequest{u"R.\r\rAggiungere 1 nuova estrazione e completare 2 estrazioni incomplete con i "
                          u"numeri del file?"_s,
                          u"Importazione archivio"_s, MsgButtons::OkCancel, MsgIcon::Question};
    QTest::newRow("import only on the main menu")
        << Messages::importOnlyOnTheMainMenu()
        << MessageRequest{
               u"Per importare l'archivio ufficiale, trascinare il file sulla schermata iniziale."_s,
               u"Importazione archivio"_s, MsgButtons::Ok, MsgIcon::Information};
    QTest::newRow("weekday not the date's")
        << Messages::weekdayNotTheDate(u"09-10-04"_s, u"Sab"_s)
        << MessageRequest{u"Il giorno scelto non corrisponde alla data: il 09-10-04 è Sab."_s, u"ERRORE"_s,
                          MsgButtons::Ok, MsgIcon::Error};
    QTest::newRow("date before the last draw")
        << Messages::dateOutOfOrder(u"01-08-26"_s, QString(), true)
        << MessageRequest{u"La data deve essere successiva a quella dell'ultima estrazione (01-08-26)."_s,
                          u"ERRORE"_s, MsgButtons::Ok, MsgIcon::Error};
    QTest::newRow("date outside its neighbours")
        << Messages::dateOutOfOrder(u"01-08-26"_s, u"04-08-26"_s, false)
        << MessageRequest{
               u"La data deve essere compresa tra quelle delle estrazioni vicine (01-08-26 e 04-08-26)."_s,
               u"ERRORE"_s, MsgButtons::Ok, MsgIcon::Error};
    QTest::newRow("the last draw's date before the one before")
        << Messages::dateOutOfOrder(u"01-08-26"_s, QString(), false)
        << MessageRequest{u"La data deve essere successiva a quella dell'estrazione precedente (01-08-26)."_s,
                          u"ERRORE"_s, MsgButtons::Ok, MsgIcon::Error};
    QTest::newRow("the first draw's date after the next")
        << Messages::dateOutOfOrder(QString(), u"11-01-47"_s, false)
        << MessageRequest{u"La data deve essere precedente a quella dell'estrazione seguente (11-01-47)."_s,
                          u"ERRORE"_s, MsgButtons::Ok, MsgIcon::Error};
    QTest::newRow("import failed") << Messages::importFailed(u"riga 1: ..."_s)
                                   << MessageRequest{u"Impossibile importare il file: riga 1: ..."_s,
                                                     u"Importazione archivio"_s, MsgButtons::Ok,
                                                     MsgIcon::Error};
    QTest::newRow("help failure") << Messages::helpFailure(u"manca"_s)
                                  << MessageRequest{u"manca"_s, u"Vorel"_s, MsgButtons::Ok, MsgIcon::None};
}

void TestMessages::boxes() {
    QFETCH(MessageRequest, request);
    QFETCH(MessageRequest, expected);
    QCOMPARE(request.text, expected.text);
    QCOMPARE(request.title, expected.title);
    QCOMPARE(request.buttons, expected.buttons);
    QCOMPARE(request.icon, expected.icon);
}

void TestMessages::numberForms_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const BackupInfo one{.name = u"b"_s,
                         .complete = true,
                         .time = QDateTime(QDate(2026, 12, 7), QTime(12, 0)),
                         .draws = 1,
                         .lastDraw = u"04-01-1947"_s};
    QTest::newRow("a sound archive of one draw")
        << CheckText::sound(1) << u"Archivio integro: 1 estrazione."_s;
    QTest::newRow("of none") << CheckText::sound(0) << u"Archivio integro: 0 estrazioni."_s;
    QTest::newRow("a backup of one draw")
        << CheckText::backupLine(one) << u"b  07-12-2026 12:00:00  1 estrazione, ultima del 04-01-1947"_s;
    QTest::newRow("restored") << CheckText::restored(one)
                              << u"Ripristinata la copia b (1 estrazione, ultima del 04-01-1947)."_s;
    QTest::newRow("one more problem at start-up")
        << CheckText::startupProblems(
               std::vector<ArchiveProblem>(6, {.kind = ArchiveProblem::NoNationalWheel, .draw = 3480}))
               .section(u'\n', 7, 7) // after the head, a blank line and five problems
        << u"(e un altro problema)"_s;
    QTest::newRow("a count of one")
        << CheckText::problem(
               {.kind = ArchiveProblem::DamagedCount, .number = 1, .other = 0, .file = u"_data_sm.dtb"_s})
        << u"Il file _data_sm.dtb conta 1 estrazione ma ne contiene 0: l'archivio non si può leggere."_s;
    QTest::newRow("added by the automatic update")
        << UpdateAddedText(1, PackDate(2026, 8, 18)) + u' ' + UpdateAddedText(2, PackDate(2026, 8, 18))
        << u"Aggiunta dal sito 1 estrazione, del 18-08-2026. Aggiunte dal sito 2 estrazioni; l'ultima è del "
           u"18-08-2026."_s;
    QTest::newRow("the automatic update, failed on a sentence")
        << UpdateFailedText(u"il file non contiene estrazioni: nulla è stato scritto."_s)
        << u"Aggiornamento automatico non riuscito: il file non contiene estrazioni: nulla è stato scritto. "
           u"Nuovo tentativo tra 30 minuti."_s;
    QTest::newRow("the automatic update, waiting and checking")
        << UpdateCheckingText(QDate(2026, 8, 18)) + u' ' + UpdateWaitingText() + u' ' + UpdateDisagreesText()
        << u"Ricerca dei risultati del 18-08-2026 sul sito… Nuove estrazioni sul sito: saranno aggiunte al "
           u"ritorno al menu principale. Il file del sito non concorda con l'archivio: nulla è stato "
           u"scritto. "
           u"F5 scarica il file e mostra le differenze."_s;
    QTest::newRow("durations") << DurationText(1) + u", "_s + DurationText(45) + u", "_s + DurationText(60) +
                                      u", "_s + DurationText(300)
                               << u"1 secondo, 45 secondi, 1 minuto, 5 minuti"_s;
    QTest::newRow("draws counted") << CountedDraws(1) + u", "_s + CountedDraws(2)
                                   << u"1 estrazione, 2 estrazioni"_s;
}

// Every count the program prints agrees with its noun.
void TestMessages::numberForms() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestMessages::geometryDefaults() {
    MemorySettingsStore settings;
    QCOMPARE(ReadWindowGeometry(settings), (WindowGeometry{480, 480, 8448, 5676}));
}

void TestMessages::geometryRoundTrip() {
    MemorySettingsStore settings;
    WriteWindowGeometry(settings, {-150, 1200, 28800, 16200});
    QCOMPARE(settings.writes, (QStringList{u"MainLeft"_s, u"MainTop"_s, u"MainWidth"_s, u"MainHeight"_s}));
    QCOMPARE(settings.values.value(u"Settings/MainLeft"_s), u"-150"_s);
    QCOMPARE(settings.values.value(u"Settings/MainWidth"_s), u"28800"_s);
    QCOMPARE(ReadWindowGeometry(settings), (WindowGeometry{-150, 1200, 28800, 16200}));
}

void TestMessages::geometryBadValues_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("width");
    QTest::newRow("a word") << u"largo"_s << 8448.f;
    QTest::newRow("empty") << u""_s << 8448.f;
    QTest::newRow("not finite") << u"inf"_s << 8448.f;
    QTest::newRow("blanks around") << u" 9000 "_s << 9000.f;
    QTest::newRow("decimal") << u"9000.5"_s << 9000.5f;
}

void TestMessages::geometryBadValues() {
    QFETCH(QString, text);
    QFETCH(float, width);
    MemorySettingsStore settings;
    settings.values.insert(u"Settings/MainWidth"_s, text);
    const WindowGeometry g = ReadWindowGeometry(settings);
    QCOMPARE(g.width, width);
    QCOMPARE(g.height, 5676.f);
}

void TestMessages::keptOnScreens_data() {
    QTest::addColumn<QRect>("stored");
    QTest::addColumn<QRect>("kept");
    // Two screens side by side, the primary's available area without its panel.
    QTest::newRow("on the primary") << QRect(32, 32, 563, 378) << QRect(32, 32, 563, 378);
    QTest::newRow("on the second") << QRect(2000, 100, 563, 378) << QRect(2000, 100, 563, 378);
    QTest::newRow("across both: the larger part") << QRect(1800, 0, 563, 378) << QRect(1920, 0, 563, 378);
    QTest::newRow("second screen gone") << QRect(3500, 1500, 563, 378) << QRect(1357, 662, 563, 378);
    QTest::newRow("far to the left") << QRect(-5000, 40, 563, 378) << QRect(0, 40, 563, 378);
    QTest::newRow("caption above the screen") << QRect(100, -200, 563, 378) << QRect(100, 0, 563, 378);
    QTest::newRow("larger than the screen") << QRect(0, 0, 4000, 3000) << QRect(0, 0, 1920, 1040);
    QTest::newRow("smaller than the controls") << QRect(50, 60, 10, 10) << QRect(50, 60, 556, 320);
}

void TestMessages::keptOnScreens() {
    QFETCH(QRect, stored);
    QFETCH(QRect, kept);
    const QList<QRect> screens{QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 1000)};
    QCOMPARE(KeptOnScreens(stored, screens, QSize(556, 320)), kept);
    QCOMPARE(KeptOnScreens(stored, {}, QSize(556, 320)).topLeft(), stored.topLeft());
}

// The real store keeps its keys under the application "Vorel", section "Settings".
void TestMessages::qtSettingsStore() {
    QtSettingsStore store;
    store.write(u"Settings"_s, u"MainTop"_s, u"960"_s);
    QCOMPARE(store.read(u"Settings"_s, u"MainTop"_s, u"480"_s), u"960"_s);
    QCOMPARE(store.read(u"Settings"_s, u"Absent"_s, u"480"_s), u"480"_s);
    QSettings direct(QSettings::IniFormat, QSettings::UserScope, u"Vorel"_s, u"Vorel"_s);
    QCOMPARE(direct.value(u"Settings/MainTop"_s).toString(), u"960"_s);
    QVERIFY(direct.fileName().startsWith(
        QFileInfo(QStringLiteral(VOREL_TEST_FOLDERS "/config")).absoluteFilePath()));
}

QTEST_GUILESS_MAIN(TestMessages)
#include "tst_messages.moc"
