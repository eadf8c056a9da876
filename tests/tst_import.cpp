// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/constant_tables.h"
#include "calendar/draw_date.h"
#include "demo_archive.h"
#include "paste/paste_analysis.h"
#include "paste/scanners.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList WeekdayWords = {QString(),           u"Luned\u00ec"_s,  u"Marted\u00ec"_s,
                                  u"Mercoled\u00ec"_s, u"Gioved\u00ec"_s, u"Venerd\u00ec"_s,
                                  u"Sabato"_s,         u"Domenica"_s};

const Archive& demo() {
    static const Archive archive = MakeDemoArchive();
    return archive;
}

// How a draw is published: a headline with the contest number, the date line with its weekday,
// one line per city wheel, the national wheel's name alone with its numbers on the next line,
// and a line of another game.
struct Published {
    PackedDate date;
    int weekday = 0;
    WheelNumbers numbers{};
    int wheels = 10;
    QString nationalName = u"Ruota Nazionale"_s;
    QString separator = u" "_s;
    QString lineBreak = u"\r\n"_s;

    QString text() const {
        QStringList lines{u"Estrazione del Lotto n. 145 del %1/%2/%3"_s.arg(date.day)
                              .arg(date.month)
                              .arg(FullYear(date.yearCode)),
                          u"%1 %2/%3/%4"_s.arg(WeekdayWords.value(weekday))
                              .arg(date.day, 2, 10, QChar(u'0'))
                              .arg(date.month, 2, 10, QChar(u'0'))
                              .arg(FullYear(date.yearCode))};
        for (int w = 1; w <= std::min(wheels, 10); ++w) {
            QString name = WheelName(w);
            lines.append(name.left(1) + name.mid(1).toLower() + separator + numbersOf(w));
        }
        if (wheels == 11) {
            lines.append(nationalName);
            lines.append(numbersOf(11));
        }
        lines.append(u"SuperEnalotto 4 18 22 47 63 81 Jolly 9"_s);
        return lines.join(lineBreak);
    }

    QString numbersOf(int w) const {
        QStringList values;
        for (int p = 1; p <= 5; ++p)
            values.append(QString::number(numbers[std::size_t(w)][std::size_t(p)]).rightJustified(2, u'0'));
        return values.join(separator);
    }
};

Published publishedDraw(const Archive& archive, int d) {
    Published p;
    p.date = archive.DrawDate(d);
    p.weekday = archive.DrawWeekday(d);
    p.numbers = archive.drawWheels(d);
    p.wheels = WheelCountOfDraw(d);
    return p;
}

// Changes `count` numbers of a draw's `wheels` wheels, one per wheel from BA on, each to a value
// not in that wheel.
void changeNumbers(WheelNumbers& numbers, int count, int wheels) {
    for (int i = 0; i < count; ++i) {
        auto& wheel = numbers[std::size_t(i % wheels + 1)];
        const int p = i / wheels + 1;
        int value = wheel[std::size_t(p)];
        do {
            value = value % 90 + 1;
        } while (std::find(wheel.begin() + 1, wheel.end(), value) != wheel.end());
        wheel[std::size_t(p)] = qint16(value);
    }
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numberScan_data();
    void numberScan();
    void dateLines_data();
    void dateLines();
    void weekdayLines_data();
    void weekdayLines();
    void wheelLines_data();
    void wheelLines();
    void placeInTheArchive_data();
    void placeInTheArchive();
    void lineBreaks_data();
    void lineBreaks();
    void outcomes_data();
    void outcomes();
    void similarityBoundary_data();
    void similarityBoundary();
    void messages();
    void nationalWheelJoin();
    void unreadableTexts_data();
    void unreadableTexts();
    void newDrawWeekday();
    void pastingTwice();
    void randomTextNeverCrashes();
};

