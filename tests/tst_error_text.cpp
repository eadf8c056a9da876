// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/error_text.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestErrorText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void messageText_data();
    void messageText();
    void everyListedSlotHasItsText();
};

void TestErrorText::messageText_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("53") << 53 << u"File non trovato"_s;
    QTest::newRow("76, last slot") << 76 << u"Percorso non trovato"_s;
    QTest::newRow("24, first slot") << 24 << u"Timeout di periferica"_s;
    QTest::newRow("54 with the ellipsis") << 54 << u"Modalit\u2026 di accesso al file errata"_s;
    QTest::newRow("55 accented") << 55 << u"File gi\u00e0 aperto"_s;
    QTest::newRow("empty slot 26") << 26 << u"Errore di sistema 26"_s;
    QTest::newRow("empty slot 69") << 69 << u"Errore di sistema 69"_s;
    QTest::newRow("below the table") << 13 << u"Errore di sistema 13"_s;
    QTest::newRow("23") << 23 << u"Errore di sistema 23"_s;
    QTest::newRow("77") << 77 << u"Errore di sistema 77"_s;
    QTest::newRow("zero") << 0 << u"Errore di sistema 0"_s;
    QTest::newRow("negative") << -5 << u"Errore di sistema-5"_s;
}

void TestErrorText::messageText() {
    QFETCH(int, number);
    QFETCH(QString, text);
    QCOMPARE(ErrorMessageText(FileError(number)), text);
}

void TestErrorText::everyListedSlotHasItsText() {
    const QList<int> listed = {24, 25, 27, 52, 53, 54, 55, 57, 58, 61, 62,
                               63, 64, 67, 68, 70, 71, 72, 73, 74, 75, 76};
    for (int n = 20; n <= 80; ++n)
        QCOMPARE(ErrorText(n).isEmpty(), !listed.contains(n));
    QCOMPARE(ErrorText(61), u"Disco pieno"_s);
    QCOMPARE(ErrorText(63), u"Numero del record errato"_s);
    QCOMPARE(ErrorText(70), u"Permesso negato"_s);
    QCOMPARE(ErrorText(75), u"Errore di accesso al percorso/file"_s);
}

QTEST_GUILESS_MAIN(TestErrorText)
#include "tst_error_text.moc"
