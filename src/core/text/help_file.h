// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The help file: UTF-8 text made of topics. A topic starts with a line "== Title"; the lines
// "K: keyword" right after it list its keywords; the rest, up to the next topic, is its body.
// In the body a blank line separates paragraphs and a line starting with "- " is a list item.
// Lines starting with "#" outside a body are comments.
struct HelpTopic {
    QString title;
    QStringList keywords;
    QStringList body;
};

struct HelpFile {
    std::vector<HelpTopic> topics;
};

HelpFile ParseHelpFile(const QString& text);

// The partial-key lookup: topics with a keyword equal to `key` (letter case ignored), or, when
// none has it, topics with a keyword that starts with `key`. One topic is shown as itself,
// several as the list of those topics, none as the index of all keywords.
struct HelpLookup {
    enum Kind { Topic, List, Index } kind = Index;
    std::vector<int> topics; // indices into HelpFile::topics
};
HelpLookup LookUpHelp(const HelpFile& help, const QString& key);

// HTML pages of the help window. Links are "topic:N".
QString HelpTopicHtml(const HelpFile& help, int topic);
QString HelpListHtml(const HelpFile& help, const std::vector<int>& topics, const QString& key);
QString HelpIndexHtml(const HelpFile& help);

// The places the help names differ between systems: the file writes them as {CARTELLA_DATI},
// {IMPOSTAZIONI} and {AGGIORNAMENTO_SERALE}, which are filled in for the system the program runs on.
enum class HelpSystem { Linux, Windows };
QString FillHelpPlaces(QString text, HelpSystem system);

// Reads and parses the help file at `path`, its places filled in for this system. On failure `error` holds an Italian description
// for the user and the help is empty.
struct HelpFileRead {
    HelpFile help;
    QString error;
};
HelpFileRead ReadHelpFile(const QString& path);

// The help file: beside the program, or where an install put it (share/vorel beside bin). When
// neither is there, the one beside the program, so that a failure names where it was looked for.
QString HelpFilePath(const QString& programFolder);
