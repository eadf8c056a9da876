// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"
#include "settings/settings_store.h"
#include "storico/import_texts.h"
#include "storico/official_update.h"
#include "storico/storico_writer.h"
#include "storico/storico_zip.h"
#include "storico/update_settings.h"
#include "archive/archive_writer.h"
#include "archive/file_store.h"
#include "support/archive_builders.h"
#include "support/cli_run.h"
#include "support/local_http_server.h"
#include "support/memory_settings_store.h"
#include "support/zip_maker.h"
#include "text/download_texts.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray& officialText() {
    static const QByteArray text = ExportStorico(DemoOf(3500));
    return text;
}

const QByteArray& officialZip() {
    static const QByteArray zip = MakeZip({{u"storico.txt"_s, officialText()}});
    return zip;
}

// A small zip whose text inflates one byte past the limit.
const QByteArray& bombZip() {
    static const QByteArray zip = MakeZip({{u"storico.txt"_s, QByteArray(MaxStoricoTextBytes + 1, '\n')}});
    return zip;
}

// A transfer encoding that inflates 20 MB of zeros from a few kB.
const QByteArray& deflateBomb() {
    static const QByteArray body = qCompress(QByteArray(20 * 1024 * 1024, '\0'), 9).mid(4);
    return body;
}

QString dayText(PackedDate date) {
    return QDate(FullYear(date.yearCode), date.month, date.day).toString(u"dd-MM-yyyy"_s);
}

// The archive a whole import of the official text writes.
const MemoryFileStore& wholeImport() {
    static const MemoryFileStore store = [] {
        MemoryFileStore files;
        ImportStorico(files, officialText(), {});
        return files;
    }();
    return store;
}

} // namespace

class TestUpdate : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void zipReader_data();
    void zipReader();
    void serverOutcomes_data();
    void serverOutcomes();
    void commandLine();
    void differencesDueAndSettings();
};

void TestUpdate::zipReader_data() {
    QTest::addColumn<QByteArray>("zip");
    QTest::addColumn<int>("problem"); // ImportProblem::Kind
    const QByteArray text = "1947/01/04\tBA\t1\t2\t3\t4\t5\n";
    QTest::newRow("one text") << MakeZip({{u"storico.txt"_s, text}}) << int(ImportProblem::None);
    QTest::newRow("in a folder, capitals, beside another file")
        << MakeZip({{u"leggimi.pdf"_s, "%PDF"}, {u"dati/STORICO.TXT"_s, text}}) << int(ImportProblem::None);
    QTest::newRow("no text") << MakeZip({{u"storico.csv"_s, text}}) << int(ImportProblem::ZipWithoutText);
    QTest::newRow("two texts") << MakeZip({{u"a.txt"_s, text}, {u"b.txt"_s, text}})
                               << int(ImportProblem::ZipWithSeveralTexts);
    QTest::newRow("encrypted") << MakeZip({{u"storico.txt"_s, text}}, "segreto")
                               << int(ImportProblem::ZipEncrypted);
    // A small zip that inflates past the limit: refused while it inflates.
    QTest::newRow("bomb") << bombZip() << int(ImportProblem::TextTooLarge);
    const QByteArray whole = MakeZip({{u"storico.txt"_s, officialText()}});
    QTest::newRow("cut short") << whole.left(whole.size() / 2) << int(ImportProblem::ZipDamaged);
    QByteArray flipped = whole;
    flipped[flipped.size() / 3] = char(flipped.at(flipped.size() / 3) ^ 0x55);
    QTest::newRow("a byte changed") << flipped << int(ImportProblem::ZipDamaged);
}

void TestUpdate::zipReader() {
    QFETCH(QByteArray, zip);
    QFETCH(int, problem);
    QVERIFY(LooksLikeZip(zip) || problem == int(ImportProblem::ZipDamaged));
    QVERIFY(zip.size() < 1024 * 1024);
    const ZippedText unzipped = UnzipStoricoText(zip);
    QCOMPARE(int(unzipped.problem.kind), problem);
    if (problem == int(ImportProblem::None))
        QVERIFY(unzipped.text.startsWith("1947/01/04\tBA"));
    else
        QVERIFY(unzipped.text.isEmpty());
}

