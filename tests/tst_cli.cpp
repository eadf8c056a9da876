// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_loader.h"
#include "archive/archive_writer.h"
#include "archive/constant_tables.h"
#include "archive/data_file_layout.h"
#include "archive/file_store.h"
#include "calendar/draw_date.h"
#include "cli/command_line.h"
#include "cli/csv_export.h"
#include "cli/data_folder.h"
#include "cli/qt_options.h"
#include "demo_archive.h"
#include "storico/storico_writer.h"
#include "support/archive_builders.h"
#include "support/cli_run.h"
#include "support/memory_file_store.h"
#include "text/error_text.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <map>

using namespace Qt::StringLiterals;

namespace {

Run run(const QStringList& arguments, const QString& programFolder = u"/nowhere/"_s,
        const QByteArray& input = {}) {
    return RunVorel(arguments, programFolder, input);
}

// Draws shaped by hand: day, month, year code, weekday; wheel w holds w, w+10, .. w+40.
Archive handMade(int count) {
    Archive archive(count);
    for (int d = 1; d <= count; ++d) {
        archive.setDrawDate(d, {quint8(d % 28 + 1), quint8(d % 12 + 1), quint8(d % 100)});
        archive.setDrawWeekday(d, qint16(d % 8));
        for (int w = 1; w <= WheelCountOfDraw(d); ++w)
            SetWheel(archive, d, w,
                     {qint16(w), qint16(w + 10), qint16(w + 20), qint16(w + 30), qint16(w + 40)});
        for (int k = 1; k <= 7; ++k)
            archive.setSuperNumber(d, k, qint16(k * 11 % 90 + 1));
    }
    return archive;
}

QByteArray line(const QByteArray& text, int index) {
    return text.split('\n').value(index);
}

// The official export of the real draws, grouped into the archive's draws: one per contest, the
// contests drawn over two dates joined. Empty when the reference data is not there.
struct RealDraws {
    Archive archive;
    std::vector<bool> split; // the contest was drawn over two dates
    QByteArray since1947;    // the official lines from the archive's first draw on
};

RealDraws readRealDraws() {
    RealDraws real;
    QFile file(qEnvironmentVariable("VOREL_SHARED_DATA") + u"/storico.txt"_s);
    if (!file.open(QIODevice::ReadOnly))
        return real;
    struct Contest {
        QByteArray date;
        std::map<int, std::array<qint16, 5>> wheels;
        bool split = false;
        QByteArray lines;
    };
    std::vector<Contest> contests;
    const QByteArray all = file.readAll();
    for (const QByteArray& text : all.split('\n')) {
        const QList<QByteArray> f = text.split('\t');
        if (f.size() != 7 || f[0] < "1947/01/04")
            continue;
        const QString code = QString::fromLatin1(f[1]);
        int wheel = 0;
        for (int i = 1; i <= WheelCodeCount; ++i)
            if (WheelCode(i) == code)
                wheel = WheelOfCode(i);
        // A new date starts a new contest, unless its wheels complete the one before.
        if (contests.empty() || (contests.back().date != f[0] && contests.back().wheels.count(wheel)))
            contests.push_back({f[0], {}, false, {}});
        else if (contests.back().date != f[0])
            contests.back().split = true;
        contests.back().wheels[wheel] = {qint16(f[2].toInt()), qint16(f[3].toInt()), qint16(f[4].toInt()),
                                         qint16(f[5].toInt()), qint16(f[6].toInt())};
        contests.back().lines += text + '\n';
    }
    real.archive = Archive(int(contests.size()));
    for (int d = 1; d <= int(contests.size()); ++d) {
        const Contest& c = contests[std::size_t(d - 1)];
        real.archive.setDrawDate(d, {quint8(c.date.mid(8, 2).toInt()), quint8(c.date.mid(5, 2).toInt()),
                                     quint8(c.date.left(4).toInt() % 100)});
        for (const auto& [wheel, numbers] : c.wheels)
            SetWheel(real.archive, d, wheel, {numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]});
        real.split.push_back(c.split);
        if (!c.split)
            real.since1947 += c.lines;
    }
    return real;
}

