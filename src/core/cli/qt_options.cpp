// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/qt_options.h"

namespace {

// Qt's options, taken with one or two leading dashes, the valued ones also as "-name=value".
const QStringList ValuedOptions{QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
                                QStringLiteral("platformtheme"), QStringLiteral("plugin"),
                                QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
                                QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
                                QStringLiteral("session"),       QStringLiteral("style"),
                                QStringLiteral("stylesheet"),    QStringLiteral("display"),
                                QStringLiteral("geometry"),      QStringLiteral("title"),
                                QStringLiteral("name"),          QStringLiteral("icon")};
const QStringList FlagOptions{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                              QStringLiteral("nograb"), QStringLiteral("dograb"), QStringLiteral("sync")};

// The option's name without dashes and value, or nothing when `argument` is not an option.
QString optionName(const QString& argument) {
    if (!argument.startsWith(u'-') || argument == QStringLiteral("-") || argument == QStringLiteral("--"))
        return {};
    QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
    return name.left(name.indexOf(u'='));
}

} // namespace

QStringList WithoutQtOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const QString name = i == 0 ? QString() : optionName(argument);
        if (FlagOptions.contains(name))
            continue;
        if (ValuedOptions.contains(name)) {
            if (!argument.contains(u'='))
                ++i; // its value follows
            continue;
        }
        kept.append(argument);
    }
    return kept;
}

bool QtOptionGiven(const QStringList& arguments, const QString& name) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (optionName(arguments.at(i)) == name)
            return true;
    }
    return false;
}

QStringList QtOptionsSpelledForQt(const QStringList& arguments) {
    QStringList spelled;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const QString name = i == 0 ? QString() : optionName(argument);
        if (ValuedOptions.contains(name) && argument.contains(u'='))
            spelled << u'-' + name << argument.mid(argument.indexOf(u'=') + 1);
        else
            spelled << argument;
    }
    return spelled;
}
