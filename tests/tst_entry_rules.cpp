// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/draw_rules.h"
#include "editor/entry_text.h"
#include "grid/panel_text.h"
#include "text/messages.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

WheelNumbers wheelsOf(std::initializer_list<std::pair<int, std::array<qint16, 6>>> wheels) {
    WheelNumbers numbers{};
    for (int w = 1; w <= 11; ++w)
        numbers[std::size_t(w)] = {
            0, qint16(w), qint16(w + 11), qint16(w + 22), qint16(w + 33), qint16(w + 44)};
    for (const auto& [w, values] : wheels)
        numbers[std::size_t(w)] = values;
    return numbers;
}

} // namespace

class TestEntryRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fieldValues_data();
    void fieldValues();
    void rules_data();
    void rules();
    void labels();
    void keys();
    void twoCharacters();
    void userEdits_data();
    void userEdits();
    void panelLines();
    void boxes();
};

void TestEntryRules::fieldValues_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("empty") << u""_s << 0;
    QTest::newRow("a blank") << u" "_s << 0;
    QTest::newRow("leading zero") << u"07"_s << 7;
    QTest::newRow("digit before a blank") << u"5 "_s << 5;
    QTest::newRow("digit after a blank") << u" 5"_s << 5;
    QTest::newRow("a pasted year") << u"1899"_s << 1899;
    QTest::newRow("stops at other signs") << u"12a3"_s << 12;
    QTest::newRow("never overflows") << QString(40, u'9') << 32767;
}

void TestEntryRules::fieldValues() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(FieldValue(text), value);
}

void TestEntryRules::rules_data() {
    QTest::addColumn<int>("stored");      // draws in the archive; the last three dated 10, 20, 30-01-2001
    QTest::addColumn<int>("offset");      // the draw checked: 1 a new one, 0 the last, -1, -2
    QTest::addColumn<QList<int>>("date"); // day, month, year code
    QTest::addColumn<int>("weekday");     // -1: the date's, from the calendar
    QTest::addColumn<int>("wheel");       // a wheel given `numbers`; the others are sound
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("broken");
    const QList<int> none;
    QTest::newRow("a sound new draw") << 3 << 1 << QList{31, 1, 1} << -1 << 0 << none << u""_s;
    QTest::newRow("a missing number")
        << 3 << 1 << QList{31, 1, 1} << -1 << 2 << QList{0, 0, 1, 2, 3} << u"zeros 2"_s;
    QTest::newRow("equal zeros are no duplicates")
        << 3 << 1 << QList{31, 1, 1} << -1 << 4 << QList{0, 0, 0, 7, 8} << u"zeros 4"_s;
    QTest::newRow("a number twice") << 3 << 1 << QList{31, 1, 1} << -1 << 3 << QList{5, 17, 5, 40, 62}
                                    << u"twice 3"_s;
    QTest::newRow("above 90") << 3 << 1 << QList{31, 1, 1} << -1 << 8 << QList{1, 2, 3, 4, 91}
                              << u"above90 8"_s;
    QTest::newRow("no national wheel before its first draw")
        << FirstNationalDraw - 2 << 1 << QList{31, 1, 1} << -1 << 11 << QList{0, 0, 0, 0, 0} << u""_s;
    QTest::newRow("the national wheel from its first draw")
        << FirstNationalDraw - 1 << 1 << QList{31, 1, 1} << -1 << 11 << QList{0, 0, 0, 0, 0} << u"zeros 11"_s;
    QTest::newRow("31-04") << 3 << 1 << QList{31, 4, 1} << 1 << 0 << none << u"baddate"_s;
    QTest::newRow("29-02 of a leap year") << 3 << 1 << QList{29, 2, 4} << -1 << 0 << none << u""_s;
    QTest::newRow("29-02 of another") << 3 << 1 << QList{29, 2, 5} << 1 << 0 << none << u"baddate"_s;
    QTest::newRow("month 13") << 3 << 1 << QList{1, 13, 5} << 1 << 0 << none << u"baddate"_s;
    QTest::newRow("year code 100") << 3 << 1 << QList{1, 1, 100} << 1 << 0 << none << u"baddate"_s;
    QTest::newRow("tomorrow") << 3 << 1 << QList{8, 12, 26} << -1 << 0 << none << u""_s;
    QTest::newRow("the day after") << 3 << 1 << QList{9, 12, 26} << -1 << 0 << none << u"future"_s;
    QTest::newRow("a year typed one too high")
        << 3 << 1 << QList{18, 8, 27} << -1 << 0 << none << u"future"_s;
    QTest::newRow("new, the last's date") << 3 << 1 << QList{30, 1, 1} << -1 << 0 << none << u"order"_s;
    QTest::newRow("new, before the last") << 3 << 1 << QList{25, 1, 1} << -1 << 0 << none << u"order"_s;
    QTest::newRow("the middle one, between") << 3 << -1 << QList{11, 1, 1} << -1 << 0 << none << u""_s;
    QTest::newRow("the middle one, at the next's date")
        << 3 << -1 << QList{30, 1, 1} << -1 << 0 << none << u"order"_s;
    QTest::newRow("the first, after the second")
        << 3 << -2 << QList{21, 1, 1} << -1 << 0 << none << u"order"_s;
    QTest::newRow("the last, after the one before") << 3 << 0 << QList{21, 1, 1} << -1 << 0 << none << u""_s;
    QTest::newRow("no weekday") << 3 << 1 << QList{31, 1, 1} << 0 << 0 << none << u"noweekday"_s;
    QTest::newRow("a weekday of 1960 checked too")
        << 3 << -2 << QList{28, 5, 60} << 7 << 0 << none << u"weekday 6"_s;
    QTest::newRow("the right one of 1960") << 3 << -2 << QList{28, 5, 60} << -1 << 0 << none << u""_s;
    QTest::newRow("a new archive's first draw") << 0 << 1 << QList{4, 1, 47} << -1 << 0 << none << u""_s;
    QTest::newRow("a new archive from another draw")
        << 0 << 1 << QList{18, 8, 26} << -1 << 0 << none << u"first"_s;
    QTest::newRow("each rule told, in order") << 3 << 1 << QList{30, 1, 1} << 1 << 5 << QList{0, 9, 9, 1, 2}
                                              << u"zeros 5, twice 5, order, weekday 2"_s;
}