void writeText(const QString& path, const QString& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

QString publishedText(const Archive& archive, int d, int changeBa = 0, int dayShift = 0) {
    const PackedDate date = archive.DrawDate(d);
    QString text = u"%1/%2/%3\n"_s.arg(date.day + dayShift).arg(date.month).arg(FullYear(date.yearCode));
    for (int w = 1; w <= WheelCountOfDraw(d); ++w) {
        text += WheelName(w);
        for (int p = 1; p <= 5; ++p)
            text += u' ' + QString::number(archive.DrawNumbers(w, d, p) + (w == 1 && p == 1 ? changeBa : 0));
        text += u'\n';
    }
    return text;
}

// The archive files of a folder by their lower-case names.
QMap<QString, QByteArray> ArchiveFilesIn(const QString& folder) {
    QMap<QString, QByteArray> files;
    DiskFileStore store(folder);
    for (const QString& name : DataFileName::all())
        if (const FileRead read = store.read(name); read.exists)
            files[name.toLower()] = read.bytes;
    return files;
}

QMap<QString, QByteArray> ArchiveFilesOf(const MemoryFileStore& store) {
    QMap<QString, QByteArray> files;
    for (const QString& name : DataFileName::all())
        if (store.contains(name))
            files[name.toLower()] = store.file(name);
    return files;
}

// Damages the archive in `folder` as `damage` says: "delete FILE", "cut FILE BYTES", "grow FILE BYTES",
// "set FILE OFFSET BYTE", "word FILE OFFSET WORD" or "swap" (the sub-archives "S" and "M").
void ApplyDamage(const QString& folder, const QString& damage) {
    const QStringList f = damage.split(u' ');
    DiskFileStore store(folder);
    if (f[0] == u"swap"_s) {
        for (const QString& kind : {u"_data_"_s, u"_est_"_s}) {
            QVERIFY(QFile::rename(store.resolve(kind + u"s.dtb"_s), store.resolve(kind + u"x.dtb"_s)));
            QVERIFY(QFile::rename(store.resolve(kind + u"m.dtb"_s), store.resolve(kind + u"s.dtb"_s)));
            QVERIFY(QFile::rename(store.resolve(kind + u"x.dtb"_s), store.resolve(kind + u"m.dtb"_s)));
        }
        return;
    }
    if (f.size() < 2)
        return;
    const QString path = store.resolve(f[1]);
    if (f[0] == u"delete"_s) {
        QVERIFY(QFile::remove(path));
        return;
    }
    QByteArray bytes = store.read(f[1]).bytes;
    const int n = f[2].toInt(), value = f.value(3).toInt();
    if (f[0] == u"cut"_s)
        bytes.chop(n);
    else if (f[0] == u"grow"_s)
        bytes.append(QByteArray(n, '\x07'));
    else if (f[0] == u"set"_s)
        bytes[n] = char(value);
    else
        putWord(bytes, n, qint16(value));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The four lines of sub-archive files that are not what the full archive implies.
QString subArchiveFilesDiffer() {
    QString lines;
    for (const QString& file : {u"_data_s.dtb"_s, u"_est_s.dtb"_s, u"_data_m.dtb"_s, u"_est_m.dtb"_s})
        lines += u"Il file %1 del sotto-archivio %2 non corrisponde all'archivio completo (intestazione o "
                 "lunghezza).\n"_s.arg(file, file.contains(u"_s."_s) ? u"S"_s : u"M"_s);
    return lines;
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void csvOfASmallArchive();
    void storicoOfASmallArchive();
    void aroundTheNationalWheel();
    void demoArchiveReadsBack();
    void realDrawsAgreeWithTheOfficialExport();
    void exportToAFile();
    void verifyOutcomes();
    void verifySeveralFiles();
    void usageErrors_data();
    void usageErrors();
    void helpVersionAndWindow();
    void loadFailure();
    void importFromTheCommandLine();
    void dataFolderRules_data();
    void dataFolderRules();
    void damageTable_data();
    void damageTable();
    void deleteLast_data();
    void deleteLast();

private:
    QTemporaryDir dir_;
    QString data_;
};

void TestCli::initTestCase() {
    data_ = dir_.filePath(u"archive"_s);
    QDir().mkpath(data_);
    DiskFileStore files(data_);
    QCOMPARE(WriteWholeArchive(files, MakeDemoArchive()), Failure());
}

void TestCli::csvOfASmallArchive() {
    Archive archive = handMade(2);
    archive.setDrawWeekday(2, 0);      // a draw without weekday
    archive.setDrawNumber(3, 2, 4, 0); // and with a number missing
    const QByteArray csv = ExportCsv(archive);
    QByteArray header = "draw,date,weekday";
    for (const char* code : {"BA", "CA", "FI", "GE", "MI", "NA", "PA", "RO", "TO", "VE", "RN"})
        for (int p = 1; p <= 5; ++p)
            header += ',' + QByteArray(code) + QByteArray::number(p);
    header += ",SE1,SE2,SE3,SE4,SE5,SE6,J";
    QCOMPARE(line(csv, 0), header);
    QCOMPARE(line(csv, 1),
             QByteArray("1,2001-02-02,Lun,1,11,21,31,41,2,12,22,32,42,3,13,23,33,43,4,14,24,34,44,"
                        "5,15,25,35,45,6,16,26,36,46,7,17,27,37,47,8,18,28,38,48,9,19,29,39,49,"
                        "10,20,30,40,50,,,,,,12,23,34,45,56,67,78"));
    QCOMPARE(line(csv, 2), QByteArray("2,2002-03-03,,1,11,21,31,41,2,12,22,32,42,3,13,23,,43,4,14,24,34,44,"
                                      "5,15,25,35,45,6,16,26,36,46,7,17,27,37,47,8,18,28,38,48,9,19,29,39,49,"
                                      "10,20,30,40,50,,,,,,12,23,34,45,56,67,78"));
    QCOMPARE(csv.count('\n'), 3);
    QVERIFY(csv.endsWith('\n') && !csv.contains('\r'));
    QCOMPARE(CsvField("a,b"), QByteArray("\"a,b\""));
    QCOMPARE(CsvField("say \"x\""), QByteArray("\"say \"\"x\"\"\""));
}

void TestCli::storicoOfASmallArchive() {
    Archive archive = handMade(1);
    archive.setDrawDate(1, {5, 3, 47});
    QCOMPARE(ExportStorico(archive), QByteArray("1947/03/05\tBA\t1\t11\t21\t31\t41\n"
                                                "1947/03/05\tCA\t2\t12\t22\t32\t42\n"
                                                "1947/03/05\tFI\t3\t13\t23\t33\t43\n"
                                                "1947/03/05\tGE\t4\t14\t24\t34\t44\n"
                                                "1947/03/05\tMI\t5\t15\t25\t35\t45\n"
                                                "1947/03/05\tNA\t6\t16\t26\t36\t46\n"
                                                "1947/03/05\tPA\t7\t17\t27\t37\t47\n"
                                                "1947/03/05\tRM\t8\t18\t28\t38\t48\n"
                                                "1947/03/05\tTO\t9\t19\t29\t39\t49\n"
                                                "1947/03/05\tVE\t10\t20\t30\t40\t50\n"));
}

// Draw 3474 has no national wheel: empty RN cells and no RN line; draw 3475 has both.
void TestCli::aroundTheNationalWheel() {
    const Archive archive = handMade(3475);
    const QByteArray csv = ExportCsv(archive);
    QVERIFY(line(csv, 3474).startsWith("3474,1974-07-03,Mar,"));
    QVERIFY(line(csv, 3474).endsWith(",10,20,30,40,50,,,,,,12,23,34,45,56,67,78"));
    QVERIFY(line(csv, 3475).endsWith(",10,20,30,40,50,11,21,31,41,51,12,23,34,45,56,67,78"));
    const QList<QByteArray> storico = ExportStorico(archive).split('\n');
    QCOMPARE(storico.size(), 3474 * 10 + 11 + 1);
    QCOMPARE(storico.at(3474 * 10 - 1), QByteArray("1974/07/03\tVE\t10\t20\t30\t40\t50"));
    QCOMPARE(storico.at(3474 * 10 + 8), QByteArray("1975/08/04\tRN\t11\t21\t31\t41\t51"));
    QCOMPARE(storico.at(3474 * 10 + 9), QByteArray("1975/08/04\tTO\t9\t19\t29\t39\t49"));
}

void TestCli::demoArchiveReadsBack() {
    const Run r = run({u"--data"_s, data_, u"--export"_s, u"-"_s});
    QCOMPARE(r.result.exitStatus, 0);
    const auto [archive, error] = LoadArchive(data_ + u'/');
    QCOMPARE(error, Failure());
    const QList<QByteArray> rows = r.out.split('\n');
    QCOMPARE(rows.size(), archive.DrawCount() + 2);
    for (int d = 1; d <= archive.DrawCount(); ++d) {
        const QList<QByteArray> cells = rows.at(d).split(',');
        QCOMPARE(cells.size(), 3 + 55 + 7);
        QCOMPARE(cells.at(0).toInt(), d);
        const PackedDate date = archive.DrawDate(d);
        QCOMPARE(cells.at(1), QByteArray::number(FullYear(date.yearCode)) + '-' +
                                  QByteArray::number(date.month).rightJustified(2, '0') + '-' +
                                  QByteArray::number(date.day).rightJustified(2, '0'));
        QCOMPARE(QString::fromLatin1(cells.at(2)), DayAbbrev(archive.DrawWeekday(d)));
        for (int w = 1; w <= 11; ++w)
            for (int p = 1; p <= 5; ++p)
                QCOMPARE(cells.at(3 + 5 * (w - 1) + p - 1).toInt(), archive.DrawNumbers(w, d, p));
        for (int k = 1; k <= 7; ++k)
            QCOMPARE(cells.at(57 + k).toInt(), archive.SuperNumbers(d, k));
    }
}

// Over the draws both hold, our export and the official one agree line for line.
void TestCli::realDrawsAgreeWithTheOfficialExport() {
    const RealDraws real = readRealDraws();
    if (real.archive.DrawCount() == 0)
        QSKIP("the reference draws are not here");
    QCOMPARE(FormatDrawDate(real.archive, 2618), u"08-03-97"_s);
    QCOMPARE(FormatDrawDate(real.archive, 3475), u"04-05-05"_s);
    QCOMPARE(std::count(real.split.begin(), real.split.end(), true), 5);
    QByteArray ours;
    const QList<QByteArray> lines = ExportStorico(real.archive).split('\n');
    int line = 0;
    for (int d = 1; d <= real.archive.DrawCount(); ++d) {
        const int count = WheelCountOfDraw(d);
        if (!real.split[std::size_t(d - 1)])
            for (int i = 0; i < count; ++i)
                ours += lines.at(line + i) + '\n';
        line += count;
    }
    QCOMPARE(ours.size(), real.since1947.size());
    QVERIFY(ours == real.since1947);
}

void TestCli::exportToAFile() {
    const QString target = dir_.filePath(u"out.txt"_s);
    const Run r = run({u"--data"_s, data_, u"--export"_s, target, u"--format"_s, u"storico"_s});
    QCOMPARE(r.result.exitStatus, 0);
    QVERIFY(r.out.isEmpty());
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("1947/01/04\tBA\t"));
    const Run bad = run({u"--data"_s, data_, u"--export"_s, dir_.filePath(u"no/such/folder/out.csv"_s)});
    QCOMPARE(bad.result.exitStatus, 2);
    QCOMPARE(QString::fromUtf8(bad.err), u"vorel: impossibile scrivere "_s +
                                             dir_.filePath(u"no/such/folder/out.csv"_s) +
                                             u": Errore di accesso al percorso/file\n"_s);
}

void TestCli::verifyOutcomes() {
    const Archive demo = MakeDemoArchive();
    const QString verified = dir_.filePath(u"verified.txt"_s);
    // Read as the paste box would give it back: lone CRs break lines, a no-break space is a blank.
    writeText(verified, publishedText(demo, 5000)
                            .replace(u"RUOTA NAZIONALE"_s, u"RUOTA\u00a0NAZIONALE"_s)
                            .replace(u'\n', u'\r'));
    const Run ok = run({u"--data"_s, data_, u"--verify"_s, verified});
    QCOMPARE(ok.result.exitStatus, 0);
    const QString date = FormatDrawDate(demo, 5000);
    QCOMPARE(QString::fromUtf8(ok.out), verified + u": Verified, draw 5000 of "_s + date +
                                            u": L'estrazione del "_s + date +
                                            u" corrisponde a quella trovata nel database.\n"_s);

    const QString differs = dir_.filePath(u"differs.txt"_s);
    writeText(differs, publishedText(demo, 5000, demo.DrawNumbers(1, 5000, 1) == 90 ? -1 : 1));
    const Run no = run({u"--data"_s, data_, u"--verify"_s, differs});
    QCOMPARE(no.result.exitStatus, 1);
    QCOMPARE(QString::fromUtf8(no.out),
             differs + u": Differs, draw 5000 of "_s + date + u": L'estrazione del "_s + date +
                 u" non corrisponde a quella trovata nel database. CORREZIONE?\n"_s);

    const QString newer = dir_.filePath(u"new.txt"_s);
    writeText(newer, publishedText(demo, 7022, 0, 3));
    const Run fresh = run({u"--data"_s, data_, u"--verify"_s, newer});
    QCOMPARE(fresh.result.exitStatus, 0);
    QCOMPARE(QString::fromUtf8(fresh.out), newer + u": New draw, draw 7023 of 08-12-26\n"_s);
}

void TestCli::verifySeveralFiles() {
    const Archive demo = MakeDemoArchive();
    const QString similar = dir_.filePath(u"similar.txt"_s);
    writeText(similar, publishedText(demo, 6000, 0, 1));
    const QString unreadable = dir_.filePath(u"unreadable.txt"_s);
    writeText(unreadable, u"Incolla l'estrazione nello spazio sottostante.\n"_s);
    const QString latin1 = dir_.filePath(u"latin1.txt"_s);
    {
        QFile file(latin1);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(u"Marted\u00ec\n"_s.toLatin1() + publishedText(demo, 7022, 0, 4).toLatin1());
    }
    const Run r = run({u"--data"_s, data_, u"--verify"_s, similar, unreadable, latin1});
    QCOMPARE(r.result.exitStatus, 1);
    const QList<QByteArray> lines = r.out.split('\n');
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines.at(0).startsWith(similar.toUtf8() + ": Similar, draw 6000 of "));
    QVERIFY(lines.at(0).endsWith(", ma la data \xc3\xa8 diversa. CORREZIONE?"));
    QCOMPARE(lines.at(1), unreadable.toUtf8() + ": Unreadable: Impossibile rilevare i dati!");
    QVERIFY(lines.at(2).startsWith(latin1.toUtf8() + ": New draw, draw 7023 of 09-12-26"));

    const Run missing = run({u"--data"_s, data_, u"--verify"_s, similar, dir_.filePath(u"absent.txt"_s)});
    QCOMPARE(missing.result.exitStatus, 2);
    QCOMPARE(QString::fromUtf8(missing.err),
             u"vorel: impossibile leggere "_s + dir_.filePath(u"absent.txt"_s) + u": File non trovato\n"_s);
    QCOMPARE(missing.out.count('\n'), 1);
}

