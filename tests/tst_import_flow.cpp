// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_loader.h"
#include "archive/archive_writer.h"
#include "archive/file_store.h"
#include "demo_archive.h"
#include "flows/auto_update.h"
#include "storico/storico_writer.h"
#include "support/local_http_server.h"
#include "support/window_harness.h"
#include "support/zip_maker.h"
#include "text/status_texts.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// The official results file into the archive from the window: dropped, named, downloaded.
class TestImportFlow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dropImportsTheOfficialFile_data();
    void dropImportsTheOfficialFile();
    void downloadFromThePasteScreen();
    void backgroundUpdate();
    void downloadWithAnOlderDrawCorrected();
};

void TestImportFlow::dropImportsTheOfficialFile_data() {
    QTest::addColumn<int>("screen");  // 0 main menu, 2 archive view; -1 named on the command line
    QTest::addColumn<int>("differs"); // the file has other numbers for a draw (1), lacks one (2); 3: another
                                      // program adds its draws while the question is shown
    QTest::addColumn<int>("answer");  // to the question: 0 OK, 1 Cancel
    QTest::addColumn<QString>("box"); // the title of the box shown, empty: none
    QTest::addColumn<int>("drawCount"); // after the drop
    QTest::newRow("new draws, OK") << 0 << 0 << 0 << u"Importazione archivio"_s << 3500;
    QTest::newRow("new draws, Cancel") << 0 << 0 << 1 << u"Importazione archivio"_s << 3480;
    QTest::newRow("a draw differs") << 0 << 1 << 0 << u"Importazione archivio"_s << 3480;
    QTest::newRow("a gap, rebuilt from the file") << 0 << 2 << 0 << u"Importazione archivio"_s << 3499;
    QTest::newRow("a gap, kept") << 0 << 2 << 1 << u"Importazione archivio"_s << 3480;
    QTest::newRow("on the archive view") << 2 << 0 << 0 << u"Importazione archivio"_s << 3480;
    QTest::newRow("named on the command line") << -1 << 0 << 0 << u"Importazione archivio"_s << 3500;
    QTest::newRow("the archive brought up to date meanwhile")
        << 0 << 3 << 0 << u"Importazione archivio"_s << 3500;
}