void TestUpdate::serverOutcomes_data() {
    QTest::addColumn<QString>("serve");   // what the server does, set up below
    QTest::addColumn<QString>("message"); // the problem's text; empty: the archive is brought up to date
    QTest::newRow("behind: brought up to date") << u"zip"_s << QString();
    QTest::newRow("again: not modified") << u"again"_s << u"not modified"_s;
    QTest::newRow("again, the archive restored from a copy") << u"restored"_s << QString();
    QTest::newRow("a redirect") << u"redirect"_s << QString();
    QTest::newRow("404") << u"404"_s << u"Risposta del server: 404"_s;
    QTest::newRow("connection refused") << u"refused"_s << u"il server 127.0.0.1 rifiuta la connessione"_s;
    QTest::newRow("cut") << u"cut"_s << u"lo scaricamento si \u00e8 interrotto prima della fine del file"_s;
    QTest::newRow("never answers") << u"silent"_s << u"il server non risponde da 1 secondo"_s;
    QTest::newRow("redirected round") << u"loop"_s << u"troppi reindirizzamenti (pi\u00f9 di 5)"_s;
    QTest::newRow("a page, not a zip") << u"page"_s << u"il file scaricato non \u00e8 un archivio zip"_s;
    QTest::newRow("too large") << u"large"_s << u"il file supera i 2 MB"_s;
    QTest::newRow("zip without a text")
        << u"notext"_s << u"l'archivio zip non contiene un file .txt: nulla \u00e8 stato scritto."_s;
    QTest::newRow("zip bomb")
        << u"bomb"_s << u"il file .txt dell'archivio zip supera i 64 MB: nulla \u00e8 stato scritto."_s;
    QTest::newRow("trickles past the deadline")
        << u"drip"_s << u"lo scaricamento non \u00e8 finito entro 2 secondi"_s;
    QTest::newRow("304 to a request that asked nothing") << u"unasked304"_s << u"Risposta del server: 304"_s;
    QTest::newRow("compressed answer that inflates too far")
        << u"gzipbomb"_s << u"la risposta del server \u00e8 illeggibile (dati compressi danneggiati o troppo grandi)"_s;
    QTest::newRow("self-signed certificate")
        << u"tls"_s << u"il certificato del server 127.0.0.1 non \u00e8 valido o non \u00e8 attendibile"_s;
}