void TestCli::usageErrors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("error");
    QTest::newRow("unknown option") << QStringList{u"--bogus"_s}
                                    << QByteArray("vorel: Unknown option 'bogus'.\n");
    QTest::newRow("missing argument")
        << QStringList{u"--data"_s} << QByteArray("vorel: Missing value after '--data'.\n");
    QTest::newRow("export without file")
        << QStringList{u"--export"_s} << QByteArray("vorel: Missing value after '--export'.\n");
    QTest::newRow("both commands") << QStringList{u"--export"_s, u"-"_s, u"--verify"_s, u"x"_s}
                                   << QByteArray(
                                          "vorel: --export, --verify, --import, --update, --check, "
                                          "--list-backups, --restore, --delete-last, --stats, --find and "
                                          "--set go one at a time.\n");
    QTest::newRow("bad format") << QStringList{u"--export"_s, u"-"_s, u"--format"_s, u"xml"_s}
                                << QByteArray("vorel: Unknown format 'xml'.\n");
    QTest::newRow("verify without files")
        << QStringList{u"--verify"_s} << QByteArray("vorel: --verify needs at least one FILE.\n");
    QTest::newRow("import and verify")
        << QStringList{u"--import"_s, u"-"_s, u"--verify"_s, u"x"_s}
        << QByteArray("vorel: --export, --verify, --import, --update, --check, --list-backups, --restore, "
                      "--delete-last, --stats, --find and --set go one at a time.\n");
    QTest::newRow("stats and find") << QStringList{u"--stats"_s, u"BA"_s, u"--find"_s, u"1"_s}
                                    << QByteArray(
                                           "vorel: --export, --verify, --import, --update, --check, "
                                           "--list-backups, --restore, --delete-last, --stats, --find and "
                                           "--set go one at a time.\n");
    QTest::newRow("a period for the update") << QStringList{u"--update"_s, u"--to"_s, u"2020-01-01"_s}
                                             << QByteArray("vorel: --to goes with --stats or --find.\n");
    QTest::newRow("pairs of a search") << QStringList{u"--find"_s, u"1"_s, u"--pairs"_s}
                                       << QByteArray("vorel: --pairs goes with --stats.\n");
    QTest::newRow("a wheel for the statistics") << QStringList{u"--stats"_s, u"BA"_s, u"--wheel"_s, u"CA"_s}
                                                << QByteArray("vorel: --wheel goes with --find.\n");
    QTest::newRow("a date alone") << QStringList{u"--from"_s, u"2020-01-01"_s}
                                  << QByteArray("vorel: --from goes with --update, --stats or --find.\n");
    QTest::newRow("if due without the update")
        << QStringList{u"--check"_s, u"--if-due"_s} << QByteArray("vorel: --if-due goes with --update.\n");
    QTest::newRow("a setting and a command")
        << QStringList{u"--set"_s, u"Update.Auto=off"_s, u"--update"_s}
        << QByteArray("vorel: --export, --verify, --import, --update, --check, --list-backups, --restore, "
                      "--delete-last, --stats, --find and --set go one at a time.\n");
    QTest::newRow("dry run alone")
        << QStringList{u"--dry-run"_s}
        << QByteArray("vorel: --dry-run goes with --import, --update or --delete-last.\n");
    QTest::newRow("correct with delete")
        << QStringList{u"--delete-last"_s, u"--correct"_s}
        << QByteArray("vorel: --correct and --rebuild go with --import or --update.\n");
    QTest::newRow("format with check") << QStringList{u"--check"_s, u"--format"_s, u"csv"_s}
                                       << QByteArray("vorel: --format goes with --export.\n");
    QTest::newRow("format with import") << QStringList{u"--import"_s, u"-"_s, u"--format"_s, u"storico"_s}
                                        << QByteArray("vorel: --format goes with --export.\n");
    QTest::newRow("a stray argument")
        << QStringList{u"--check"_s, u"extra"_s} << QByteArray("vorel: Unexpected argument 'extra'.\n");
    QTest::newRow("two files for the window")
        << QStringList{u"a.zip"_s, u"b.zip"_s} << QByteArray("vorel: Unexpected argument 'b.zip'.\n");
    QTest::newRow("a program option after a Qt one") << QStringList{u"-style"_s, u"fusion"_s, u"--bogus"_s}
                                                     << QByteArray("vorel: Unknown option 'bogus'.\n");
}

