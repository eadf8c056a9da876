// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_loader.h"
#include "archive/archive_update.h"
#include "archive/archive_writer.h"
#include "archive/backups.h"
#include "archive/constant_tables.h"
#include "archive/data_file_layout.h"
#include "archive/edit_buffer.h"
#include "archive/sub_archive.h"
#include "calendar/draw_date.h"
#include "cli/csv_export.h"
#include "demo_archive.h"
#include "storico/import_texts.h"
#include "storico/storico_import.h"
#include "storico/storico_reader.h"
#include "storico/storico_writer.h"
#include "support/archive_builders.h"
#include "support/memory_file_store.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ImportReport)

namespace {

// The lines of one date: each wheel code given, with the numbers first..first+4.
QByteArray dateLines(const char* date, const QList<const char*>& codes, int first = 1) {
    QByteArray text;
    for (const char* code : codes)
        text += QByteArray(date) + '\t' + code +
                QByteArray("\t%1\t%2\t%3\t%4\t%5\n")
                    .replace("%1", QByteArray::number(first))
                    .replace("%2", QByteArray::number(first + 1))
                    .replace("%3", QByteArray::number(first + 2))
                    .replace("%4", QByteArray::number(first + 3))
                    .replace("%5", QByteArray::number(first + 4));
    return text;
}

const QList<const char*> TenWheels = {"BA", "CA", "FI", "GE", "MI", "NA", "PA", "RM", "TO", "VE"};

// The draws the window's commit would add or correct, one at a time, each on the archive as loaded
// after the one before: the bytes an import must match.
void commit(MemoryFileStore& store, int d, const EditBuffer& edit) {
    QCOMPARE(SaveArchive(store, Load(store), d, edit).error, Failure());
}

EditBuffer editOfDraw(const Archive& archive, int d) {
    EditBuffer edit;
    const PackedDate date = archive.DrawDate(d);
    edit.EditDate = {0, date.day, date.month, date.yearCode};
    edit.CurrentWeekday = archive.DrawWeekday(d);
    edit.EditNumbers = archive.drawWheels(d);
    return edit;
}

// dd-mm-yyyy, as the report writes dates.
QString fullDate(const Archive& archive, int d) {
    const PackedDate date = archive.DrawDate(d);
    return QDate(FullYear(date.yearCode), date.month, date.day).toString(u"dd-MM-yyyy"_s);
}

QString wheelText(const Archive& archive, int d, int wheel) {
    QStringList list;
    for (int p = 1; p <= 5; ++p)
        list.append(QString::number(archive.DrawNumbers(wheel, d, p)));
    return list.join(u' ');
}

} // namespace

class TestStorico : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readingRules_data();
    void readingRules();
    void demoRoundTrip();
    void realFile();
    void intoAnArchive_data();
    void intoAnArchive();
    void fullChangedOrDamagedArchive();
    void everyStepLeavesBeforeOrAfter_data();
    void everyStepLeavesBeforeOrAfter();
    void archiveEndingIn1996();
    void rebuild();
    void reportTexts_data();
    void reportTexts();
    void refusedFiles_data();
    void refusedFiles();
    void repeatedDatesAndWeekdays();
};