void TestImport::numberScan_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<bool>("usable");
    QTest::newRow("date") << u"12/03/2005"_s << QList<int>{12, 3, 2005} << true;
    QTest::newRow("wheel with leading zeros")
        << u"BARI 07 45 12 90 3"_s << QList<int>{7, 45, 12, 90, 3} << true;
    QTest::newRow("point splits") << u"2.005"_s << QList<int>{2, 5} << true;
    QTest::newRow("tabs, no-break spaces, accents")
        << u"\t1\u00a02\u00e83\r4"_s << QList<int>{1, 2, 3, 4} << true;
    QTest::newRow("no digits") << u"INCOLLA L'ESTRAZIONE"_s << QList<int>{} << true;
    QTest::newRow("ten numbers") << u"1 2 3 4 5 6 7 8 9 10"_s << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                                 << true;
    QTest::newRow("eleven numbers") << u"1 2 3 4 5 6 7 8 9 10 11"_s << QList<int>{} << false;
    QTest::newRow("32767 fits") << u"32767"_s << QList<int>{32767} << true;
    QTest::newRow("32768 does not") << u"1 32768"_s << QList<int>{} << false;
    QTest::newRow("a long run") << QString(500, u'9') << QList<int>{} << false;
    QTest::newRow("leading zeros of a long run") << QString(40, u'0') + u"12"_s << QList<int>{12} << true;
    QTest::newRow("other digits are separators") << u"\u0661\u0662 7"_s << QList<int>{7} << true;
}

void TestImport::numberScan() {
    QFETCH(QString, line);
    QFETCH(QList<int>, numbers);
    QFETCH(bool, usable);
    const NumberScan scan = ScanNumbers(line);
    QCOMPARE(scan.usable, usable);
    if (!usable)
        return;
    QCOMPARE(scan.count, numbers.size());
    for (int k = 1; k <= 10; ++k)
        QCOMPARE(int(scan.numbers[std::size_t(k)]), k <= numbers.size() ? numbers.at(k - 1) : 0);
}

void TestImport::dateLines_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("isDate");
    QTest::addColumn<QList<int>>("date");
    QTest::newRow("weekday and dots") << u"SABATO 12.03.2005"_s << true << QList<int>{12, 3, 5};
    QTest::newRow("two-digit year") << u"12/03/05"_s << true << QList<int>{12, 3, 5};
    QTest::newRow("1999") << u"30-12-1999"_s << true << QList<int>{30, 12, 99};
    QTest::newRow("2000") << u"1 1 2000"_s << true << QList<int>{1, 1, 0};
    QTest::newRow("1899 keeps its value") << u"1/1/1899"_s << true << QList<int>{1, 1, 1899};
    QTest::newRow("2100 gives 100") << u"1/1/2100"_s << true << QList<int>{1, 1, 100};
    QTest::newRow("with the time") << u"12/03/05 ORE 20"_s << false << QList<int>{};
    QTest::newRow("day 32") << u"32/01/2005"_s << false << QList<int>{};
    QTest::newRow("month 13") << u"12/13/2005"_s << false << QList<int>{};
    QTest::newRow("day 0") << u"0/1/2005"_s << false << QList<int>{};
    QTest::newRow("contest number too") << u"CONCORSO N. 30 DEL 12/03/2005"_s << false << QList<int>{};
    QTest::newRow("month as a word") << u"12 MARZO 2005"_s << false << QList<int>{};
    QTest::newRow("huge year") << u"1/1/99999"_s << false << QList<int>{};
}

void TestImport::dateLines() {
    QFETCH(QString, line);
    QFETCH(bool, isDate);
    QFETCH(QList<int>, date);
    ImportNumbersArray numbers{};
    QCOMPARE(NadjiDatum(line, numbers), isDate);
    if (isDate)
        QCOMPARE((QList<int>{numbers[1], numbers[2], numbers[3]}), date);
}

void TestImport::weekdayLines_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("code");
    QTest::newRow("LUNEDI") << u"LUNEDI"_s << 1;
    QTest::newRow("accented") << u"MERCOLED\u00cc"_s << 3;
    QTest::newRow("DOMENICA") << u"ESTRAZIONE DI DOMENICA"_s << 7;
    QTest::newRow("the first stem wins") << u"SABATO O LUNED\u00cc"_s << 1;
    QTest::newRow("VENERDI") << u"VENERD\u00cc 7"_s << 5;
    QTest::newRow("no stem") << u"SAB"_s << 0;
    QTest::newRow("lower case is not upper-cased here") << u"sabato"_s << 0;
}

void TestImport::weekdayLines() {
    QFETCH(QString, line);
    QFETCH(int, code);
    QCOMPARE(NadjiGiorno(line), code);
}