void TestCli::usageErrors() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, error);
    const Run r = run(arguments);
    QCOMPARE(r.result.exitStatus, 2);
    QVERIFY(!r.result.openWindow);
    QCOMPARE(r.err, error + UsageText().toUtf8());
    QVERIFY(r.out.isEmpty());
}

void TestCli::helpVersionAndWindow() {
    Run r = run({u"--help"_s});
    QCOMPARE(r.result.exitStatus, 0);
    QCOMPARE(r.out, UsageText().toUtf8());
    r = run({u"--version"_s});
    QCOMPARE(r.out, QByteArray("vorel " VOREL_VERSION "\n"));
    r = run({}, u"/opt/vorel"_s); // installed: no archive beside the program
    QVERIFY(r.result.openWindow);
    QCOMPARE(r.result.dataPath, UserDataFolder());
    QVERIFY(r.result.dataPath.startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    QVERIFY(!r.result.archiveExpected);
    r = run({u"--data"_s, u"/srv/lotto/"_s});
    QVERIFY(r.result.openWindow);
    QCOMPARE(r.result.dataPath, u"/srv/lotto/"_s);
    QVERIFY(r.result.archiveExpected);
    QVERIFY(r.result.fileToImport.isEmpty());

    // Qt's own options are the window's; a file named alone is offered for import, by its full path.
    const QStringList qtOptions{u"-style"_s,        u"fusion"_s, u"--platform=offscreen"_s, u"-reverse"_s,
                                u"-qwindowtitle"_s, u"T"_s,      u"storico.zip"_s};
    r = run(qtOptions);
    QVERIFY2(r.result.openWindow, r.err.constData());
    QCOMPARE(r.result.fileToImport, QDir::current().absoluteFilePath(u"storico.zip"_s));
    QVERIFY(QtOptionGiven(QStringList{u"vorel"_s} + qtOptions, u"style"_s));
    QVERIFY(QtOptionGiven(QStringList{u"vorel"_s} + qtOptions, u"platform"_s));
    QVERIFY(!QtOptionGiven({u"vorel"_s, u"--data"_s, u"style"_s}, u"style"_s));
    // Qt reads "-platform offscreen", not "--platform=offscreen": the window gets them so spelled.
    QCOMPARE(QtOptionsSpelledForQt(QStringList{u"vorel"_s} + qtOptions),
             (QStringList{u"vorel"_s, u"-style"_s, u"fusion"_s, u"-platform"_s, u"offscreen"_s, u"-reverse"_s,
                          u"-qwindowtitle"_s, u"T"_s, u"storico.zip"_s}));
    r = run({u"-platform"_s, u"offscreen"_s, u"--version"_s});
    QCOMPARE(r.out, QByteArray("vorel " VOREL_VERSION "\n"));
}

void TestCli::dataFolderRules_data() {
    QTest::addColumn<bool>("dataOption");
    QTest::addColumn<QString>("inProgramFolder"); // a file there, empty: none
    QTest::addColumn<QString>("inUserFolder");
    QTest::addColumn<QString>("chosen"); // data, program or user
    QTest::addColumn<bool>("expected");  // whether a missing archive is an error
    QTest::newRow("--data wins") << true << u"_data_sm.dtb"_s << QString() << u"data"_s << true;
    QTest::newRow("a portable copy") << false << u"_EST_SM.DTB"_s << u"_data_sm.dtb"_s << u"program"_s
                                     << true;
    QTest::newRow("a portable copy that lost its dates")
        << false << u"_rn.dtb"_s << QString() << u"program"_s << true;
    QTest::newRow("other files are no archive") << false << u"notes.dtb"_s << QString() << u"user"_s << false;
    QTest::newRow("installed, first start") << false << QString() << QString() << u"user"_s << false;
    QTest::newRow("installed, later starts") << false << QString() << u"_giorni.dtb"_s << u"user"_s << true;
}

void TestCli::dataFolderRules() {
    QFETCH(bool, dataOption);
    QFETCH(QString, inProgramFolder);
    QFETCH(QString, inUserFolder);
    QFETCH(QString, chosen);
    QFETCH(bool, expected);
    QTemporaryDir root;
    QDir(root.path()).mkpath(u"data"_s);
    QDir(root.path()).mkpath(u"program"_s);
    const QString user = root.filePath(u"user"_s); // made only when the archive is written
    if (!inProgramFolder.isEmpty())
        writeText(root.filePath(u"program/"_s + inProgramFolder), u"x"_s);
    if (!inUserFolder.isEmpty()) {
        QDir(root.path()).mkpath(u"user"_s);
        writeText(root.filePath(u"user/"_s + inUserFolder), u"x"_s);
    }
    const DataFolder folder = ChooseDataFolder(dataOption ? root.filePath(u"data"_s) : QString(),
                                               root.filePath(u"program"_s), user);
    QCOMPARE(folder.path, root.filePath(chosen) + u'/');
    QCOMPARE(folder.archiveExpected, expected);
}

void TestCli::loadFailure() {
    const Run r = run({u"--data"_s, dir_.filePath(u"none"_s), u"--export"_s, u"-"_s});
    QCOMPARE(r.result.exitStatus, 2);
    QCOMPARE(QString::fromUtf8(r.err), u"vorel: Percorso non trovato ("_s +
                                           QDir::toNativeSeparators(dir_.filePath(u"none/"_s)) + u")\n"_s);
    const Run empty = run({u"--data"_s, dir_.path(), u"--verify"_s, u"x"_s});
    QVERIFY(empty.err.startsWith("vorel: File non trovato ("));
    QCOMPARE(empty.result.exitStatus, 2);
}

// The official file from standard input or a file; a dry run writes nothing, a file error nothing.
void TestCli::importFromTheCommandLine() {
    QTemporaryDir folder;
    const QByteArray storico = ExportStorico(MakeDemoArchive(QDate(1947, 3, 1)));
    const Run dry = run({u"--data"_s, folder.path(), u"--import"_s, u"-"_s, u"--dry-run"_s}, {}, storico);
    QCOMPARE(dry.result.exitStatus, 0);
    QCOMPARE(
        QString::fromUtf8(dry.out),
        u"Archivio: "_s + QDir::toNativeSeparators(folder.path() + u'/') +
            u"\nLette 9 estrazioni dal 04-01-1947 al 01-03-1947; saltate 0 prima del 1947; verificate 0, "
            "diverse 0, da aggiungere 9, da correggere 0.\nProva: nulla è stato scritto.\n"_s);
    QVERIFY(QDir(folder.path()).isEmpty());

    const QString bad = folder.filePath(u"bad.txt"_s);
    writeText(bad, u"1947/01/04 BA 1 2 3\n"_s);
    const Run failed = run({u"--data"_s, folder.path(), u"--import"_s, bad});
    QCOMPARE(failed.result.exitStatus, 2);
    QCOMPARE(QString::fromUtf8(failed.err), u"vorel: "_s + bad +
                                                u": riga 1: non è una riga dell'archivio (data AAAA/MM/GG, "
                                                u"sigla della ruota, cinque numeri)\n"_s);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{u"bad.txt"_s});

    QCOMPARE(run({u"--data"_s, folder.path(), u"--import"_s, u"-"_s}, {}, storico).result.exitStatus, 0);
    const Run again = run({u"--data"_s, folder.path(), u"--import"_s, u"-"_s}, {}, storico);
    QCOMPARE(again.result.exitStatus, 0);
    QVERIFY(again.out.contains("verificate 9, diverse 0, aggiunte 0"));

    // A folder that does not exist yet is made; an archive that cannot be read is named, not the file.
    const QString fresh = folder.filePath(u"new/lotto"_s);
    QCOMPARE(run({u"--data"_s, fresh, u"--import"_s, u"-"_s}, {}, storico).result.exitStatus, 0);
    QFile dates(fresh + u"/_data_sm.dtb"_s);
    QVERIFY(dates.open(QIODevice::ReadWrite));
    dates.write(QByteArray(2, '\0'));
    dates.close();
    const Run damaged = run({u"--data"_s, fresh, u"--import"_s, u"-"_s}, {}, storico);
    QCOMPARE(damaged.result.exitStatus, 2);
    QCOMPARE(QString::fromUtf8(damaged.err), u"vorel: "_s + ErrorMessageText(FileError::ArchiveDamaged) +
                                                 u" ("_s + QDir::toNativeSeparators(fresh + u'/') + u")\n"_s);
}