void TestEntryRules::rules() {
    QFETCH(int, stored);
    QFETCH(int, offset);
    QFETCH(QList<int>, date);
    QFETCH(int, weekday);
    QFETCH(int, wheel);
    QFETCH(QList<int>, numbers);
    QFETCH(QString, broken);
    Archive archive(stored);
    for (int d = std::max(stored - 2, 1); d <= stored; ++d)
        archive.setDrawDate(d, {quint8(10 * (d - stored + 3)), 1, 1});
    EditBuffer edit;
    edit.EditNumbers = wheelsOf({});
    for (int p = 0; p < numbers.size(); ++p)
        edit.EditNumbers[std::size_t(wheel)][std::size_t(p + 1)] = qint16(numbers[p]);
    edit.EditDate = {0, qint16(date[0]), qint16(date[1]), qint16(date[2])};
    const QDate calendar(date[2] < 47 ? 2000 + date[2] : 1900 + date[2], date[1], date[0]);
    edit.CurrentWeekday = qint16(weekday >= 0 ? weekday : calendar.dayOfWeek());
    QStringList told;
    for (const RuleBreak& rule : BrokenRules(archive, stored + offset, edit, QDate(2026, 12, 7))) {
        static const char* const names[] = {"zeros", "twice", "above90",   "baddate", "future",
                                            "first", "order", "noweekday", "weekday"};
        const int detail = rule.kind == RuleBreak::WrongWeekday ? rule.other : rule.wheel;
        told << QString::fromLatin1(names[rule.kind]) + (detail ? u' ' + QString::number(detail) : QString());
        QCOMPARE(StopsTheDraw(rule), rule.kind != RuleBreak::ZerosOnWheel);
    }
    QCOMPARE(told.join(u", "), broken);
}