void TestImport::wheelLines_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("wheel");
    QTest::newRow("BARI") << u"BARI 07 45 12 90 3"_s << 1;
    QTest::newRow("NAZIONALE by the alternative name") << u"NAZIONALE 5 17 33 61 88"_s << 11;
    QTest::newRow("RUOTA NAZIONALE") << u"RUOTA NAZIONALE 5 17 33 61 88"_s << 11;
    QTest::newRow("RM is Roma") << u"RM 5 17 33 61 88"_s << 8;
    QTest::newRow("RO") << u"RO 5 17 33 61 88"_s << 8;
    QTest::newRow("NZ") << u"NZ 5 17 33 61 88"_s << 11;
    QTest::newRow("unknown code") << u"XX 5 17 33 61 88"_s << 0;
    QTest::newRow("BARI beats NAPOLI") << u"NAPOLI BARI 5 17 33 61 88"_s << 1;
    QTest::newRow("PALERMO is no RM") << u"PALERMO 5 17 33 61 88"_s << 7;
    QTest::newRow("91") << u"ROMA 1 2 3 4 91"_s << 0;
    QTest::newRow("0") << u"ROMA 0 2 3 4 9"_s << 0;
    QTest::newRow("four numbers") << u"ROMA 1 2 3 4"_s << 0;
    QTest::newRow("eleven numbers") << u"ROMA 1 2 3 4 5 6 7 8 9 10 11"_s << 0;
    QTest::newRow("tabs") << u"VENEZIA\t1\t2\t3\t4\t5"_s << 10;
}

void TestImport::wheelLines() {
    QFETCH(QString, line);
    QFETCH(int, wheel);
    ImportNumbersArray numbers{};
    QCOMPARE(NadjiIzvlacenje(line, numbers), wheel);
    if (line.startsWith(u"BARI 07"_s))
        QCOMPARE((QList<int>{numbers[1], numbers[2], numbers[3], numbers[4], numbers[5]}),
                 (QList<int>{7, 45, 12, 90, 3}));
}

void TestImport::placeInTheArchive_data() {
    QTest::addColumn<QList<int>>("date");
    QTest::addColumn<int>("place");
    // Draws: 1 on 30-12-99, 2 on 1-2-05, 3 on 5-2-05.
    QTest::newRow("draw 1 exactly") << QList<int>{30, 12, 99} << -1;
    QTest::newRow("before the first") << QList<int>{1, 1, 50} << 1;
    QTest::newRow("1999 before 2000") << QList<int>{1, 1, 0} << 2;
    QTest::newRow("later draw with smaller day and month") << QList<int>{30, 1, 5} << 2;
    QTest::newRow("draw 3 exactly") << QList<int>{5, 2, 5} << -3;
    QTest::newRow("after the last") << QList<int>{6, 2, 5} << 4;
    QTest::newRow("year code above 99") << QList<int>{1, 1, 1899} << 4;
}

void TestImport::placeInTheArchive() {
    QFETCH(QList<int>, date);
    QFETCH(int, place);
    Archive archive(3);
    archive.setDrawDate(1, {30, 12, 99});
    archive.setDrawDate(2, {1, 2, 5});
    archive.setDrawDate(3, {5, 2, 5});
    const std::array<qint16, 4> editDate{0, qint16(date[0]), qint16(date[1]), qint16(date[2])};
    QCOMPARE(NadjiEst(archive, editDate), place);
    QCOMPARE(NadjiEst(Archive(), editDate), 1);
}

void TestImport::lineBreaks_data() {
    QTest::addColumn<QString>("lineBreak");
    QTest::addColumn<bool>("closing");
    QTest::newRow("CR LF") << u"\r\n"_s << true;
    QTest::newRow("LF") << u"\n"_s << true;
    QTest::newRow("LF, no closing break") << u"\n"_s << false;
    QTest::newRow("CR LF, no closing break") << u"\r\n"_s << false;
}

// Every kind of line break reads the same.
void TestImport::lineBreaks() {
    QFETCH(QString, lineBreak);
    QFETCH(bool, closing);
    Published p = publishedDraw(demo(), 5000);
    p.lineBreak = lineBreak;
    const QString text = p.text() + (closing ? lineBreak : QString());
    const PasteAnalysis result = AnalysePastedText(text, demo());
    QCOMPARE(result.outcome, PasteOutcome::Verified);
    QCOMPARE(result.draw, 5000);
    QVERIFY(result.text.endsWith(u"\r\n"_s));
    QVERIFY(!result.text.contains(u"\r\r\n"_s));
}