void TestStorico::readingRules_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("dates"); // the draws read, yyyymmdd joined by blanks
    QTest::addColumn<QString>("error"); // empty: read
    const QByteArray plain = dateLines("2005/03/12", TenWheels);
    QTest::newRow("tabs") << plain << u"20050312"_s << QString();
    QByteArray odd = "\xef\xbb\xbf\r\n" + dateLines("2005/03/12", {"ba", "Ca", "FI", "GE", "MI"});
    odd += dateLines("2005/03/12", {"NA", "PA", "RO", "TO", "VE", "nz"})
               .replace('\t', "   ")
               .replace("\n", "\r\n");
    QTest::newRow("BOM, blanks, CR LF, any case, RO and NZ") << odd << u"20050312"_s << QString();
    QTest::newRow("newest first, lines in any order")
        << dateLines("2005/03/15", {"VE", "BA", "CA", "FI", "GE", "MI", "NA", "PA", "RM", "TO"}) + plain
        << u"20050312 20050315"_s << QString();
    QTest::newRow("before 1947 skipped")
        << dateLines("1946/12/28", {"BA"}) + plain << u"20050312"_s << QString();
    QTest::newRow("two dates, one contest, the larger part's date")
        << dateLines("1962/06/02", {"RM"}) + dateLines("1962/06/04", TenWheels.mid(0, 7) + TenWheels.mid(8))
        << u"19620604"_s << QString();
    QTest::newRow("a tie takes the earlier date")
        << dateLines("1948/04/30", TenWheels.mid(0, 5)) + dateLines("1948/05/01", TenWheels.mid(5))
        << u"19480430"_s << QString();
    QTest::newRow("incomplete date") << dateLines("2005/03/12", TenWheels.mid(1)) << QString()
                                     << u"riga 1: la data 2005/03/12 ha 9 ruote su 10"_s;
    QTest::newRow("six fields")
        << plain + "2005/03/15\tBA\t1\t2\t3\t4\n"
        << QString()
        << u"riga 11: non è una riga dell'archivio (data AAAA/MM/GG, sigla della ruota, "
           u"cinque numeri)"_s;
    QTest::newRow("no such day")
        << dateLines("2005/02/30", {"BA"}) << QString()
        << u"riga 1: non è una riga dell'archivio (data AAAA/MM/GG, sigla della ruota, "
           u"cinque numeri)"_s;
    QTest::newRow("unknown wheel") << dateLines("2005/03/12", {"XX"}) << QString()
                                   << u"riga 1: sigla della ruota sconosciuta \"XX\""_s;
    QTest::newRow("91") << dateLines("2005/03/12", {"BA"}, 87) << QString()
                        << u"riga 1: sulla ruota BA \"91\" non è un numero da 1 a 90"_s;
    QTest::newRow("a sign") << QByteArray("2005/03/12\tPA\t-1\t1\t2\t3\t4\n") << QString()
                            << u"riga 1: sulla ruota PA \"-1\" non è un numero da 1 a 90"_s;
    QTest::newRow("a number twice") << QByteArray("2005/03/12\tRO\t7\t1\t2\t7\t4\n") << QString()
                                    << u"riga 1: il numero 7 compare due volte sulla ruota RM"_s;
    QTest::newRow("a wheel twice") << plain + dateLines("2005/03/12", {"RN", "TO"}) << QString()
                                   << u"riga 12: la ruota TO compare due volte nella data 2005/03/12"_s;
    QTest::newRow("after 2046")
        << dateLines("2047/01/05", {"BA"}) << QString()
        << u"riga 1: la data 2047/01/05 è dopo il 2046, l'ultimo anno dell'archivio"_s;
    QTest::newRow("one wheel") << dateLines("2005/03/12", {"BA"}) << QString()
                               << u"riga 1: la data 2005/03/12 ha 1 ruota su 10"_s;
    QTest::newRow("a long field is quoted short")
        << "2005/03/12\tBA\t1\t2\t3\t4\t" + QByteArray(100000, '7') + "\n"
        << QString()
        << u"riga 1: sulla ruota BA \""_s + QString(40, u'7') + u"…\" non è un numero da 1 a 90"_s;
}

void TestStorico::readingRules() {
    QFETCH(QByteArray, text);
    QFETCH(QString, dates);
    QFETCH(QString, error);
    const StoricoFile file = ReadStoricoFile(text);
    QCOMPARE(ImportProblemText(file.problem), error);
    QStringList read;
    for (const StoricoDraw& draw : file.draws) {
        read.append(QString::number(draw.dateKey()));
        QCOMPARE(draw.cityWheels(), 10);
        QCOMPARE(draw.weekday, QDate(draw.year, draw.month, draw.day).dayOfWeek());
    }
    QCOMPARE(read.join(u' '), dates);
}