void TestUpdate::serverOutcomes() {
    QFETCH(QString, serve);
    QFETCH(QString, message);
    LocalHttpServer server(serve == u"tls"_s);
    QVERIFY(server.isListening());
    const HttpRoute official{.body = officialZip(), .etag = "\"v1\""};
    server.routes.insert(u"/storico.zip"_s, official);
    server.routes.insert(u"/moved"_s, {.status = 302, .headers = {{"Location", "/storico.zip"}}});
    server.routes.insert(u"/loop"_s, {.status = 302, .headers = {{"Location", "/loop"}}});
    server.routes.insert(u"/cut"_s, {.body = officialZip(), .cutAfter = 1000});
    server.routes.insert(u"/silent"_s, {.silent = true});
    server.routes.insert(u"/page"_s, {.body = "<html>Accedi alla rete</html>"});
    server.routes.insert(u"/large"_s, {.body = QByteArray(3 * 1024 * 1024, 'x')});
    server.routes.insert(u"/notext"_s, {.body = MakeZip({{u"storico.csv"_s, officialText()}})});
    server.routes.insert(u"/bomb"_s, {.body = bombZip()});
    server.routes.insert(u"/drip"_s, {.body = officialZip(), .dripMs = 50});
    server.routes.insert(u"/unasked304"_s, {.status = 304});
    server.routes.insert(u"/gzipbomb"_s, {.headers = {{"Content-Encoding", "deflate"}}, .body = deflateBomb()});
    const QMap<QString, QString> paths{{u"zip"_s, u"/storico.zip"_s},      {u"again"_s, u"/storico.zip"_s},
                                       {u"restored"_s, u"/storico.zip"_s}, {u"redirect"_s, u"/moved"_s},
                                       {u"404"_s, u"/absent.zip"_s},       {u"tls"_s, u"/storico.zip"_s}};
    QUrl url = server.url(paths.value(serve, u'/' + serve));
    if (serve == u"refused"_s) {
        LocalHttpServer closed;
        url = closed.url(u"/storico.zip"_s); // its port is free once it is gone
    }
    MemoryFileStore files = StoreOf(DemoOf(3480));
    MemorySettingsStore settings;
    if (serve == u"again"_s || serve == u"restored"_s) {
        const DownloadResult first = DownloadStorico(UpdateRequest(url, files, settings));
        QCOMPARE(ImportUpdate(files, settings, url, first, {}).report.added, 20);
        if (serve == u"restored"_s)
            files = StoreOf(DemoOf(3480));
    }
    const MemoryFileStore before = files;
    const QMap<QString, QString> settingsBefore = settings.values;

    DownloadRequest request = UpdateRequest(url, files, settings);
    request.silenceSeconds = 1;
    request.sizeLimit = 2 * 1024 * 1024;
    request.deadlineSeconds = 2;
    const UpdateOutcome outcome = ImportUpdate(files, settings, url, DownloadStorico(request), {});

    const QString said = outcome.notModified ? u"not modified"_s
                         : outcome.download  ? DownloadProblemText(outcome.download)
                                             : ImportProblemText(outcome.report.problem);
    QCOMPARE(said, message);
    if (message.isEmpty()) { // byte-identical to a whole import; the validators kept
        QCOMPARE(outcome.report.added, 20);
        QCOMPARE(DifferingFiles(files, wholeImport()), QStringList());
        QCOMPARE(settings.values.value(u"Update/ETag"_s), u"\"v1\""_s);
        QCOMPARE(server.requests.last().value("user-agent"), QByteArray("Vorel/" VOREL_VERSION));
        QVERIFY(!server.requests.last().contains("cookie"));
    } else { // nothing written, the validators as they were
        QCOMPARE(DifferingFiles(files, before), QStringList());
        QCOMPARE(settings.values, settingsBefore);
    }
    if (serve == u"again"_s || serve == u"restored"_s) // conditional only on the archive it left
        QCOMPARE(server.requests.last().value("if-none-match"),
                 serve == u"again"_s ? QByteArray("\"v1\"") : QByteArray());
}

// The command line's --update: the report as --import gives it, then the server's "not modified".
void TestUpdate::commandLine() {
    LocalHttpServer server;
    server.routes.insert(u"/storico.zip"_s, {.body = officialZip(), .etag = "\"v2\""});
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    auto run = [&](QByteArray& out, QByteArray& err) {
        QBuffer in, output, errors;
        in.open(QIODevice::ReadOnly);
        output.open(QIODevice::WriteOnly);
        errors.open(QIODevice::WriteOnly);
        const CommandLineResult result =
            RunCommandLine({u"vorel"_s, u"--data"_s, folder, u"--update"_s, u"--from"_s,
                            server.url(u"/storico.zip"_s).toString()},
                           u"/nowhere/"_s, in, output, errors);
        out = output.data();
        err = errors.data();
        return result.exitStatus;
    };
    QByteArray out, err;
    QCOMPARE(run(out, err), 0);
    QVERIFY2(err.isEmpty(), err.constData());
    const QString shown = QDir::toNativeSeparators(folder); // as the system writes paths
    QVERIFY(out.startsWith("Archivio: " + shown.toUtf8() + "\nLette 3500 estrazioni dal 04-01-1947"));
    QCOMPARE(run(out, err), 0);
    QCOMPARE(QString::fromUtf8(out), u"Archivio: "_s + shown + u"\n"_s +
                                         UpdateNotModifiedText(server.url(u"/storico.zip"_s).toString()) +
                                         u'\n');
    QCOMPARE(server.requests.size(), 2);
}