void TestCli::damageTable_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("found"); // what --check prints; {N} is draw N's date, {lw} LastWeeklyDraw
    QTest::addColumn<int>("checkExit");
    QTest::addColumn<QString>("steps"); // what the repair changes
    QTest::addColumn<int>("repairExit");
    QTest::addColumn<bool>("refused"); // an import and the window write nothing into it
    const QString numbersFrom = u"numeri ripresi dai sotto-archivi S e M.\n"_s;
    const QString rewritten = u"Sotto-archivi S e M riscritti dall'archivio completo.\n"_s;
    QTest::newRow("sound") << u""_s << u"Archivio integro: 3500 estrazioni.\n"_s << 0 << u""_s << 0 << false;
    QTest::newRow("numbers file deleted")
        << u"delete _est_sm.dtb"_s
        << u"Manca il file _est_sm.dtb, con i numeri delle ruote delle estrazioni da 1 a 3500.\n"_s << 1
        << u"Estrazioni da 1 a 3500: "_s + numbersFrom << 0 << true;
    QTest::newRow("numbers file cut by 3 bytes")
        << u"cut _est_sm.dtb 3"_s
        << u"Il file _est_sm.dtb è più corto del dovuto: 174997 byte invece di 175000 (senza i numeri delle "
           "ruote dell'estrazione 3500).\n"_s
        << 1 << u"Estrazione 3500: "_s + numbersFrom << 0 << true;
    QTest::newRow("numbers file cut by 50 bytes")
        << u"cut _est_sm.dtb 50"_s
        << u"Il file _est_sm.dtb è più corto del dovuto: 174950 byte invece di 175000 (senza i numeri delle "
           "ruote dell'estrazione 3500).\n"_s
        << 1 << u"Estrazione 3500: "_s + numbersFrom << 0 << true;
    for (const int value : {0, 200})
        QTest::addRow("a number set to %d", value) << u"set _est_sm.dtb 149950 %1"_s.arg(value)
                                                   << u"Estrazione 3000 del {3000}: l'archivio completo ha "
                                                      u"perso dei numeri che il file _est_m.dtb del "
                                                      "sotto-archivio M ha ancora.\n"_s
                                                   << 1 << u"Estrazione 3000: "_s + numbersFrom << 0 << true;
    QTest::newRow("weekdays file deleted")
        << u"delete _giorni.dtb"_s
        << u"Manca il file _GIORNI.DTB, con i giorni della settimana delle estrazioni da 1 a 3500.\n"_s << 1
        << u"Estrazioni da 1 a 3500: giorno della settimana ricavato dalla data.\n"_s << 0 << true;
    QTest::newRow("weekdays file cut")
        << u"cut _giorni.dtb 10"_s
        << u"Il file _GIORNI.DTB è più corto del dovuto: 3490 byte invece di 3500 (senza i giorni della "
           "settimana delle estrazioni da 3491 a 3500).\n"_s
        << 1 << u"Estrazioni da 3491 a 3500: giorno della settimana ricavato dalla data.\n"_s << 0 << true;
    QTest::newRow("national-wheel file deleted: no other copy")
        << u"delete _rn.dtb"_s
        << u"Manca il file _rn.dtb, con la ruota nazionale delle estrazioni da 3475 a 3500.\n"_s << 1 << u""_s
        << 1 << true;
    QTest::newRow("national-wheel file cut: no other copy")
        << u"cut _rn.dtb 5"_s
        << u"Il file _rn.dtb è più corto del dovuto: 125 byte invece di 130 (senza la ruota nazionale "
           "dell'estrazione 3500).\n"_s
        << 1 << u""_s << 1 << true;
    QTest::newRow("count lowered")
        << u"word _data_sm.dtb 0 3493"_s
        << u"Il file _data_sm.dtb è più lungo del dovuto: 10512 byte invece di 10491. Dopo l'ultima "
           u"estrazione "
           "contata ci sono le date delle estrazioni da 3494 a 3500.\n"
           "Il file _est_sm.dtb è più lungo del dovuto: 175000 byte invece di 174650.\n"
           "Il file _GIORNI.DTB è più lungo del dovuto: 3500 byte invece di 3493.\n"
           "Il file _rn.dtb è più lungo del dovuto: 130 byte invece di 95.\n"
           "{sub-archives}"_s
        << 1 << u"Numero di estrazioni nel file _data_sm.dtb portato da 3493 a 3500.\n"_s << 0 << true;
    QTest::newRow("count raised")
        << u"word _data_sm.dtb 0 3507"_s
        << u"Il file _data_sm.dtb conta 3507 estrazioni ma ne contiene 3500: l'archivio non si può leggere.\n"_s
        << 2 << u"Numero di estrazioni nel file _data_sm.dtb portato da 3507 a 3500.\n"_s << 0 << true;
    QTest::newRow("LastWeeklyDraw wrong within the draws")
        << u"word _data_sm.dtb 2 {lw-10}"_s
        << u"{sub-archives}L'ultima estrazione settimanale indicata ({lw-10}) non è quella che risulta dalle "
           "date ({lw}).\n"_s
        << 1 << u"Ultima estrazione settimanale portata da {lw-10} a {lw}, come risulta dalle date.\n"_s << 0
        << true;
    QTest::newRow("a folder without its dates file")
        << u"delete _data_sm.dtb"_s
        << u"Manca il file _data_sm.dtb, ma ci sono altri file dell'archivio: l'archivio non si può leggere.\n"_s
        << 2 << u"Estrazioni da 1 a 3500: date riprese dai sotto-archivi S e M.\n"_s << 0 << true;
    QTest::newRow("dates file cut")
        << u"cut _data_sm.dtb 3"_s
        << u"Il file _data_sm.dtb conta 3500 estrazioni ma ne contiene 3499: l'archivio non si può leggere.\n"_s
        << 2 << u"Estrazione 3500: date riprese dai sotto-archivi S e M.\n"_s << 0 << true;
    for (const QString& file : {u"_data_s.dtb"_s, u"_est_s.dtb"_s, u"_data_m.dtb"_s, u"_est_m.dtb"_s})
        QTest::addRow("%s deleted", qPrintable(file)) << u"delete "_s + file
                                                      << u"Manca il file %1 del sotto-archivio %2.\n"_s.arg(
                                                             file, file.contains(u"_s."_s) ? u"S"_s : u"M"_s)
                                                      << 1 << rewritten << 0 << false;
    for (const QString& file : {u"_data_m.dtb"_s, u"_est_m.dtb"_s, u"_data_s.dtb"_s, u"_est_s.dtb"_s})
        for (const QString& how : {u"cut"_s, u"grow"_s})
            QTest::addRow("%s %s", qPrintable(file), qPrintable(how))
                << how + u' ' + file + u" 3"_s
                << u"Il file %1 del sotto-archivio %2 non corrisponde all'archivio completo (intestazione o "
                   "lunghezza).\n"_s.arg(file, file.contains(u"_s."_s) ? u"S"_s : u"M"_s)
                << 1 << rewritten << 0 << false;
    QTest::newRow("S and M swapped") << u"swap"_s << u"{sub-archives}"_s << 1 << rewritten << 0 << false;
    QTest::newRow("a wrong weekday, the user's to correct")
        << u"set _giorni.dtb 2999 7"_s
        << u"Estrazione 3000 del {3000}: giorno della settimana Dom invece di {day}.\n"_s << 1 << u""_s << 1
        << false;
    QTest::newRow("an incomplete draw, the user's or the import's to complete")
        << u"set _rn.dtb 0 0"_s
        << u"Estrazione 3475 del {3475}: estrazione incompleta, mancano dei numeri sulla ruota di RN.\n"_s
        << 1 << u""_s << 1 << false;
    QTest::newRow("two sound copies disagree")
        << u"set _est_sm.dtb 149950 {other}"_s
        << u"Estrazione 3000 del {3000}: nel file _est_m.dtb del sotto-archivio M è diversa dall'archivio "
           "completo.\n"_s
        << 1 << u""_s << 1 << false;
}