void TestEntryRules::labels() {
    const std::array<qint16, 6> numbers{0, 5, 12, 34, 56, 78};
    QCOMPARE(WheelLabelText(1, numbers), u"BA  5 12 34 56 78"_s);
    QCOMPARE(WheelLabelText(1, numbers).size(), 17);
    QCOMPARE(WheelLabelText(11, {0, 7, 0, 7, 90, 5}), u"RN  7  0  7 90  5"_s);
    QCOMPARE(NewDrawLabelText(8), u"RO  0  0  0  0  0"_s);
    QCOMPARE(NumberFieldText(0), QString());
    QCOMPARE(NumberFieldText(7), u"7"_s);
    QCOMPARE(DrawNumberText(3475), u" 3475"_s);
}

void TestEntryRules::keys() {
    QCOMPARE(FieldKeyOf(13), FieldKey::Enter);
    for (char16_t c : {u'0', u'5', u'9', char16_t(8), char16_t(127)})
        QCOMPARE(FieldKeyOf(c), FieldKey::Typed);
    for (char16_t c : {u'a', u'Z', u' ', u'-', u'+', u'.', char16_t(22), char16_t(27), u'\u0661'})
        QCOMPARE(FieldKeyOf(c), FieldKey::Swallowed);
}

void TestEntryRules::twoCharacters() {
    QVERIFY(!ExceedsTwoCharacters(u"12"_s));
    QVERIFY(ExceedsTwoCharacters(u"123"_s));
    QVERIFY(!ExceedsTwoCharacters(u"12 "_s)); // typed before the blank of a new draw's field
    QVERIFY(ExceedsTwoCharacters(u" 12"_s));  // typed after it
    QCOMPARE(WithoutTrailingBlanks(u" 1  "_s), u" 1"_s);
}

void TestEntryRules::userEdits_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("stands");
    QTest::newRow("a digit typed") << u"1"_s << u"12"_s << true;
    QTest::newRow("a third digit") << u"12"_s << u"123"_s << false;
    QTest::newRow("pasted letters") << u""_s << u"7x9abc"_s << false;
    QTest::newRow("a pasted blank") << u"1"_s << u"1 "_s << false;
    QTest::newRow("two pasted digits") << u""_s << u"79"_s << true;
    QTest::newRow("digits over a selection") << u"1899"_s << u"5"_s << true;
    QTest::newRow("a digit over one of four") << u"1899"_s << u"1599"_s << false;
    QTest::newRow("Backspace on a long value") << u"1899"_s << u"189"_s << true;
    QTest::newRow("Delete at the start") << u"1899"_s << u"899"_s << true;
    QTest::newRow("an Arabic-Indic digit") << u""_s << u"\u0661"_s << false;
    QTest::newRow("before a new draw's blank") << u"1 "_s << u"12 "_s << true;
    QTest::newRow("after a new draw's blank") << u" 1"_s << u" 12"_s << false;
}

void TestEntryRules::userEdits() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(bool, stands);
    QCOMPARE(FieldEditStands(before, after), stands);
}

void TestEntryRules::panelLines() {
    const std::array<qint16, 6> stored{0, 47, 3, 88, 12, 61};
    const std::array<qint16, 6> pasted{0, 47, 3, 88, 13, 61};
    QCOMPARE(PanelWheelLine(stored, pasted, false), (std::vector<PanelPiece>{{u" 47  3 88 12 61"_s, false}}));
    QCOMPARE(PanelWheelLine(stored, pasted, true),
             (std::vector<PanelPiece>{{u" 47  3 88 "_s, false}, {u"12"_s, true}, {u" 61"_s, false}}));
    QCOMPARE(PanelWheelLine(stored, stored, true), (std::vector<PanelPiece>{{u" 47  3 88 12 61"_s, false}}));
    QCOMPARE(PanelWheelLine({0, 9, 0, 0, 0, 0}, {0, 8, 0, 0, 0, 0}, true),
             (std::vector<PanelPiece>{{u"  "_s, false}, {u"9"_s, true}, {u"  0  0  0  0"_s, false}}));
    QCOMPARE(PanelTitle(false), u"Estraz. precedente"_s);
    QCOMPARE(PanelTitle(true), u"Estr. nel database"_s);
    QCOMPARE(PanelDateLine(u"Sab"_s, u"05-03-05"_s), u"  Sab 05-03-05"_s);
}