// The demo archive written out in the official format and read back gives its eight files.
// What the export writes, the import reads back: into a new folder the same archive, into the same
// archive nothing to do. Missing numbers travel as 0.
void TestStorico::demoRoundTrip() {
    Archive demo = DemoArchive();
    demo.setDrawNumber(4, 2, 5, 0);
    demo.setDrawNumber(NationalWheel, FirstNationalDraw + 1, 1, 0);
    demo.setDrawWheels(FirstNationalDraw + 2, [&demo] {
        WheelNumbers wheels = demo.drawWheels(FirstNationalDraw + 2);
        wheels[std::size_t(NationalWheel)] = {};
        return wheels;
    }());
    MemoryFileStore expected, imported;
    QCOMPARE(WriteWholeArchive(expected, demo), Failure());
    const QByteArray exported = ExportStorico(demo);
    ImportReport report = ImportStorico(imported, exported, {});
    QCOMPARE(report.status, ImportReport::Agrees);
    QVERIFY(report.newArchive);
    QCOMPARE(report.added, demo.DrawCount());
    QCOMPARE(DifferingFiles(imported, expected), QStringList());
    const int writes = imported.writeCount();
    report = ImportStorico(imported, exported, {});
    QCOMPARE(report.status, ImportReport::Agrees);
    QCOMPARE(report.verified, demo.DrawCount());
    QCOMPARE(imported.writeCount(), writes);
}

// The real draws: their counts and constants, and the export agrees with the file line for line
// but for the five contests drawn over two dates.
void TestStorico::realFile() {
    QFile file(qEnvironmentVariable("VOREL_SHARED_DATA") + u"/storico.txt"_s);
    if (!file.open(QIODevice::ReadOnly))
        QSKIP("the reference draws are not here");
    const QByteArray official = file.readAll();
    MemoryFileStore store;
    const ImportReport report = ImportStorico(store, official, {});
    QCOMPARE(ImportSummaryText(report),
             u"Lette 6937 estrazioni dal 04-01-1947 al 01-08-2026; saltate 417 prima del "
             u"1947; verificate 0, diverse 0, aggiunte 6937, corrette 0."_s);
    const auto [archive, error] = LoadArchive(store);
    QCOMPARE(error, Failure());
    QCOMPARE(archive.DrawCount(), 6937);
    QCOMPARE(archive.LastWeeklyDraw, 2618);
    QCOMPARE(FormatDrawDate(archive, 3475), u"04-05-05"_s);
    QCOMPARE(FormatDrawDate(archive, 2618), u"08-03-97"_s);
    for (const QString& name : {u"_data_s.dtb"_s, u"_data_m.dtb"_s})
        QCOMPARE(wordAt(store.file(name), 2), 2618);

    QList<QByteArray> ours = ExportStorico(archive).split('\n');
    ours.removeAll(QByteArray());
    QList<QByteArray> theirs;
    for (const QByteArray& line : official.split('\n'))
        if (line >= "1947")
            theirs.append(line);
    std::sort(ours.begin(), ours.end());
    std::sort(theirs.begin(), theirs.end());
    QList<QByteArray> differing;
    std::set_symmetric_difference(ours.begin(), ours.end(), theirs.begin(), theirs.end(),
                                  std::back_inserter(differing));
    QCOMPARE(differing.size(), 10); // each two-date contest's moved wheels, under both dates
    const ImportReport again = ImportStorico(store, official, {});
    QCOMPARE(again.verified, 6937);
    QCOMPARE(again.status, ImportReport::Agrees);
}

