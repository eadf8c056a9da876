// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_writer.h"
#include "archive/file_store.h"
#include "archive/packed_date.h"
#include "stats/draw_search.h"
#include "support/archive_builders.h"
#include "support/cli_run.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The demo history across the national wheel's first draw, with numbers not yet known here and there.
const Archive& sample() {
    static const Archive archive = [] {
        Archive a = DemoOf(3600);
        for (int p = 1; p <= NumbersPerWheel; ++p)
            a.setDrawNumber(3, 100, p, 0);
        a.setDrawNumber(1, 3500, 2, 0);
        a.setDrawNumber(NationalWheel, 3480, 5, 0);
        return a;
    }();
    return archive;
}

QDate dateOf(const Archive& archive, int draw) {
    const PackedDate d = archive.DrawDate(draw);
    return {FullYear(d.yearCode), d.month, d.day};
}

// The wheels 1..11 as the official file names them.
const QStringList codes = {u"BA"_s, u"CA"_s, u"FI"_s, u"GE"_s, u"MI"_s, u"NA"_s,
                           u"PA"_s, u"RM"_s, u"TO"_s, u"VE"_s, u"RN"_s};

// The wheels a code stands for.
QList<int> wheelsOf(const QString& code, int draw) {
    if (code == u"TT")
        return draw >= FirstNationalDraw ? QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}
                                         : QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const int wheel = code == u"RO" ? 8 : int(codes.indexOf(code)) + 1;
    return wheel == NationalWheel && draw < FirstNationalDraw ? QList<int>{} : QList<int>{wheel};
}

bool onWheel(const Archive& archive, int wheel, int draw, int number) {
    for (int p = 1; p <= NumbersPerWheel; ++p)
        if (archive.DrawNumbers(wheel, draw, p) == number)
            return true;
    return false;
}

// One CSV row counted the plain way: the places in the period where it came out, then the gaps.
QString countedRow(const QString& name, const QList<int>& period, const QList<int>& hits, int drawn,
                   const Archive& archive) {
    int longest = 0, before = 0;
    for (const int at : hits) {
        longest = std::max(longest, at - before - 1);
        before = at;
    }
    const int delay = int(period.size()) - before;
    const QString last =
        hits.isEmpty() ? QString() : dateOf(archive, period[hits.last() - 1]).toString(u"yyyy-MM-dd"_s);
    return u"%1,%2,%3,%4,%5\n"_s.arg(name).arg(drawn).arg(delay).arg(std::max(longest, delay)).arg(last);
}

// What --stats writes, counted from the draws without the figures' module.
QByteArray independentCount(const Archive& archive, const QString& code, QDate from, QDate to, bool pairs) {
    QList<int> period;
    for (int d = 1; d <= archive.DrawCount(); ++d)
        if (!wheelsOf(code, d).isEmpty() && (!from.isValid() || dateOf(archive, d) >= from) &&
            (!to.isValid() || dateOf(archive, d) <= to))
            period.append(d);
    QString csv =
        pairs ? u"pair,drawn,delay,max_delay,last_date\n"_s : u"number,drawn,delay,max_delay,last_date\n"_s;
    for (int a = 1; a <= 90; ++a)
        for (int b = pairs ? a + 1 : 0; b <= (pairs ? 90 : 0); ++b) {
            QList<int> hits;
            int drawn = 0;
            for (int at = 1; at <= period.size(); ++at) {
                int wheels = 0;
                for (const int w : wheelsOf(code, period[at - 1]))
                    wheels += onWheel(archive, w, period[at - 1], a) &&
                              (!pairs || onWheel(archive, w, period[at - 1], b));
                drawn += wheels;
                if (wheels > 0)
                    hits.append(at);
            }
            csv += countedRow(pairs ? u"%1-%2"_s.arg(a).arg(b) : QString::number(a), period, hits, drawn,
                              archive);
        }
    return csv.toLatin1();
}

// A folder holding `archive`, for the command line.
QString folderOf(const Archive& archive, QTemporaryDir& dir) {
    DiskFileStore files(dir.path());
    if (WriteWholeArchive(files, archive))
        qFatal("cannot write the test archive");
    return dir.path();
}

// The official draws as the program imports them; none when they are not here.
const QString& realFolder() {
    static QTemporaryDir dir;
    static const QString folder = [] {
        const QString file = qEnvironmentVariable("VOREL_SHARED_DATA") + u"/storico.txt"_s;
        if (!QFile::exists(file) ||
            RunVorel({u"--data"_s, dir.path(), u"--import"_s, file}).result.exitStatus != 0)
            return QString();
        return dir.path();
    }();
    return folder;
}

} // namespace