// The site corrected an old draw and has 20 new ones: they are added and the difference listed
// (exit 1) until --correct; --if-due asks nothing of the server while no draw is due; --set
// stores the update's settings, or says what is wrong.
void TestUpdate::differencesDueAndSettings() {
    LocalHttpServer server;
    server.routes.insert(u"/storico.zip"_s, {.body = officialZip()});
    const QString url = server.url(u"/storico.zip"_s).toString();
    QTemporaryDir dir;
    Archive stored = DemoOf(3480);
    stored.setDrawNumber(1, 3000, 1, qint16(stored.DrawNumbers(1, 3000, 1) % 90 + 1));
    DiskFileStore files(dir.path());
    QCOMPARE(WriteWholeArchive(files, stored), Failure());
    const QStringList update{u"--data"_s, dir.path(), u"--update"_s, u"--from"_s, url};

    Run run = RunVorel(update);
    QCOMPARE(run.result.exitStatus, 1);
    const QString out = QString::fromUtf8(run.out);
    const PackedDate first = DemoOf(3481).DrawDate(3481), last = DemoOf(3500).DrawDate(3500);
    QVERIFY2(out.contains(u", aggiunte 20 (dal %1 al %2), corrette 0."_s.arg(
                 dayText(first), dayText(last))), qPrintable(out));
    QVERIFY(out.endsWith(u"L'estrazione diversa \u00e8 rimasta come nell'archivio. Le estrazioni diverse si "
                         u"scrivono con --update --correct.\n"_s));
    QCOMPARE(Load(files).DrawCount(), 3500);
    QCOMPARE(Load(files).DrawNumbers(1, 3000, 1), stored.DrawNumbers(1, 3000, 1));
    run = RunVorel(update + QStringList{u"--correct"_s});
    QCOMPARE(run.result.exitStatus, 0);
    QVERIFY(run.out.contains(", aggiunte 0, corrette 1."));
    QCOMPARE(Load(files).drawWheels(3000), DemoOf(3500).drawWheels(3000));

    // The archive's last draw is today's: the next one is not due.
    Archive current = DemoOf(3500);
    const QDate today = QDate::currentDate();
    current.setDrawDate(3500, PackDate(today.year(), today.month(), today.day()));
    QCOMPARE(WriteWholeArchive(files, current), Failure());
    const qsizetype requests = server.requests.size();
    run = RunVorel(update + QStringList{u"--if-due"_s});
    QCOMPARE(run.result.exitStatus, 0);
    QVERIFY2(run.out.startsWith("Nessuna estrazione attesa. Prossima estrazione: "), run.out.constData());
    QCOMPARE(server.requests.size(), requests);

    run = RunVorel({u"--set"_s, u"Update.Timeout=90"_s, u"--set"_s, u"Update.Auto=ask"_s});
    QCOMPARE(run.result.exitStatus, 0);
    QtSettingsStore settings;
    QCOMPARE(UpdateDeadlineSeconds(settings), 90);
    QCOMPARE(AutoUpdateMode(settings), AutoUpdate::Ask);
    for (const auto& [assignment, error] :
         {std::pair{u"Update.Auto=sempre"_s, u"Update.Auto: i valori sono add (aggiunge da s\u00e9), ask "
                                             u"(chiede) e off (mai)"_s},
          std::pair{u"Update.Timeout=0"_s, u"Update.Timeout: serve un numero di secondi da 1 a 3600"_s},
          std::pair{u"Colore=rosso"_s, u"\"Colore=rosso\": si imposta Update.Url=INDIRIZZO, "
                                       u"Update.Auto=add|ask|off o Update.Timeout=SECONDI"_s}}) {
        run = RunVorel({u"--set"_s, assignment});
        QCOMPARE(run.result.exitStatus, 2);
        QCOMPARE(QString::fromUtf8(run.err), u"vorel: "_s + error + u'\n');
    }
    RunVorel({u"--set"_s, u"Update.Timeout="_s, u"--set"_s, u"Update.Auto="_s});
    QCOMPARE(UpdateDeadlineSeconds(settings), DefaultDeadlineSeconds);
    QCOMPARE(AutoUpdateMode(settings), AutoUpdate::Add);
}

QTEST_GUILESS_MAIN(TestUpdate)
#include "tst_update.moc"