void TestStorico::intoAnArchive_data() {
    QTest::addColumn<int>("draws");      // the archive: the first draws of the demo
    QTest::addColumn<int>("change");     // the first number of this wheel of draw 3000 differs in the file;
                                         // -wheel: it is missing (0) in the archive, 100 + wheel: in the file
    QTest::addColumn<int>("removed");    // a draw the file lacks (0: none)
    QTest::addColumn<bool>("extraDate"); // the file has a date between two archived draws
    QTest::addColumn<int>("options");    // 1: correct, 2: add the new draws despite differences
    QTest::addColumn<int>("status");
    QTest::addColumn<QList<int>>("counts"); // verified, differing, added, corrected, completed
    QTest::addColumn<QString>("detail");    // the first detail line, {date}, {archived} and {file} filled in
    QTest::newRow("all verified") << 3500 << 0 << 0 << false << 0 << 0 << QList<int>{3500, 0, 0, 0, 0}
                                  << QString();
    QTest::newRow("appended around the national wheel")
        << 3472 << 0 << 0 << false << 0 << 0 << QList<int>{3472, 0, 28, 0, 0} << QString();
    QTest::newRow("differs")
        << 3500 << 1 << 0 << false << 0 << 1 << QList<int>{3499, 1, 0, 0, 0}
        << u"Diversa: {date}, estrazione 3000, ruota BA: archivio {archived}, file {file}"_s;
    QTest::newRow("Rome differs, named as the file names it")
        << 3500 << 8 << 0 << false << 0 << 1 << QList<int>{3499, 1, 0, 0, 0}
        << u"Diversa: {date}, estrazione 3000, ruota RM: archivio {archived}, file {file}"_s;
    QTest::newRow("differs, corrected and appended")
        << 3480 << 1 << 0 << false << 1 << 0 << QList<int>{3479, 1, 20, 1, 0}
        << u"Diversa: {date}, estrazione 3000, ruota BA: archivio {archived}, file {file}"_s;
    QTest::newRow("differs, appended anyway as the update does")
        << 3480 << 1 << 0 << false << 2 << 1 << QList<int>{3479, 1, 20, 0, 0}
        << u"Diversa: {date}, estrazione 3000, ruota BA: archivio {archived}, file {file}"_s;
    QTest::newRow("a gap stops even the update's new draws")
        << 3480 << 0 << 2000 << false << 2 << 1 << QList<int>{3479, 0, 0, 0, 0}
        << u"Manca nel file: {date}, estrazione 2000"_s;
    QTest::newRow("the file lacks a draw")
        << 3500 << 0 << 2000 << false << 0 << 1 << QList<int>{3499, 0, 0, 0, 0}
        << u"Manca nel file: {date}, estrazione 2000"_s;
    QTest::newRow("the archive lacks a date")
        << 3480 << 0 << 0 << true << 0 << 1 << QList<int>{3480, 0, 0, 0, 0}
        << u"Manca nell'archivio: 01-01-1990"_s;
    QTest::newRow("a missing number completed without --correct")
        << 3480 << -3 << 0 << false << 0 << 0 << QList<int>{3479, 0, 20, 0, 1} << QString();
    QTest::newRow("the file ends before the archive")
        << 3520 << 0 << 0 << false << 0 << 0 << QList<int>{3500, 0, 0, 0, 0} << QString();
    QTest::newRow("a number missing from the file replaces none")
        << 3500 << 103 << 0 << false << 0 << 0 << QList<int>{3500, 0, 0, 0, 0} << QString();
}

// Matching by date against an archive; what is written is what the same commits would write.
void TestStorico::intoAnArchive() {
    QFETCH(int, draws);
    QFETCH(int, change);
    QFETCH(int, removed);
    QFETCH(bool, extraDate);
    QFETCH(int, options);
    const bool correct = options == 1;
    QFETCH(int, status);
    QFETCH(QList<int>, counts);
    QFETCH(QString, detail);
    const Archive full = DemoOf(3500);
    Archive archive = DemoOf(draws);
    Archive inFile = full;
    if (change < 0)
        archive.setDrawNumber(-change, 3000, 1, 0);
    else if (change > 100)
        inFile.setDrawNumber(change - 100, 3000, 1, 0);
    else if (change) {
        const auto wheel = full.drawWheels(3000)[std::size_t(change)];
        qint16 other = wheel[1];
        do
            other = qint16(other % 90 + 1);
        while (std::find(wheel.begin() + 1, wheel.end(), other) != wheel.end());
        inFile.setDrawNumber(change, 3000, 1, other);
    }
    QByteArray text = ExportStorico(inFile);
    if (removed)
        text.replace(ExportStorico(DemoOf(removed)).mid(ExportStorico(DemoOf(removed - 1)).size()), "");
    if (extraDate)
        text += dateLines("1990/01/01", TenWheels);
    MemoryFileStore store = StoreOf(archive), expected = StoreOf(archive);
    const int writes = store.writeCount();
    const qsizetype placed = store.placedNames().size();

    const ImportReport report =
        ImportStorico(store, text, {.correct = correct, .addDespiteDifferences = options == 2});
    QCOMPARE(int(report.status), status);
    QCOMPARE(
        (QList<int>{report.verified, report.differing, report.added, report.corrected, report.completed}),
        counts);
    if (!detail.isEmpty())
        QCOMPARE(report.details.empty() ? QString() : ImportDetailText(report.details[0]),
                 QString(detail)
                     .replace(u"{date}"_s, fullDate(full, removed ? removed : 3000))
                     .replace(u"{archived}"_s, wheelText(archive, 3000, change))
                     .replace(u"{file}"_s, wheelText(inFile, 3000, change)));
    // The new draws are counted whatever stops them: the file holds the demo's first 3500.
    QCOMPARE(report.newDraws, std::max(3500 - draws, 0));
    QCOMPARE(report.archiveLast, draws > 3500 ? archive.DrawDate(draws) : PackedDate{});
    if (draws < 3500)
        QCOMPARE((std::pair{report.firstNew, report.lastNew}),
                 (std::pair{full.DrawDate(draws + 1), full.DrawDate(3500)}));
    if (report.added + report.corrected + report.completed == 0) {
        QCOMPARE(store.writeCount(), writes); // nothing written
        return;
    }
    if (correct || change < 0)
        commit(expected, 3000, editOfDraw(inFile, 3000));
    for (int d = draws + 1; d <= 3500; ++d)
        commit(expected, d, editOfDraw(full, d));
    QCOMPARE(DifferingFiles(store, expected), QStringList());
    QVERIFY(store.placedNames().size() - placed <= 8); // each file once
}