// A file dropped on the main menu is the official results archive: a question, then the new draws.
void TestImportFlow::dropImportsTheOfficialFile() {
    QFETCH(int, screen);
    QFETCH(int, differs);
    QFETCH(int, answer);
    QFETCH(QString, box);
    QFETCH(int, drawCount);
    const Archive archive = MakeDemoArchive(QDate(2100, 1, 1), 3480);
    Archive official = MakeDemoArchive(QDate(2100, 1, 1), 3500);
    if (differs == 1)
        official.setDrawNumber(2, 100, 5, qint16(official.DrawNumbers(2, 100, 5) % 90 + 1));
    QByteArray text = ExportStorico(official);
    if (differs == 2)
        text.replace(ExportStorico(DemoOf(100)).mid(ExportStorico(DemoOf(99)).size()), "");
    WindowHarness h(&archive);
    QFile file(h.dataPath() + u"storico.txt"_s);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    h.boxes.answers = {answer == 0 ? MsgAnswer::Ok : MsgAnswer::Cancel};
    if (screen == -1)
        h.fileToImport = file.fileName();
    frmVorel& w = h.start();
    if (screen == 2)
        ui(w).But3->click();
    if (differs == 3)
        h.boxes.whileShown = [&h, &official] {
            DiskFileStore files(h.dataPath());
            QCOMPARE(WriteWholeArchive(files, official), Failure());
        };

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(file.fileName())});
    QDragEnterEvent enter(QPoint(20, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(20, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    if (screen == -1) // offered once the window is up, without a drop
        QTRY_VERIFY(!h.boxes.shown.isEmpty());
    else
        QApplication::sendEvent(&w, &drop);

    QCOMPARE(h.boxes.shown.isEmpty() ? QString() : h.boxes.shown.first().title, box);
    QCOMPARE(int(w.currentScreen()), std::max(screen, 0));
    QCOMPARE(w.archive().DrawCount(), drawCount);
    QCOMPARE(LoadArchive(h.dataPath()).value.DrawCount(), drawCount);
    if (screen == 2)
        QCOMPARE(h.boxes.shown, QList<MessageRequest>{Messages::importOnlyOnTheMainMenu()});
    else
        QCOMPARE(h.boxes.shown.first().icon,
                 differs == 1 || differs == 2 ? MsgIcon::Warning : MsgIcon::Question);
    if (screen <= 0) // the report names the archive it checked
        QVERIFY(h.boxes.shown.first().text.startsWith(u"Archivio: "_s +
                                                      QDir::toNativeSeparators(h.dataPath()) + u'\r'));
    if (differs == 3)
        QCOMPARE(h.boxes.shown.last().text.section(u'\r', -1),
                 u"L'archivio è già aggiornato: nessuna estrazione da aggiungere."_s);
    else if (drawCount == 3500)
        QCOMPARE(h.boxes.shown.last(), Messages::importDone(20, official.DrawDate(3500)));
    if (differs == 2) {
        QCOMPARE(h.boxes.shown.first().buttons, MsgButtons::YesNo);
        QCOMPARE(h.boxes.shown.size(), answer == 0 ? 2 : 1);
        QCOMPARE(QDir(h.dataPath() + u"backup"_s).exists(), answer == 0);
    }
}

// The paste screen's button downloads with a progress dialog: cancelled, nothing is written; done,
// the import's question. The server's address comes from the settings.
void TestImportFlow::downloadFromThePasteScreen() {
    const Archive archive = MakeDemoArchive(QDate(2100, 1, 1), 3480);
    LocalHttpServer server;
    server.routes.insert(u"/silent.zip"_s, {.silent = true});
    server.routes.insert(
        u"/storico.zip"_s,
        {.body = MakeZip({{u"storico.txt"_s, ExportStorico(MakeDemoArchive(QDate(2100, 1, 1), 3500))}})});
    WindowHarness h(&archive);
    h.settings.values.insert(u"Update/Url"_s, server.url(u"/silent.zip"_s).toString());
    frmVorel& w = h.start();
    ui(w).But2->click(); // the paste screen
    QVERIFY(ui(w).butDownload->isVisible());
    bool cancelled = false;
    QTimer::singleShot(200, [&cancelled, &w] {
        auto* dialog = w.findChild<QProgressDialog*>();
        QVERIFY(dialog);
        QVERIFY(dialog->labelText().startsWith(u"Scaricamento da http://127.0.0.1:"_s));
        QTest::keyClick(dialog, Qt::Key_Escape);
        cancelled = true;
    });
    ui(w).butDownload->click();
    QTRY_VERIFY(cancelled);
    QTRY_VERIFY(!w.findChild<QProgressDialog*>());
    QVERIFY(h.boxes.shown.isEmpty());
    QCOMPARE(w.currentScreen(), Screen::Paste);
    QCOMPARE(LoadArchive(h.dataPath()).value.DrawCount(), 3480);

    h.settings.values.insert(u"Update/Url"_s, server.url(u"/storico.zip"_s).toString());
    w.activateWindow(); // again, after the dialog
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(ui(w).Text1, Qt::Key_F5);
    QTRY_COMPARE(h.boxes.shown.size(), 2);
    QCOMPARE(h.boxes.shown.first().buttons, MsgButtons::OkCancel);
    QVERIFY(h.boxes.shown.first().text.endsWith(u"Aggiungere le 20 nuove estrazioni all'archivio?"_s));
    QCOMPARE(h.boxes.shown.last().title, u"Importazione archivio"_s);
    QCOMPARE(LoadArchive(h.dataPath()).value.DrawCount(), 3500);
    QCOMPARE(w.currentScreen(), Screen::MainMenu);
    QVERIFY(!ui(w).butDownload->isVisible());
}

// A draw is due by the window's clock (the demo ends long before it): the window downloads by
// itself, waits while a draw is typed, adds the new draws and says so in the status line; asked
// again, the server's "not modified" changes nothing; a failure is one line. No box at all.
void TestImportFlow::backgroundUpdate() {
    const Archive archive = MakeDemoArchive(QDate(2100, 1, 1), 3480);
    const Archive official = MakeDemoArchive(QDate(2100, 1, 1), 3500);
    LocalHttpServer server;
    server.routes.insert(u"/storico.zip"_s,
                         {.body = MakeZip({{u"storico.txt"_s, ExportStorico(official)}}), .etag = "\"e1\""});
    WindowHarness h(&archive);
    h.settings.values.insert(u"Update/Url"_s, server.url(u"/storico.zip"_s).toString());
    h.settings.values.insert(u"Update/Auto"_s, u"add"_s);
    frmVorel& w = h.start();
    auto* status = w.findChild<QLabel*>(u"LStatus"_s);
    ui(w).But1->click(); // a draw is being typed
    QTRY_COMPARE(server.requests.size(), 1);
    QTest::qWait(200);
    QCOMPARE(LoadArchive(h.dataPath()).value.DrawCount(), 3480);
    ui(w).But2->click(); // back on the main menu: written
    QCOMPARE(w.archive().DrawCount(), 3500);
    QCOMPARE(status->text(), UpdateAddedText(20, official.DrawDate(3500)));
    ui(w).But3->click();
    ui(w).But2->click(); // once said, the archive's own line again
    QVERIFY(status->text().startsWith(u"3500 estrazioni;"_s));

    auto* updater = w.findChild<AutoUpdater*>();
    updater->check();
    QTRY_COMPARE(server.requests.size(), 2);
    QCOMPARE(server.requests.last().value("if-none-match"), QByteArray("\"e1\""));
    QTRY_VERIFY(status->text().contains(u"In attesa dei risultati del "_s));
    QCOMPARE(LoadArchive(h.dataPath()).value.DrawCount(), 3500);

    server.routes.remove(u"/storico.zip"_s);
    updater->check();
    QTRY_COMPARE(status->text(), UpdateFailedText(u"Risposta del server: 404"_s));
    QVERIFY(h.boxes.shown.isEmpty());

    // "off" asks nothing of the server; "ask" shows the question a download shows.
    const QByteArray later =
        MakeZip({{u"storico.txt"_s, ExportStorico(MakeDemoArchive(QDate(2100, 1, 1), 3510))}});
    server.routes.insert(u"/storico.zip"_s, {.body = later});
    h.settings.values.insert(u"Update/Auto"_s, u"off"_s);
    const qsizetype asked = server.requests.size();
    updater->check();
    QTest::qWait(100);
    QCOMPARE(server.requests.size(), asked);
    h.settings.values.insert(u"Update/Auto"_s, u"ask"_s);
    updater->check();
    QTRY_COMPARE(h.boxes.shown.size(), 2);
    QVERIFY(h.boxes.shown[0].text.endsWith(u"Aggiungere le 10 nuove estrazioni all'archivio?"_s));
    QCOMPARE(w.archive().DrawCount(), 3510);
}

// The site corrected an old draw and has new ones: they are added, then the correction offered;
// refused, the next download offers it again; once the archive agrees with the file the
// validators are kept, so the next download is answered "not modified".
void TestImportFlow::downloadWithAnOlderDrawCorrected() {
    Archive archive = MakeDemoArchive(QDate(2100, 1, 1), 3480);
    const Archive official = MakeDemoArchive(QDate(2100, 1, 1), 3500);
    archive.setDrawNumber(2, 100, 5, qint16(official.DrawNumbers(2, 100, 5) % 90 + 1));
    LocalHttpServer server;
    server.routes.insert(u"/storico.zip"_s,
                         {.body = MakeZip({{u"storico.txt"_s, ExportStorico(official)}}), .etag = "\"e2\""});
    WindowHarness h(&archive);
    const QString url = server.url(u"/storico.zip"_s).toString();
    h.settings.values.insert(u"Update/Url"_s, url);
    frmVorel& w = h.start();
    auto download = [&w, &h](QList<MsgAnswer> answers, int boxes) {
        h.boxes.shown.clear();
        h.boxes.answers = answers;
        QApplication::setActiveWindow(&w);
        QTest::keyClick(&w, Qt::Key_F5);
        QTRY_COMPARE(h.boxes.shown.size(), boxes);
    };
    download({MsgAnswer::Ok, MsgAnswer::Cancel}, 2);
    QVERIFY(h.boxes.shown[0].text.endsWith(u"Aggiungere le 20 nuove estrazioni all'archivio?"_s));
    const QString backups = QDir::toNativeSeparators(h.dataPath() + u"backup"_s);
    QCOMPARE(h.boxes.shown[1].title, u"Scarica gli ultimi risultati"_s);
    QVERIFY(h.boxes.shown[1].text.startsWith(
        u"Aggiunte 20 estrazioni; 1 estrazione dell'archivio \u00e8 diversa dal file:\rDiversa: "_s));
    QCOMPARE(h.boxes.shown[1].buttons, MsgButtons::YesNo);
    QCOMPARE(LoadArchive(h.dataPath()).value.DrawCount(), 3500);
    QCOMPARE(w.archive().DrawCount(), 3500);
    QCOMPARE(w.archive().DrawNumbers(2, 100, 5), archive.DrawNumbers(2, 100, 5));

    download({MsgAnswer::Ok}, 2); // the same file again: only the correction left
    QVERIFY(h.boxes.shown[0].text.startsWith(u"1 estrazione dell'archivio \u00e8 diversa dal file:"_s));
    QVERIFY(h.boxes.shown[0].text.endsWith(backups + u'.'));
    QCOMPARE(h.boxes.shown[1].title, u"Scarica gli ultimi risultati"_s);
    QVERIFY(h.boxes.shown[1].text.startsWith(
        u"Corretta 1 estrazione come il file. Archivio precedente salvato in "_s));
    QCOMPARE(w.archive().DrawNumbers(2, 100, 5), official.DrawNumbers(2, 100, 5));

    // A stored zero the file fills, beside a difference: asked first, as any completion is.
    {
        Archive incomplete = w.archive();
        incomplete.setDrawNumber(3, 3000, 2, 0);
        incomplete.setDrawNumber(2, 100, 5, archive.DrawNumbers(2, 100, 5));
        DiskFileStore files(h.dataPath());
        QCOMPARE(WriteWholeArchive(files, incomplete), Failure());
    }
    download({MsgAnswer::Cancel}, 1);
    QVERIFY(h.boxes.shown[0].text.endsWith(u"Completare l'estrazione incompleta con i numeri del file?"_s));
    QCOMPARE(LoadArchive(h.dataPath()).value.DrawNumbers(3, 3000, 2), 0);
    download({MsgAnswer::Ok, MsgAnswer::Ok}, 3);
    QCOMPARE(LoadArchive(h.dataPath()).value.drawWheels(3000), official.drawWheels(3000));

    // Validators lost (an older version kept none once current): kept by a download with nothing new.
    for (const QString& key : {u"Update/ETag"_s, u"Update/ValidatorsOf"_s})
        h.settings.values.remove(key);
    download({}, 1);
    QVERIFY(h.boxes.shown[0].text.endsWith(u"nessuna estrazione da aggiungere."_s));
    download({}, 1);
    QCOMPARE(h.boxes.shown[0], Messages::downloadNothingNew(url));
    QCOMPARE(server.requests.last().value("if-none-match"), QByteArray("\"e2\""));
}

QTEST_MAIN(TestImportFlow)
#include "tst_import_flow.moc"