class TestStats : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void figuresMatchAnIndependentCount_data();
    void figuresMatchAnIndependentCount();
    void realArchive_data();
    void realArchive();
    void search_data();
    void search();
    void commandLineErrors_data();
    void commandLineErrors();
};

void TestStats::figuresMatchAnIndependentCount_data() {
    QTest::addColumn<QString>("wheel");
    QTest::addColumn<int>("from"); // a draw whose date opens the period; 0: open
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("pairs");
    QTest::newRow("BA, the whole archive") << u"BA"_s << 0 << 0 << false;
    QTest::newRow("all wheels, the whole archive") << u"TT"_s << 0 << 0 << false;
    QTest::newRow("national wheel, from its first draw") << u"RN"_s << 0 << 0 << false;
    QTest::newRow("RO is Roma, a period") << u"RO"_s << 1000 << 1500 << false;
    QTest::newRow("all wheels across the national wheel's start") << u"TT"_s << 3400 << 3550 << false;
    QTest::newRow("a period open at its start") << u"FI"_s << 0 << 120 << false;
    QTest::newRow("pairs of NA, the whole archive") << u"NA"_s << 0 << 0 << true;
    QTest::newRow("pairs of RN, a period") << u"RN"_s << 3300 << 3600 << true;
}

void TestStats::figuresMatchAnIndependentCount() {
    QFETCH(QString, wheel);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, pairs);
    QTemporaryDir dir;
    QStringList arguments{u"--data"_s, folderOf(sample(), dir), u"--stats"_s, wheel.toLower()};
    const QDate first = from ? dateOf(sample(), from) : QDate(), last = to ? dateOf(sample(), to) : QDate();
    if (first.isValid())
        arguments << u"--from"_s << first.toString(u"yyyy-MM-dd"_s);
    if (last.isValid())
        arguments << u"--to"_s << last.toString(u"dd-MM-yyyy"_s);
    if (pairs)
        arguments << u"--pairs"_s;
    const Run r = RunVorel(arguments);
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.result.exitStatus, 0);
    QCOMPARE(r.out, independentCount(sample(), wheel, first, last, pairs));
}

// Counted by hand from the official file (awk over its lines).
void TestStats::realArchive_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("row");
    const QStringList year2025{u"--from"_s, u"2025-01-01"_s, u"--to"_s, u"31-12-2025"_s};
    QTest::newRow("1 on BA over 2025")
        << QStringList{u"--stats"_s, u"BA"_s} + year2025 << QByteArray("1,16,3,62,2025-12-24\n");
    QTest::newRow("90 on all wheels over 2025")
        << QStringList{u"--stats"_s, u"TT"_s} + year2025 << QByteArray("90,130,0,6,2025-12-30\n");
    QTest::newRow("the pair 7-45 on RN over 2025")
        << QStringList{u"--stats"_s, u"RN"_s, u"--pairs"_s} + year2025
        << QByteArray("7-45,2,23,166,2025-11-20\n");
    QTest::newRow("7 and 45 together on RN in 2025")
        << QStringList{u"--find"_s, u"45,7"_s, u"--wheel"_s, u"rn"_s} + year2025
        << QByteArray("6624,2025-01-31,RN,20 79 7 45 60\n6791,2025-11-20,RN,45 73 36 71 7\n");
}

void TestStats::realArchive() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, row);
    if (realFolder().isEmpty())
        QSKIP("the reference draws are not here");
    const Run r = RunVorel(QStringList{u"--data"_s, realFolder()} + arguments);
    QCOMPARE(r.result.exitStatus, 0);
    QVERIFY2(r.out.contains('\n' + row), r.out.left(200).constData());
}

void TestStats::search_data() {
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("wheel"); // empty: any
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("one number, any wheel, a period") << u"17"_s << QString() << 3470 << 3480;
    QTest::newRow("two numbers on TO") << u"5,9"_s << u"TO"_s << 0 << 0;
    QTest::newRow("three numbers, any wheel") << u"1,2,3"_s << QString() << 0 << 0;
    QTest::newRow("a draw's whole wheel") << u"%1"_s << u"RN"_s << 3500 << 0;
    QTest::newRow("a number not yet known finds nothing") << u"90"_s << u"FI"_s << 100 << 100;
}