void TestStorico::fullChangedOrDamagedArchive() {
    // A full archive takes no more draws: the file is refused whole.
    Archive full(MaxDrawCount);
    for (int d = 1; d <= MaxDrawCount; ++d)
        full.setDrawDate(d, {1, 1, 47});
    full.setDrawDate(MaxDrawCount, {1, 1, 0});
    full.LastWeeklyDraw = MaxDrawCount - 1;
    MemoryFileStore store = StoreOf(full);
    const int writes = store.writeCount();
    const ImportReport refused = ImportStorico(store, dateLines("2001/01/02", TenWheels), {});
    QCOMPARE(refused.status, ImportReport::Failed);
    QCOMPARE(ImportProblemText(refused.problem),
             u"L'archivio conterrebbe 32767 estrazioni: il massimo è 32766. Nulla è stato scritto."_s);
    QCOMPARE(store.writeCount(), writes);

    // Another program is writing the archive: nothing is written.
    MemoryFileStore shared = StoreOf(DemoOf(100));
    const int before = shared.writeCount();
    const auto held = shared.lock(0);
    QCOMPARE(held.error, Failure());
    const ImportReport busy = ImportStorico(shared, ExportStorico(DemoOf(110)), {});
    QCOMPARE(ImportProblemText(busy.problem),
             u"L'archivio è in uso da un altro programma: riprovare più tardi."_s);
    QCOMPARE(shared.writeCount(), before);

    // A damaged archive is not imported into.
    QByteArray dates = store.file(u"_data_sm.dtb"_s);
    putWord(dates, 0, 0);
    store.setFile(u"_data_sm.dtb"_s, dates);
    const ImportReport damaged = ImportStorico(store, dateLines("2001/01/02", TenWheels), {});
    QCOMPARE(ImportProblemText(damaged.problem),
             u"L'archivio è danneggiato: non vi si scrive nulla finché non è riparato "
             "(vorel --check --repair) o ripristinato da una copia (vorel --restore last)."_s);
    QCOMPARE(store.writeCount(), writes);
}

void TestStorico::everyStepLeavesBeforeOrAfter_data() {
    QTest::addColumn<int>("draws"); // 0: a folder without an archive
    QTest::addColumn<bool>("correct");
    QTest::addColumn<bool>("despite"); // three stored draws differ and are kept; the new ones added
    QTest::newRow("new archive") << 0 << false << false;
    QTest::newRow("appending") << 3470 << false << false;
    QTest::newRow("correcting numbers, national wheel and weekday of three draws") << 3500 << true << false;
    QTest::newRow("appending despite three differing draws") << 3495 << false << true;
}