void TestImport::outcomes_data() {
    QTest::addColumn<int>("draw");
    QTest::addColumn<int>("changed");
    QTest::addColumn<int>("dayShift");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("concerns");
    QTest::newRow("verified") << 5000 << 0 << 0 << int(PasteOutcome::Verified) << 5000;
    QTest::newRow("verified, ten wheels") << 3474 << 0 << 0 << int(PasteOutcome::Verified) << 3474;
    QTest::newRow("verified, first national draw") << 3475 << 0 << 0 << int(PasteOutcome::Verified) << 3475;
    QTest::newRow("differs") << 5000 << 1 << 0 << int(PasteOutcome::Differs) << 5000;
    QTest::newRow("same numbers a day later") << 5000 << 0 << 1 << int(PasteOutcome::Similar) << 5000;
    QTest::newRow("close numbers a day later") << 5000 << 29 << 1 << int(PasteOutcome::Similar) << 5000;
    QTest::newRow("a day before: the next draw is the candidate")
        << 5000 << 0 << -1 << int(PasteOutcome::Similar) << 5000;
    QTest::newRow("nothing alike") << 5000 << 55 << 1 << int(PasteOutcome::NotFound) << 0;
    QTest::newRow("before the first draw: draw 1 is the candidate")
        << 1 << 0 << -3 << int(PasteOutcome::Similar) << 1;
    QTest::newRow("new draw") << 7022 << 55 << 2 << int(PasteOutcome::NewDraw) << 0;
}

void TestImport::outcomes() {
    QFETCH(int, draw);
    QFETCH(int, changed);
    QFETCH(int, dayShift);
    QFETCH(int, outcome);
    QFETCH(int, concerns);
    Published p = publishedDraw(demo(), draw);
    changeNumbers(p.numbers, changed, p.wheels);
    const QDate day = QDate(FullYear(p.date.yearCode), p.date.month, p.date.day).addDays(dayShift);
    p.date = {quint8(day.day()), quint8(day.month()), quint8(day.year() % 100)};
    const PasteAnalysis result = AnalysePastedText(p.text(), demo());
    QCOMPARE(int(result.outcome), outcome);
    QCOMPARE(result.draw, concerns);
    QCOMPARE(result.EditDate, (std::array<qint16, 4>{0, p.date.day, p.date.month, p.date.yearCode}));
    QCOMPARE(result.EditNumbers, p.numbers);
    QCOMPARE(result.opensEntry(), outcome == int(PasteOutcome::Differs) ||
                                      outcome == int(PasteOutcome::Similar) ||
                                      outcome == int(PasteOutcome::NewDraw));
}

void TestImport::similarityBoundary_data() {
    QTest::addColumn<int>("draw");
    QTest::addColumn<int>("changed");
    QTest::addColumn<int>("outcome");
    // Draw 3000 has 50 numbers, draw 5000 has 55: 25 equal is not similar, 26 is.
    QTest::newRow("ten wheels, 26 equal") << 3000 << 24 << int(PasteOutcome::Similar);
    QTest::newRow("ten wheels, 25 equal") << 3000 << 25 << int(PasteOutcome::NotFound);
    QTest::newRow("eleven wheels, 26 equal") << 5000 << 29 << int(PasteOutcome::Similar);
    QTest::newRow("eleven wheels, 25 equal") << 5000 << 30 << int(PasteOutcome::NotFound);
}

void TestImport::similarityBoundary() {
    QFETCH(int, draw);
    QFETCH(int, changed);
    QFETCH(int, outcome);
    Published p = publishedDraw(demo(), draw);
    changeNumbers(p.numbers, changed, p.wheels);
    p.date.day = quint8(p.date.day + 1); // between this draw and the next
    const PasteAnalysis result = AnalysePastedText(p.text(), demo());
    QCOMPARE(int(result.outcome), outcome);
}

