// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/help_file.h"

#include "program_info.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <functional>
#include <map>

namespace {

const QString TopicMark = QStringLiteral("== ");
const QString KeywordMark = QStringLiteral("K:");
// A help file is a few kilobytes; anything beyond this is not read.
constexpr qint64 HelpFileMaxBytes = 4 * 1024 * 1024;

QString link(int topic, const QString& text) {
    return QStringLiteral("<a href=\"topic:%1\">%2</a>").arg(topic).arg(text.toHtmlEscaped());
}

std::vector<int> topicsWhere(const HelpFile& help, const std::function<bool(const QString&)>& matches) {
    std::vector<int> found;
    for (int i = 0; i < int(help.topics.size()); ++i) {
        const QStringList& keywords = help.topics[std::size_t(i)].keywords;
        if (std::any_of(keywords.begin(), keywords.end(), matches))
            found.push_back(i);
    }
    return found;
}

} // namespace

HelpFile ParseHelpFile(const QString& text) {
    HelpFile help;
    bool inKeywords = false;
    for (const QString& raw : text.split(u'\n')) {
        const QString line = raw.endsWith(u'\r') ? raw.chopped(1) : raw;
        if (line.startsWith(TopicMark)) {
            help.topics.push_back({line.mid(TopicMark.size()).trimmed(), {}, {}});
            inKeywords = true;
        } else if (help.topics.empty()) {
            continue; // comments and blank lines before the first topic
        } else if (inKeywords && line.startsWith(KeywordMark)) {
            help.topics.back().keywords.append(line.mid(KeywordMark.size()).trimmed());
        } else {
            inKeywords = false;
            help.topics.back().body.append(line);
        }
    }
    return help;
}

HelpLookup LookUpHelp(const HelpFile& help, const QString& key) {
    const QString wanted = key.trimmed();
    std::vector<int> found;
    if (!wanted.isEmpty()) {
        found =
            topicsWhere(help, [&](const QString& k) { return k.compare(wanted, Qt::CaseInsensitive) == 0; });
        if (found.empty())
            found = topicsWhere(help,
                                [&](const QString& k) { return k.startsWith(wanted, Qt::CaseInsensitive); });
    }
    if (found.empty())
        return {HelpLookup::Index, {}};
    return {found.size() == 1 ? HelpLookup::Topic : HelpLookup::List, found};
}

QString HelpTopicHtml(const HelpFile& help, int topic) {
    if (topic < 0 || topic >= int(help.topics.size()))
        return HelpIndexHtml(help);
    const HelpTopic& t = help.topics[std::size_t(topic)];
    QString html = QStringLiteral("<h2>") + t.title.toHtmlEscaped() + QStringLiteral("</h2>");
    QString paragraph;
    bool inList = false;
    auto closeParagraph = [&] {
        if (!paragraph.isEmpty())
            html += QStringLiteral("<p>") + paragraph + QStringLiteral("</p>");
        paragraph.clear();
    };
    auto closeList = [&] {
        if (inList)
            html += QStringLiteral("</ul>");
        inList = false;
    };
    for (const QString& line : t.body) {
        const QString text = line.trimmed();
        if (text.isEmpty()) {
            closeParagraph();
            closeList();
        } else if (text.startsWith(QStringLiteral("- "))) {
            closeParagraph();
            if (!inList)
                html += QStringLiteral("<ul>");
            inList = true;
            html += QStringLiteral("<li>") + text.mid(2).toHtmlEscaped() + QStringLiteral("</li>");
        } else {
            closeList();
            paragraph += (paragraph.isEmpty() ? QString() : QStringLiteral(" ")) + text.toHtmlEscaped();
        }
    }
    closeParagraph();
    closeList();
    return html + QStringLiteral("<p><a href=\"index:\">Indice</a></p>");
}