// An import killed at any change, or with any change failing once, leaves the archive as it was or
// as it becomes; the same import tried again ends with the bytes of the whole archive.
void TestStorico::everyStepLeavesBeforeOrAfter() {
    QFETCH(int, draws);
    QFETCH(bool, correct);
    QFETCH(bool, despite);
    const Archive full = DemoOf(3500);
    Archive stored = DemoOf(std::max(draws, 1));
    if (correct || despite) {
        stored.setDrawNumber(3, 3000, 2, qint16(full.DrawNumbers(3, 3000, 2) % 90 + 1));
        stored.setDrawNumber(NationalWheel, 3480, 5,
                             qint16(full.DrawNumbers(NationalWheel, 3480, 5) % 90 + 1));
        stored.setDrawWeekday(3490, qint16(full.DrawWeekday(3490) % 7 + 1));
    }
    const MemoryFileStore start = draws ? StoreOf(stored) : MemoryFileStore();
    const ImportOptions options{.correct = correct, .addDespiteDifferences = despite};
    CheckEveryStep(start, [&full, options](MemoryFileStore& store) {
        ImportStorico(store, ExportStorico(full), options);
    });
    MemoryFileStore store = start;
    const ImportReport report = ImportStorico(store, ExportStorico(full), options);
    QCOMPARE(report.status, despite ? ImportReport::Disagrees : ImportReport::Agrees);
    Archive expected = full;
    if (despite) // the differing draws as stored, the new ones after them
        for (int d : {3000, 3480, 3490})
            expected = WithDraw(expected, d, editOfDraw(stored, d));
    QCOMPARE(DifferingFiles(store, StoreOf(expected)), QStringList());
}

// An archive that ends before the twice-weekly draws, brought up to date, gets the bytes of one
// written at once: LastWeeklyDraw grows with the once-a-week draws appended.
void TestStorico::archiveEndingIn1996() {
    const Archive full = DemoOf(3000);
    MemoryFileStore store = StoreOf(MakeDemoArchive(QDate(1996, 12, 31)));
    QCOMPARE(ImportStorico(store, ExportStorico(full), {}).status, ImportReport::Agrees);
    QCOMPARE(Load(store).LastWeeklyDraw, full.LastWeeklyDraw);
    QCOMPARE(DifferingFiles(store, StoreOf(full)), QStringList());
}

// The way out of a gap: the archive written whole from a file of the whole history, after a backup.
void TestStorico::rebuild() {
    const Archive full = DemoOf(3000);
    QByteArray gap = ExportStorico(full);
    gap.replace(ExportStorico(DemoOf(2000)).mid(ExportStorico(DemoOf(1999)).size()), "");
    MemoryFileStore store;
    QCOMPARE(ImportStorico(store, gap, {}).status, ImportReport::Agrees);
    QCOMPARE(ImportStorico(store, ExportStorico(full), {}).status, ImportReport::Disagrees);

    const ImportReport rebuilt = ImportStorico(store, ExportStorico(full), {.rebuild = true});
    QCOMPARE(rebuilt.status, ImportReport::Agrees);
    QCOMPARE(DifferingFiles(store, StoreOf(full)), QStringList());
    QCOMPARE(ListBackups(store).size(), std::size_t(1));
    QVERIFY(ImportReportText(rebuilt).contains(u"Archivio precedente salvato in backup/"_s));
    QVERIFY(ImportSummaryText(rebuilt).endsWith(u"invariate 1999, aggiunte 1, corrette 1000."_s));

    const ImportReport partial =
        ImportStorico(store, ExportStorico(full).mid(ExportStorico(DemoOf(1)).size()), {.rebuild = true});
    QCOMPARE(ImportProblemText(partial.problem),
             u"per ricostruire l'archivio il file deve cominciare con l'estrazione del "
             u"04-01-1947: nulla è stato scritto."_s);
}