// The rows of --find against a plain scan; the go-to-date of the archive view against the calendar.
void TestStats::search() {
    QFETCH(QString, numbers);
    QFETCH(QString, wheel);
    QFETCH(int, from);
    QFETCH(int, to);
    const Archive& archive = sample();
    if (numbers == u"%1") {
        QStringList five;
        for (int p = 1; p <= NumbersPerWheel; ++p)
            five << QString::number(archive.DrawNumbers(NationalWheel, 3500, p));
        numbers = five.join(u',');
    }
    QList<int> wanted;
    for (const QString& n : numbers.split(u','))
        wanted << n.toInt();
    QByteArray expected = "draw,date,wheel,numbers\n";
    for (int d = std::max(from, 1); d <= (to ? to : archive.DrawCount()); ++d)
        for (const int w : wheelsOf(wheel.isEmpty() ? u"TT"_s : wheel, d))
            if (std::all_of(wanted.begin(), wanted.end(), [&](int n) { return onWheel(archive, w, d, n); })) {
                QStringList drawn;
                for (int p = 1; p <= NumbersPerWheel; ++p)
                    drawn << QString::number(archive.DrawNumbers(w, d, p));
                expected +=
                    u"%1,%2,%3,%4\n"_s.arg(d)
                        .arg(dateOf(archive, d).toString(u"yyyy-MM-dd"_s), codes[w - 1], drawn.join(u' '))
                        .toLatin1();
            }
    QTemporaryDir dir;
    QStringList arguments{u"--data"_s, folderOf(archive, dir), u"--find"_s, numbers};
    if (!wheel.isEmpty())
        arguments << u"--wheel"_s << wheel;
    if (from)
        arguments << u"--from"_s << dateOf(archive, from).toString(u"dd-MM-yyyy"_s);
    if (to)
        arguments << u"--to"_s << dateOf(archive, to).toString(u"yyyy-MM-dd"_s);
    const Run r = RunVorel(arguments);
    QCOMPARE(r.out, expected);
    QCOMPARE(r.result.exitStatus, expected.count('\n') > 1 ? 0 : 1);

    // The archive view's "go to": the draw of a date, or the next one after it.
    const QDate day = dateOf(archive, std::max(from, 2));
    QCOMPARE(FirstDrawFrom(archive, day), std::max(from, 2));
    QCOMPARE(FirstDrawFrom(archive, day.addDays(-1)),
             dateOf(archive, std::max(from, 2) - 1) == day.addDays(-1) ? std::max(from, 2) - 1
                                                                       : std::max(from, 2));
    QCOMPARE(FirstDrawFrom(archive, dateOf(archive, archive.DrawCount()).addDays(1)), 0);
}

void TestStats::commandLineErrors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("an unknown wheel")
        << QStringList{u"--stats"_s, u"XX"_s}
        << u"ruota sconosciuta \"XX\": si usano BA, CA, FI, GE, MI, NA, PA, RM (o RO), "
           u"TO, VE, RN o TT per tutte."_s;
    QTest::newRow("a number above 90")
        << QStringList{u"--find"_s, u"3,91"_s} << u"\"91\" non è un numero da 1 a 90."_s;
    QTest::newRow("not a number") << QStringList{u"--find"_s, u"3,x"_s}
                                  << u"\"x\" non è un numero da 1 a 90."_s;
    QTest::newRow("a number twice") << QStringList{u"--find"_s, u"3,3"_s}
                                    << u"si cercano da 1 a 5 numeri diversi, separati da virgole."_s;
    QTest::newRow("six numbers") << QStringList{u"--find"_s, u"1,2,3,4,5,6"_s}
                                 << u"si cercano da 1 a 5 numeri diversi, separati da virgole."_s;
    QTest::newRow("a day that is not one") << QStringList{u"--stats"_s, u"BA"_s, u"--to"_s, u"2020-02-30"_s}
                                           << u"\"2020-02-30\" non è una data (AAAA-MM-GG o GG-MM-AAAA)."_s;
    QTest::newRow("a date in another form") << QStringList{u"--find"_s, u"1"_s, u"--from"_s, u"1/2/2020"_s}
                                            << u"\"1/2/2020\" non è una data (AAAA-MM-GG o GG-MM-AAAA)."_s;
    QTest::newRow("a period with no draws")
        << QStringList{u"--stats"_s, u"BA"_s, u"--from"_s, u"2200-01-01"_s}
        << u"nessuna estrazione nel periodo."_s;
    QTest::newRow("the national wheel before its first draw")
        << QStringList{u"--stats"_s, u"RN"_s, u"--to"_s, u"1950-01-01"_s}
        << u"nessuna estrazione nel periodo."_s;
    QTest::newRow("pairs of all wheels") << QStringList{u"--stats"_s, u"TT"_s, u"--pairs"_s}
                                         << u"gli ambi si contano su una ruota, non su TT."_s;
}

void TestStats::commandLineErrors() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const Run r = RunVorel(QStringList{u"--data"_s, folderOf(sample(), dir)} + arguments);
    QCOMPARE(r.result.exitStatus, 2);
    QCOMPARE(QString::fromUtf8(r.err), u"vorel: "_s + message + u'\n');
    QCOMPARE(r.out, QByteArray());
}

QTEST_GUILESS_MAIN(TestStats)
#include "tst_stats.moc"
