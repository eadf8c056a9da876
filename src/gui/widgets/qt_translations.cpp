// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallQtTranslations(const QString& programPath) {
    auto* translator = new QTranslator(QCoreApplication::instance()); // lives as long as the application
    for (const QString& folder :
         {programPath + QStringLiteral("translations"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)})
        if (translator->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                             folder))
            return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}