void TestStorico::reportTexts_data() {
    QTest::addColumn<ImportReport>("report");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fromSite"); // --update rather than --import FILE
    ImportReport one;
    one.status = ImportReport::Agrees;
    one.read = one.added = 1;
    one.firstDate = one.lastDate = FirstArchiveDraw;
    QTest::newRow("one draw added")
        << one
        << u"Letta 1 estrazione dal 04-01-1947 al 04-01-1947; saltate 0 prima del 1947; "
           "verificate 0, diverse 0, aggiunte 1, corrette 0.\n"_s
        << false;
    ImportReport dry = one;
    dry.dryRun = true;
    QTest::newRow("a dry run")
        << dry
        << u"Letta 1 estrazione dal 04-01-1947 al 04-01-1947; saltate 0 prima del 1947; "
           "verificate 0, diverse 0, da aggiungere 1, da correggere 0.\nProva: nulla è stato "
           "scritto.\n"_s
        << false;
    ImportReport completed = one;
    completed.completed = 2;
    QTest::newRow("draws completed")
        << completed
        << u"Letta 1 estrazione dal 04-01-1947 al 04-01-1947; saltate 0 prima del 1947; "
           "verificate 0, diverse 0, aggiunte 1, corrette 0, completate 2.\n"_s
        << false;
    ImportReport national = one;
    national.nationalIgnored = 1;
    QTest::newRow("one national line ignored")
        << national
        << u"Letta 1 estrazione dal 04-01-1947 al 04-01-1947; saltate 0 prima del 1947; "
           "verificate 0, diverse 0, aggiunte 1, corrette 0.\nIgnorata 1 riga della ruota nazionale prima "
           "dell'estrazione 3475.\n"_s
        << false;
    ImportReport disagrees;
    disagrees.status = ImportReport::Disagrees;
    disagrees.differing = disagrees.gaps = 1;
    disagrees.details = {{.kind = ImportDetail::MissingFromArchive, .date = PackDate(1990, 1, 1)}};
    QTest::newRow("differences and gaps")
        << disagrees
        << u"Lette 0 estrazioni; saltate 0 prima del 1947; verificate 0, "
           u"diverse 1, aggiunte 0, corrette 0.\nManca nell'archivio: 01-01-1990\n"
           "Nulla è stato scritto: l'archivio e il file non concordano. Le "
           "estrazioni diverse si scrivono con "
           "--correct. L'archivio si può ricostruire dal file completo con "
           "--import FILE --rebuild (le estrazioni "
           "mancanti o ripetute vengono corrette).\n"_s
        << false;
    disagrees.newDraws = 19;
    disagrees.firstNew = PackDate(2026, 7, 4);
    disagrees.lastNew = PackDate(2026, 8, 18);
    QTest::newRow("from the site: the new draws counted, the advice names --update")
        << disagrees
        << u"Lette 0 estrazioni; saltate 0 prima del 1947; verificate 0, "
           u"diverse 1, aggiunte 0, corrette 0.\nManca nell'archivio: 01-01-1990\n"
           "Nulla è stato scritto: l'archivio e il file non concordano. Le nuove estrazioni del file, "
           "19 estrazioni (dal 04-07-2026 al 18-08-2026), non sono state aggiunte. Le estrazioni diverse "
           "si scrivono con --update --correct. L'archivio si può ricostruire dal file del sito con "
           "--update --rebuild (le estrazioni mancanti o ripetute vengono corrette).\n"_s
        << true;
    ImportReport kept = disagrees;
    kept.gaps = 0;
    kept.details = {};
    kept.added = 1;
    kept.newDraws = 1;
    kept.firstNew = kept.lastNew;
    kept.differencesKept = true;
    QTest::newRow("from the site: added despite a difference, which stays")
        << kept
        << u"Lette 0 estrazioni; saltate 0 prima del 1947; verificate 0, diverse 1, aggiunte 1 "
           u"(del 18-08-2026), corrette 0.\nL'estrazione diversa è rimasta come nell'archivio. Le "
           u"estrazioni diverse si scrivono con --update --correct.\n"_s
        << true;
    ImportReport older = one;
    older.added = 0;
    older.verified = 1;
    older.archiveLast = PackDate(1947, 1, 11);
    QTest::newRow("a file that ends before the archive")
        << older
        << u"Letta 1 estrazione dal 04-01-1947 al 04-01-1947; saltate 0 prima del 1947; "
           "verificate 1, diverse 0, aggiunte 0, corrette 0.\nAttenzione: il file finisce il 04-01-1947, "
           "prima dell'ultima estrazione dell'archivio (11-01-1947): non è aggiornato.\n"_s
        << false;
}

void TestStorico::reportTexts() {
    QFETCH(ImportReport, report);
    QFETCH(QString, text);
    QFETCH(bool, fromSite);
    QCOMPARE(ImportReportText(report, fromSite ? ImportSource::Site : ImportSource::File), text);
}

