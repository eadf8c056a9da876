// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/help_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Sample = u"# a comment\n"
                       "== Main menu\r\n"
                       "K: Iniziale\n"
                       "K: Menu\n"
                       "First paragraph,\n"
                       "still the first.\n"
                       "\n"
                       "- an item\n"
                       "- <another>\n"
                       "== Typing\n"
                       "K: Aggiorna\n"
                       "Body.\n"
                       "== Automatic update\n"
                       "K: Aggiornamento automatico\n"
                       "K: Menu automatico\n"
                       "Paste.\n"_s;

// The shipped help file beside the sources.
QString shippedHelp() {
    return QStringLiteral(VOREL_SOURCE_DIR "/Help/vorel.hlp");
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse();
    void lookUp_data();
    void lookUp();
    void pages();
    void readFailures();
    void placesOfEachSystem_data();
    void placesOfEachSystem();
    void shippedFileHasATopicPerScreen_data();
    void shippedFileHasATopicPerScreen();
};

void TestHelp::parse() {
    const HelpFile help = ParseHelpFile(Sample);
    QCOMPARE(help.topics.size(), std::size_t(3));
    QCOMPARE(help.topics[0].title, u"Main menu"_s);
    QCOMPARE(help.topics[0].keywords, (QStringList{u"Iniziale"_s, u"Menu"_s}));
    QCOMPARE(help.topics[0].body.first(), u"First paragraph,"_s);
    QCOMPARE(help.topics[2].keywords.size(), 2);
    QVERIFY(ParseHelpFile(u"no topics at all\n"_s).topics.empty());
}

void TestHelp::lookUp_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("topics");
    QTest::newRow("one topic") << u"Iniziale"_s << int(HelpLookup::Topic) << QList<int>{0};
    QTest::newRow("letter case ignored") << u"iniziale"_s << int(HelpLookup::Topic) << QList<int>{0};
    QTest::newRow("exact keyword beats a longer one")
        << u"Aggiorna"_s << int(HelpLookup::Topic) << QList<int>{1};
    QTest::newRow("partial key, one topic") << u"Aggiornamento"_s << int(HelpLookup::Topic) << QList<int>{2};
    QTest::newRow("partial key, several topics") << u"Men"_s << int(HelpLookup::List) << QList<int>{0, 2};
    QTest::newRow("nothing: the index") << u"Visualizza"_s << int(HelpLookup::Index) << QList<int>{};
    QTest::newRow("empty key: the index") << u""_s << int(HelpLookup::Index) << QList<int>{};
}

void TestHelp::lookUp() {
    QFETCH(QString, key);
    QFETCH(int, kind);
    QFETCH(QList<int>, topics);
    const HelpLookup found = LookUpHelp(ParseHelpFile(Sample), key);
    QCOMPARE(int(found.kind), kind);
    QCOMPARE(QList<int>(found.topics.begin(), found.topics.end()), topics);
}

void TestHelp::pages() {
    const HelpFile help = ParseHelpFile(Sample);
    const QString topic = HelpTopicHtml(help, 0);
    QVERIFY(topic.contains(u"<h2>Main menu</h2>"_s));
    QVERIFY(topic.contains(u"<p>First paragraph, still the first.</p>"_s));
    QVERIFY(topic.contains(u"<ul><li>an item</li><li>&lt;another&gt;</li></ul>"_s));
    const QString list = HelpListHtml(help, {0, 2}, u"Men"_s);
    QVERIFY(list.contains(u"<a href=\"topic:0\">Main menu</a>"_s));
    QVERIFY(list.contains(u"<a href=\"topic:2\">Automatic update</a>"_s));
    const QString index = HelpIndexHtml(help);
    QVERIFY(index.indexOf(u"Aggiorna<"_s) < index.indexOf(u"Iniziale"_s));
    QCOMPARE(index.count(u"<li>"_s), 5);
    QCOMPARE(HelpTopicHtml(help, 9), index); // no such topic
}

void TestHelp::readFailures() {
    QTemporaryDir dir;
    const QString missing = dir.filePath(u"Help/vorel.hlp"_s);
    HelpFileRead read = ReadHelpFile(missing);
    QCOMPARE(read.error,
             u"Il file della guida non \u00e8 stato trovato:\n"_s + QDir::toNativeSeparators(missing));
    QVERIFY(read.help.topics.empty());

    QVERIFY(QDir(dir.path()).mkpath(u"Help/vorel.hlp"_s)); // a folder in its place
    read = ReadHelpFile(missing);
    QVERIFY(read.error.startsWith(u"Il file della guida non si pu\u00f2 "_s));

    QFile empty(dir.filePath(u"empty.hlp"_s));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.write("\x00\xff garbage");
    empty.close();
    QCOMPARE(ReadHelpFile(empty.fileName()).error,
             u"Il file della guida non contiene argomenti:\n"_s + QDir::toNativeSeparators(empty.fileName()));
}

void TestHelp::placesOfEachSystem_data() {
    QTest::addColumn<int>("system");
    QTest::addColumn<QStringList>("named");
    QTest::addColumn<QStringList>("absent");
    const QStringList linux{u"~/.local/share/Vorel"_s, u"~/.config/Vorel/Vorel.conf"_s,
                            u"systemctl --user"_s};
    const QStringList windows{u"%APPDATA%\\Vorel"_s, u"HKEY_CURRENT_USER\\Software\\Vorel\\Vorel"_s,
                              u"attività pianificata"_s};
    QTest::newRow("Linux") << int(HelpSystem::Linux) << linux << windows;
    QTest::newRow("Windows") << int(HelpSystem::Windows) << windows << linux;
}

// The shipped help names the places of the system it is read on, and only those.
void TestHelp::placesOfEachSystem() {
    QFETCH(int, system);
    QFETCH(QStringList, named);
    QFETCH(QStringList, absent);
    QFile file(shippedHelp());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = FillHelpPlaces(QString::fromUtf8(file.readAll()), HelpSystem(system));
    for (const QString& place : named)
        QVERIFY2(text.contains(place), qPrintable(place));
    for (const QString& place : absent)
        QVERIFY2(!text.contains(place), qPrintable(place));
    QVERIFY(!text.contains(u"{CARTELLA_DATI}"_s) && !text.contains(u"{IMPOSTAZIONI}"_s) &&
            !text.contains(u"{AGGIORNAMENTO_SERALE}"_s));
}

void TestHelp::shippedFileHasATopicPerScreen_data() {
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("mentions"); // a phrase the topic must hold
    QTest::newRow("Iniziale") << u"Iniziale"_s << u"si trascina sulla finestra il file ufficiale"_s;
    QTest::newRow("Aggiorna") << u"Aggiorna"_s << u"Ctrl+Su"_s;
    QTest::newRow("Visualizza") << u"Visualizza"_s << u"Ordina"_s;
    QTest::newRow("Aggiornamento automatico") << u"Aggiornamento automatico"_s << u"come 12/11/2020"_s;
    QTest::newRow("Importazione") << u"Importazione"_s << u"si trascina il file sulla finestra"_s;
}

void TestHelp::shippedFileHasATopicPerScreen() {
    QFETCH(QString, keyword);
    QFETCH(QString, mentions);
    const HelpFileRead read = ReadHelpFile(shippedHelp());
    QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
    const HelpLookup found = LookUpHelp(read.help, keyword);
    QCOMPARE(found.kind, HelpLookup::Topic);
    QVERIFY(read.help.topics[std::size_t(found.topics.front())].body.join(u'\n').contains(mentions));
}

QTEST_GUILESS_MAIN(TestHelp)
#include "tst_help.moc"