void TestEntryRules::boxes() {
    QCOMPARE(Messages::zerosOnWheel(u"BA"_s),
             (MessageRequest{u"Ci sono degli 0 sulla ruota di BA."_s, u"ATTENZIONE"_s, MsgButtons::OkCancel,
                             MsgIcon::Warning, true}));
    QCOMPARE(Messages::duplicatesOnWheel(u"FI"_s),
             (MessageRequest{u"Ci sono i doppi numeri sulla ruota di FI."_s, u"ERRORE"_s, MsgButtons::Ok,
                             MsgIcon::Error}));
    QCOMPARE(Messages::above90OnWheel(u"RO"_s),
             (MessageRequest{u"Numeri maggiori di 90 sulla ruota di RO."_s, u"ERRORE"_s, MsgButtons::Ok,
                             MsgIcon::Error}));
    QCOMPARE(Messages::badDate(),
             (MessageRequest{u"La data \u00e8 errata."_s, u"ERRORE"_s, MsgButtons::Ok, MsgIcon::Error}));
    QCOMPARE(Messages::noWeekday(), (MessageRequest{u"Occorre specificare il giorno"_s, u"Error"_s,
                                                    MsgButtons::OkCancel, MsgIcon::Question}));
    const QString named = u"Estrazione 6938 di martedì 18-08-2026"_s;
    QCOMPARE(Messages::confirmNewDraw(named),
             (MessageRequest{u"Salvare i dati aggiornati?\r"_s + named, u"Salvataggio dati"_s,
                             MsgButtons::OkCancel, MsgIcon::Question}));
    QCOMPARE(Messages::confirmCorrection(named),
             (MessageRequest{u"Salvare i dati corretti?\r"_s + named, u"Salvataggio dati"_s,
                             MsgButtons::OkCancel, MsgIcon::Question}));
    QCOMPARE(Messages::deleteLastQuestion(named),
             (MessageRequest{u"Eliminare l'ultima estrazione dall'archivio?\r"_s + named,
                             u"Elimina estrazione"_s, MsgButtons::YesNo, MsgIcon::Question}));
    QCOMPARE(Messages::deleteOnlyTheLast(named),
             (MessageRequest{u"Si può eliminare soltanto l'ultima estrazione (Estrazione 6938 di martedì "
                             u"18-08-2026): le altre si correggono. Per eliminarla, portarla in cima alla "
                             u"griglia con Ctrl+Fine e premere Canc."_s,
                             u"Elimina estrazione"_s, MsgButtons::Ok, MsgIcon::Information}));
    QCOMPARE(Messages::futureDate(u"09-12-26"_s),
             (MessageRequest{u"La data 09-12-26 è successiva a domani: si registrano solo le estrazioni "
                             u"già avvenute."_s,
                             u"ERRORE"_s, MsgButtons::Ok, MsgIcon::Error}));
    QCOMPARE(Messages::newArchiveStartsWithTheFirstDraw(),
             (MessageRequest{u"Un archivio nuovo inizia dalla prima estrazione, del 04-01-1947.\rPer avere "
                             u"tutte le estrazioni, trascinare il file ufficiale dei risultati sul menu "
                             u"principale, aprirlo con Vorel, oppure scaricarlo con F5."_s,
                             u"ERRORE"_s, MsgButtons::Ok, MsgIcon::Error}));
}

QTEST_GUILESS_MAIN(TestEntryRules)
#include "tst_entry_rules.moc"