void TestImport::messages() {
    auto analyse = [](int draw, int changed, int dayShift) {
        Published p = publishedDraw(demo(), draw);
        changeNumbers(p.numbers, changed, p.wheels);
        p.date.day = quint8(p.date.day + dayShift);
        return AnalysePastedText(p.text(), demo());
    };
    const QString date = FormatDrawDate(demo(), 5000);
    PasteAnalysis r = analyse(5000, 0, 0);
    QCOMPARE(PasteMessage(r, demo()),
             (MessageRequest{u"L'estrazione del "_s + date + u" corrisponde a quella trovata nel database."_s,
                             u"VERIFICATO"_s, MsgButtons::Ok, MsgIcon::None}));
    r = analyse(5000, 3, 0);
    QCOMPARE(PasteMessage(r, demo()),
             (MessageRequest{u"L'estrazione del "_s + date +
                                 u" non corrisponde a quella trovata nel database.\r\rCORREZIONE?"_s,
                             u"ATTENZIONE"_s, MsgButtons::OkCancel, MsgIcon::Warning}));
    r = analyse(5000, 0, 1);
    QVERIFY(r.onlyDateDiffers);
    QCOMPARE(PasteMessage(r, demo()),
             (MessageRequest{u"I dati corrispondono all'estrazione del "_s + date +
                                 u", ma la data \u00e8 diversa.\r\rCORREZIONE?"_s,
                             u"ATTENZIONE"_s, MsgButtons::OkCancel, MsgIcon::Warning}));
    r = analyse(5000, 10, 1);
    QVERIFY(!r.onlyDateDiffers);
    QCOMPARE(PasteMessage(r, demo()),
             (MessageRequest{u"I dati sono simili all'estrazione del "_s + date +
                                 u", e anche la data \u00e8 diversa.\r\rCORREZIONE?"_s,
                             u"ATTENZIONE"_s, MsgButtons::OkCancel, MsgIcon::Warning}));
    r = analyse(5000, 55, 1);
    QCOMPARE(PasteMessage(r, demo()),
             (MessageRequest{u"Impossibile rintracciare un'estrazione corrispondente nell'archivio!"_s,
                             u"Vorel"_s, MsgButtons::Ok, MsgIcon::Error}));
    r = AnalysePastedText(QString(), demo());
    QCOMPARE(PasteMessage(r, demo()),
             (MessageRequest{u"Impossibile rilevare i dati!"_s, u"Vorel"_s, MsgButtons::Ok, MsgIcon::Error}));
    r = analyse(7022, 0, 3);
    QCOMPARE(r.outcome, PasteOutcome::NewDraw);
    QVERIFY(!PasteMessage(r, demo()));
}

void TestImport::nationalWheelJoin() {
    // "Ruota Nazionale" alone is joined with its numbers: one wheel line, and the text shows it.
    Published p = publishedDraw(demo(), 5000);
    PasteAnalysis r = AnalysePastedText(p.text(), demo());
    QCOMPARE(r.outcome, PasteOutcome::Verified);
    QVERIFY(r.text.contains(u"Ruota Nazionale\r"_s + p.numbersOf(11) + u"\r\n"_s));

    // "Nazionale" alone is not joined: the national wheel stays empty and the draw differs.
    p.nationalName = u"Nazionale"_s;
    r = AnalysePastedText(p.text(), demo());
    QCOMPARE(r.outcome, PasteOutcome::Differs);
    QCOMPARE(r.EditNumbers[11], (std::array<qint16, 6>{}));

    // A word holding "RN" joins its line with the next: a date line stays a date line.
    Published q = publishedDraw(demo(), 3000);
    const QString text = u"Il giorno\r\n"_s + q.text().section(u"\r\n"_s, 1);
    r = AnalysePastedText(text, demo());
    QVERIFY(r.text.startsWith(u"Il giorno\r"_s + WeekdayWords.at(q.weekday)));
    QCOMPARE(r.outcome, PasteOutcome::Verified);

    // The national wheel's numbers on the same line: nothing is joined.
    p.nationalName = u"Ruota Nazionale "_s + p.numbersOf(11);
    QString sameLine = p.text();
    sameLine.replace(u"\r\n"_s + p.numbersOf(11) + u"\r\n"_s, u"\r\n"_s);
    r = AnalysePastedText(sameLine, demo());
    QCOMPARE(r.EditNumbers[11][1], p.numbers[11][1]);
}