void TestStorico::refusedFiles_data() {
    QTest::addColumn<int>("draws"); // the archive: 0 none
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error");
    const QByteArray all = ExportStorico(DemoOf(3500));
    const PackedDate day3480 = DemoOf(3480).DrawDate(3480);
    const QByteArray date3480 = QStringLiteral("%1/%2/%3")
                                    .arg(FullYear(day3480.yearCode))
                                    .arg(day3480.month, 2, 10, QChar(u'0'))
                                    .arg(day3480.day, 2, 10, QChar(u'0'))
                                    .toUtf8();
    QByteArray noNational = all;
    const qsizetype rn = noNational.indexOf(date3480 + "\tRN");
    noNational.remove(rn, noNational.indexOf('\n', rn) - rn + 1);
    const QString missing =
        u"riga %1: la data %2 (estrazione 3480) non ha la ruota nazionale"_s.arg(all.left(rn).count('\n') - 7)
            .arg(QString::fromUtf8(date3480));
    QTest::newRow("a draw from 3475 on without its national wheel, new") << 0 << noNational << missing;
    QTest::newRow("a draw from 3475 on without its national wheel, appended")
        << 3470 << noNational << missing;
    QTest::newRow("a new archive that starts later")
        << 0 << dateLines("2020/01/04", TenWheels)
        << u"un nuovo archivio comincia con l'estrazione del 04-01-1947 e il file comincia il 04-01-2020: un "
           "file più breve può solo verificare o estendere un archivio esistente. Nulla è stato scritto."_s;
    const QString noDraws = u"il file non contiene estrazioni dal 1947 in poi: nulla è stato scritto."_s;
    QTest::newRow("an empty file") << 3000 << QByteArray() << noDraws;
    QTest::newRow("blank lines only") << 0 << QByteArray("\n \r\n\t\n") << noDraws;
    QTest::newRow("earlier draws only") << 0 << dateLines("1939/01/07", TenWheels) << noDraws;
    QTest::newRow("a date after tomorrow")
        << 3000 << all + dateLines("2026/12/09", TenWheels)
        << u"riga %1: la data 2026/12/09 è nel futuro"_s.arg(all.count('\n') + 1);
    QTest::newRow("a malformed line before 1947") << 0 << dateLines("1939/01/07", {"BA", "XX"}) + all
                                                  << u"riga 2: sigla della ruota sconosciuta \"XX\""_s;
}

// What would make a wrong archive is refused whole: nothing is written.
void TestStorico::refusedFiles() {
    QFETCH(int, draws);
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    MemoryFileStore store = draws ? StoreOf(DemoOf(draws)) : MemoryFileStore();
    const int writes = store.writeCount();
    const ImportReport report = ImportStorico(store, text, {.today = QDate(2026, 12, 7)});
    QCOMPARE(report.status, ImportReport::Failed);
    QCOMPARE(ImportProblemText(report.problem), error);
    QCOMPARE(store.writeCount(), writes);
}

// A date the archive holds twice is a gap, mended by the rebuild; a weekday that is not its date's
// is a difference, which --correct writes right.
void TestStorico::repeatedDatesAndWeekdays() {
    const Archive demo = DemoOf(3000);
    Archive repeated = demo;
    repeated.setDrawDate(2000, demo.DrawDate(1999));
    MemoryFileStore store = StoreOf(repeated);
    const ImportReport gap = ImportStorico(store, ExportStorico(demo), {});
    QCOMPARE(gap.status, ImportReport::Disagrees);
    QCOMPARE(ImportReportText(gap).section(u'\n', 1, 1),
             u"Data ripetuta o fuori ordine nell'archivio: %1, estrazione 2000"_s.arg(fullDate(demo, 1999)));
    QVERIFY(ImportReportText(gap).contains(u"--import FILE --rebuild"_s));

    Archive weekday = demo;
    weekday.setDrawWeekday(2500, qint16(demo.DrawWeekday(2500) % 7 + 1));
    MemoryFileStore wrong = StoreOf(weekday);
    const ImportReport differs = ImportStorico(wrong, ExportStorico(demo), {});
    QCOMPARE(differs.status, ImportReport::Disagrees);
    QCOMPARE(differs.details.size(), std::size_t(1));
    QCOMPARE(
        ImportDetailText(differs.details[0]),
        u"Giorno diverso: %1, estrazione 2500: archivio %2, data %3"_s.arg(
            fullDate(demo, 2500), DayAbbrev(weekday.DrawWeekday(2500)), DayAbbrev(demo.DrawWeekday(2500))));
    QCOMPARE(ImportStorico(wrong, ExportStorico(demo), {.correct = true}).corrected, 1);
    QCOMPARE(DifferingFiles(wrong, StoreOf(demo)), QStringList());
}

QTEST_GUILESS_MAIN(TestStorico)
#include "tst_storico.moc"
