// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/draw_checks.h"
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
    void wheelChecks();
    void dateOrder_data();
    void dateOrder();
    void dates_data();
    void dates();
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

void TestEntryRules::wheelChecks() {
    const WheelNumbers clean = wheelsOf({});
    QCOMPARE(FirstWheelWithZero(clean, 11), 0);
    QCOMPARE(FirstWheelWithDuplicates(clean, 11), 0);
    QCOMPARE(FirstWheelAbove90(clean, 11), 0);

    const WheelNumbers zeros = wheelsOf({{1, {0, 5, 0, 7, 8, 9}}, {2, {0, 0, 1, 2, 3, 4}}});
    QCOMPARE(FirstWheelWithZero(zeros, 10), 1); // wheels are visited in order
    const WheelNumbers twoZeros = wheelsOf({{4, {0, 0, 0, 7, 8, 9}}});
    QCOMPARE(FirstWheelWithDuplicates(twoZeros, 11), 0); // equal zeros are no duplicates
    const WheelNumbers doubled = wheelsOf({{3, {0, 5, 17, 5, 40, 62}}});
    QCOMPARE(FirstWheelWithDuplicates(doubled, 11), 3);
    const WheelNumbers above = wheelsOf({{8, {0, 1, 2, 3, 4, 91}}});
    QCOMPARE(FirstWheelAbove90(above, 11), 8);

    // The national wheel counts only from the draws that have it.
    const WheelNumbers noNational = wheelsOf({{11, {0, 0, 0, 0, 0, 0}}});
    QCOMPARE(FirstWheelWithZero(noNational, 10), 0);
    QCOMPARE(FirstWheelWithZero(noNational, 11), 11);
}

void TestEntryRules::dateOrder_data() {
    QTest::addColumn<int>("draw"); // in an archive of draws dated 10-01-01, 20-01-01, 30-01-01
    QTest::addColumn<int>("day");  // of January 2001
    QTest::addColumn<bool>("fits");
    QTest::newRow("new, after the last") << 4 << 31 << true;
    QTest::newRow("new, the last's date") << 4 << 30 << false;
    QTest::newRow("new, before the last") << 4 << 25 << false;
    QTest::newRow("the middle one, between") << 2 << 11 << true;
    QTest::newRow("the middle one, its neighbour's date") << 2 << 30 << false;
    QTest::newRow("the middle one, after the next") << 2 << 31 << false;
    QTest::newRow("the first, before the second") << 1 << 1 << true;
    QTest::newRow("the first, after the second") << 1 << 21 << false;
    QTest::newRow("the last, after the one before") << 3 << 21 << true;
}

void TestEntryRules::dateOrder() {
    QFETCH(int, draw);
    QFETCH(int, day);
    QFETCH(bool, fits);
    Archive archive(3);
    for (int d = 1; d <= 3; ++d)
        archive.setDrawDate(d, {quint8(10 * d), 1, 1});
    QCOMPARE(FitsDateOrder(archive, draw, day, 1, 1), fits);
}

void TestEntryRules::dates_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("yearCode");
    QTest::addColumn<bool>("bad");
    QTest::newRow("31-04") << 31 << 4 << 5 << true;
    QTest::newRow("30-04") << 30 << 4 << 5 << false;
    QTest::newRow("31-11") << 31 << 11 << 5 << true;
    QTest::newRow("31-12") << 31 << 12 << 5 << false;
    QTest::newRow("29-02 in code 4") << 29 << 2 << 4 << false;
    QTest::newRow("29-02 in code 5") << 29 << 2 << 5 << true;
    QTest::newRow("29-02 in code 0") << 29 << 2 << 0 << false;
    QTest::newRow("30-02") << 30 << 2 << 4 << true;
    QTest::newRow("day 0") << 0 << 1 << 5 << true;
    QTest::newRow("month 0") << 1 << 0 << 5 << true;
    QTest::newRow("month 13") << 1 << 13 << 5 << true;
    QTest::newRow("year code 99") << 1 << 1 << 99 << false;
    QTest::newRow("year code 100") << 1 << 1 << 100 << true;
    QTest::newRow("a pasted 1899") << 1 << 1 << 1899 << true;
}

void TestEntryRules::dates() {
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, yearCode);
    QFETCH(bool, bad);
    QCOMPARE(IsBadDate(day, month, yearCode), bad);
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
                             MsgIcon::Warning}));
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
    QCOMPARE(Messages::confirmNewDraw(),
             (MessageRequest{u"Salvare i dati aggiornati?"_s, u"Salvataggio dati"_s, MsgButtons::OkCancel,
                             MsgIcon::Question}));
    QCOMPARE(Messages::confirmCorrection(),
             (MessageRequest{u"Salvare i dati corretti?"_s, u"Salvataggio dati"_s, MsgButtons::OkCancel,
                             MsgIcon::Question}));
}

QTEST_GUILESS_MAIN(TestEntryRules)
#include "tst_entry_rules.moc"