QString HelpListHtml(const HelpFile& help, const std::vector<int>& topics, const QString& key) {
    QString html = QStringLiteral("<h2>Argomenti trovati per \u00ab") + key.toHtmlEscaped() +
                   QStringLiteral("\u00bb</h2><ul>");
    for (int topic : topics)
        if (topic >= 0 && topic < int(help.topics.size()))
            html += QStringLiteral("<li>") + link(topic, help.topics[std::size_t(topic)].title) +
                    QStringLiteral("</li>");
    return html + QStringLiteral("</ul>");
}

QString HelpIndexHtml(const HelpFile& help) {
    std::multimap<QString, int> index; // keyword (folded) -> topic
    std::map<QString, QString> shown;
    for (int i = 0; i < int(help.topics.size()); ++i)
        for (const QString& keyword : help.topics[std::size_t(i)].keywords) {
            index.emplace(keyword.toLower(), i);
            shown.emplace(keyword.toLower(), keyword);
        }
    QString html = QStringLiteral("<h2>Indice</h2><ul>");
    for (const auto& [folded, topic] : index)
        html += QStringLiteral("<li>") + link(topic, shown[folded]) + QStringLiteral(" \u2014 ") +
                help.topics[std::size_t(topic)].title.toHtmlEscaped() + QStringLiteral("</li>");
    return html + QStringLiteral("</ul>");
}

QString FillHelpPlaces(QString text, HelpSystem system) {
    const bool windows = system == HelpSystem::Windows;
    text.replace(QStringLiteral("{CARTELLA_DATI}"),
                 windows ? QStringLiteral("%APPDATA%\\Vorel")
                         : QStringLiteral("~/.local/share/Vorel (o quella indicata da XDG_DATA_HOME)"));
    text.replace(QStringLiteral("{IMPOSTAZIONI}"),
                 windows ? QStringLiteral("nel registro, chiave HKEY_CURRENT_USER\\Software\\Vorel\\Vorel")
                         : QStringLiteral("nel file ~/.config/Vorel/Vorel.conf"));
    text.replace(QStringLiteral("{AGGIORNAMENTO_SERALE}"),
                 windows
                     ? QStringLiteral("Il programma d'installazione, se lo si sceglie, crea un'attivit\u00e0 "
                                      "pianificata che lo fa ogni sera alle 21 e all'accesso; la "
                                      "disinstallazione la toglie.")
                     : QStringLiteral("Il pacchetto Debian installa un timer di systemd, spento, che lo fa "
                                      "ogni sera alle 21 e all'accesso: si accende con \"systemctl --user "
                                      "enable --now vorel-update.timer\"."));
    return text;
}

HelpFileRead ReadHelpFile(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return {{},
                QStringLiteral("Il file della guida non \u00e8 stato trovato:\n") +
                    QDir::toNativeSeparators(path)};
    if (!file.open(QIODevice::ReadOnly))
        return {{},
                QStringLiteral("Il file della guida non si pu\u00f2 aprire:\n") +
                    QDir::toNativeSeparators(path)};
    const QByteArray bytes = file.read(HelpFileMaxBytes);
    if (file.error() != QFileDevice::NoError)
        return {{},
                QStringLiteral("Il file della guida non si pu\u00f2 leggere:\n") +
                    QDir::toNativeSeparators(path)};
#ifdef Q_OS_WIN
    constexpr HelpSystem system = HelpSystem::Windows;
#else
    constexpr HelpSystem system = HelpSystem::Linux;
#endif
    HelpFile help = ParseHelpFile(FillHelpPlaces(QString::fromUtf8(bytes), system));
    if (help.topics.empty())
        return {{},
                QStringLiteral("Il file della guida non contiene argomenti:\n") +
                    QDir::toNativeSeparators(path)};
    return {std::move(help), {}};
}

QString HelpFilePath(const QString& programFolder) {
    const QString beside = programFolder + QStringLiteral("Help/vorel.hlp");
    const QString installed =
        QDir::cleanPath(programFolder + InstalledHelpFolder + QStringLiteral("/vorel.hlp"));
    return !QFileInfo::exists(beside) && QFileInfo::exists(installed) ? installed : beside;
}