// Each kind of damage: what --check says and its exit status; what the repair changes, from the
// archive's other copy where there is one, and that it then leaves the archive of before the damage,
// byte for byte; where there is none it changes nothing. Writers refuse a damaged full archive.
void TestCli::damageTable() {
    QFETCH(QString, damage);
    QFETCH(QString, found);
    QFETCH(int, checkExit);
    QFETCH(QString, steps);
    QFETCH(int, repairExit);
    QFETCH(bool, refused);
    const Archive demo = DemoOf(3500);
    const WheelNumbers wheels = demo.drawWheels(3000);
    qint16 other = 1;
    while (std::find(wheels[1].begin() + 1, wheels[1].end(), other) != wheels[1].end())
        ++other;
    const auto fill = [&demo, other](QString text) {
        const auto dateOf = [&demo](int d) {
            const PackedDate date = demo.DrawDate(d);
            return FullDateText(FullYear(date.yearCode), date.month, date.day);
        };
        return text.replace(u"{3000}"_s, dateOf(3000))
            .replace(u"{3475}"_s, dateOf(3475))
            .replace(u"{lw-10}"_s, QString::number(demo.LastWeeklyDraw - 10))
            .replace(u"{lw}"_s, QString::number(demo.LastWeeklyDraw))
            .replace(u"{day}"_s, WeekdayText(demo.DrawWeekday(3000)))
            .replace(u"{other}"_s, QString::number(other))
            .replace(u"{sub-archives}"_s, subArchiveFilesDiffer());
    };
    QTemporaryDir folder, second;
    for (const QString& path : {folder.path(), second.path()}) {
        DiskFileStore files(path);
        QCOMPARE(WriteWholeArchive(files, demo), Failure());
        ApplyDamage(path, fill(damage));
    }
    const MemoryFileStore reference = StoreOf(demo);
    const QMap<QString, QByteArray> damaged = ArchiveFilesIn(folder.path());

    const Run check = run({u"--data"_s, folder.path(), u"--check"_s});
    QCOMPARE(QString::fromUtf8(check.out), fill(found));
    QCOMPARE(check.result.exitStatus, checkExit);

    const Run import =
        run({u"--data"_s, second.path(), u"--import"_s, u"-"_s}, {}, ExportStorico(DemoOf(3501)));
    QCOMPARE(import.result.exitStatus == 2, refused);
    if (refused) {
        QVERIFY(import.err.contains("L'archivio è danneggiato"));
        QCOMPARE(ArchiveFilesIn(second.path()), damaged);
        QVERIFY(!QDir(second.filePath(u"backup"_s)).exists());
    }

    const Run repair = run({u"--data"_s, folder.path(), u"--check"_s, u"--repair"_s});
    QCOMPARE(repair.result.exitStatus, repairExit);
    QString expected =
        fill(found == u"Archivio integro: 3500 estrazioni.\n"_s ? QString() : found) + fill(steps);
    const QStringList backups =
        QDir(folder.filePath(u"backup"_s)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(backups.size(), steps.isEmpty() ? 0 : 1);
    if (!steps.isEmpty())
        expected += u"Archivio precedente salvato in "_s +
                    QDir::toNativeSeparators(folder.filePath(u"backup/"_s + backups.value(0))) + u".\n"_s;
    if (repairExit == 0) {
        expected += u"Archivio integro: 3500 estrazioni.\n"_s;
        QCOMPARE(ArchiveFilesIn(folder.path()), ArchiveFilesOf(reference));
    } else {
        QCOMPARE(ArchiveFilesIn(folder.path()), damaged);
        QVERIFY(repair.out.startsWith(expected.toUtf8()));
        expected = QString::fromUtf8(repair.out);
    }
    QCOMPARE(QString::fromUtf8(repair.out), expected);
}

void TestCli::deleteLast_data() {
    QTest::addColumn<int>("draws"); // in the archive; 0: a folder without one, -1: a damaged one
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // {named}: the last draw
    const QString ask = u"Eliminare l'ultima estrazione dall'archivio?\n{named} [s/N] "_s;
    QTest::newRow("named only") << 3500 << QStringList{u"--dry-run"_s} << QByteArray() << 0
                                << u"Da eliminare: {named}.\nProva: nulla è stato scritto.\n"_s;
    QTest::newRow("answered no") << 3500 << QStringList() << QByteArray("n\n") << 1
                                 << ask + u"Nulla è stato scritto.\n"_s;
    QTest::newRow("no answer") << 3500 << QStringList() << QByteArray() << 1
                               << ask + u"\nNulla è stato scritto.\n"_s;
    QTest::newRow("deleted") << 3500 << QStringList() << QByteArray("sì\n") << 0
                             << ask + u"Eliminata: {named}.\n"_s;
    QTest::newRow("deleted from the weekly period")
        << 40 << QStringList() << QByteArray("S\n") << 0 << ask + u"Eliminata: {named}.\n"_s;
    QTest::newRow("no archive") << 0 << QStringList() << QByteArray("s\n") << 2 << QString();
    QTest::newRow("a damaged archive") << -1 << QStringList() << QByteArray("s\n") << 2 << QString();
}

// The last draw taken back: what is left is the archive of one draw less, byte for byte, after a
// backup; asked first, and named by its number, weekday and date.
void TestCli::deleteLast() {
    QFETCH(int, draws);
    QFETCH(QStringList, options);
    QFETCH(QByteArray, answer);
    QFETCH(int, status);
    QFETCH(QString, out);
    QTemporaryDir folder;
    const Archive demo = DemoOf(std::max(draws, 3));
    if (draws != 0) {
        DiskFileStore files(folder.path());
        QCOMPARE(WriteWholeArchive(files, demo), Failure());
    }
    if (draws < 0)
        ApplyDamage(folder.path(), u"cut _est_sm.dtb 3"_s);
    const QMap<QString, QByteArray> before = ArchiveFilesIn(folder.path());
    const Run r = run(QStringList{u"--data"_s, folder.path(), u"--delete-last"_s} + options, {}, answer);
    QCOMPARE(r.result.exitStatus, status);
    const PackedDate date = demo.DrawDate(demo.DrawCount());
    const QDate day(FullYear(date.yearCode), date.month, date.day);
    const QString named =
        u"Estrazione %1 di %2 %3"_s.arg(demo.DrawCount())
            .arg(QLocale(QLocale::Italian).dayName(day.dayOfWeek()), day.toString(u"dd-MM-yyyy"_s));
    QString expected = QString(out).replace(u"{named}"_s, named);
    const QStringList backups =
        QDir(folder.filePath(u"backup"_s)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (status == 0 && options.isEmpty()) {
        QCOMPARE(backups.size(), 1);
        expected += u"Archivio precedente salvato in "_s +
                    QDir::toNativeSeparators(folder.filePath(u"backup/"_s + backups.first())) + u".\n"_s;
        QCOMPARE(ArchiveFilesIn(folder.path()), ArchiveFilesOf(StoreOf(DemoOf(draws - 1))));
    } else {
        QVERIFY(backups.isEmpty());
        QCOMPARE(ArchiveFilesIn(folder.path()), before);
    }
    QCOMPARE(QString::fromUtf8(r.out), expected);
    QCOMPARE(r.err.isEmpty(), status != 2);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