void TestImport::unreadableTexts_data() {
    QTest::addColumn<QString>("text");
    const QString good = publishedDraw(demo(), 5000).text();
    const QStringList lines = good.split(u"\r\n"_s);
    QTest::newRow("empty") << QString();
    QTest::newRow("the instruction alone") << u"Incolla l'estrazione nello spazio sottostante.\r\n\r\n"_s;
    QTest::newRow("no date") << QStringList(lines.mid(2)).join(u"\r\n"_s);
    QTest::newRow("two dates") << lines.at(1) + u"\r\n"_s + good;
    QTest::newRow("two weekday lines") << u"Sabato\r\nDomenica\r\n"_s + good;
    QTest::newRow("a wheel twice")
        << QStringList(lines.mid(0, 2) + QStringList{u"Bari 1 2 3 4 5"_s} + lines.mid(2)).join(u"\r\n"_s);
    QTest::newRow("nine wheels") << QStringList(lines.mid(0, 2) + lines.mid(3))
                                        .join(u"\r\n"_s)
                                        .remove(lines.at(12) + u"\r\n"_s + lines.at(13));
    QTest::newRow("a twelfth wheel line")
        << QStringList(lines.mid(2)).join(u"\r\n"_s) + u"\r\nBari 1 2 3 4 5"_s;
}

void TestImport::unreadableTexts() {
    QFETCH(QString, text);
    const PasteAnalysis result = AnalysePastedText(text, demo());
    QCOMPARE(result.outcome, PasteOutcome::Unreadable);
    QVERIFY(!result.opensEntry());
}

void TestImport::newDrawWeekday() {
    Published p = publishedDraw(demo(), 7022);
    p.date = {12, 12, 26};
    p.weekday = 2; // the text names Tuesday (12 December 2026 is a Saturday)
    PasteAnalysis r = AnalysePastedText(p.text(), demo());
    QCOMPARE(r.outcome, PasteOutcome::NewDraw);
    QCOMPARE(r.newDrawWeekday, 6); // the date line's own weekday word is not taken

    const QString withWeekdayLine = u"Marted\u00ec\r\n"_s + p.text();
    r = AnalysePastedText(withWeekdayLine, demo());
    QCOMPARE(r.namedWeekday, 2);
    QCOMPARE(r.newDrawWeekday, 2);

    // Ten wheels and a date, read before the national wheel: reading stops at the date.
    p.date = {1, 1, 95};
    r = AnalysePastedText(p.text(), Archive());
    QCOMPARE(r.outcome, PasteOutcome::NewDraw);
    QCOMPARE(r.newDrawWeekday, QDate(1995, 1, 1).dayOfWeek()); // the calendar, in every year
}

// Once the new draw is in the archive, the same text is verified.
void TestImport::pastingTwice() {
    Archive archive = MakeDemoArchive(QDate(2026, 12, 1));
    const int count = archive.DrawCount();
    const QString text = publishedDraw(demo(), count + 1).text();
    QCOMPARE(AnalysePastedText(text, archive).outcome, PasteOutcome::NewDraw);
    QCOMPARE(AnalysePastedText(text, demo()).outcome, PasteOutcome::Verified);
}

// Random and adversarial text: always an outcome, never a crash.
void TestImport::randomTextNeverCrashes() {
    QRandomGenerator random(7022);
    const QString alphabet = u"0123456789 \t\r\n/.-BARINZOMAVEDLUNSTGCRP\u00ec\u00a0\u0000x"_s;
    for (int round = 0; round < 400; ++round) {
        QString text;
        const int length = random.bounded(0, 600);
        for (int i = 0; i < length; ++i)
            text += alphabet.at(random.bounded(alphabet.size()));
        const PasteAnalysis result = AnalysePastedText(text, demo());
        // A draw named by the outcome is one of the archive's, so that its box can name its date.
        const bool namesADraw = result.outcome == PasteOutcome::Verified ||
                                result.outcome == PasteOutcome::Differs ||
                                result.outcome == PasteOutcome::Similar;
        QCOMPARE(demo().isValidDraw(result.draw), namesADraw);
    }
    QString noise;
    for (int i = 0; i < 1 << 20; ++i)
        noise += QChar(char16_t(random.bounded(1, 0xD7FF)));
    QCOMPARE(AnalysePastedText(noise, demo()).outcome, PasteOutcome::Unreadable);
    const QString lines = QString(u"1 2 3 4 5 6 7 8 9 10 11 12\n"_s).repeated(40000);
    QCOMPARE(AnalysePastedText(lines, demo()).outcome, PasteOutcome::Unreadable);
}

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
