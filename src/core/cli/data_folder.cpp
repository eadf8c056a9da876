#include "cli/data_folder.h"

#include "archive/data_file_layout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString folderPath(const QString& folder) {
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    return path.endsWith(u'/') ? path : path + u'/';
}

} // namespace

DataFolder ChooseDataFolder(const QString& dataOption, const QString& programFolder,
                            const QString& userFolder) {
    if (!dataOption.isEmpty())
        return {folderPath(dataOption), true};
    if (HoldsArchiveFiles(programFolder))
        return {folderPath(programFolder), true};
    return {folderPath(userFolder), HoldsArchiveFiles(userFolder)};
}

QString UserDataFolder() {
    if (QCoreApplication::applicationName().isEmpty())
        QCoreApplication::setApplicationName(QStringLiteral("Vorel"));
    return folderPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

bool HoldsArchiveFiles(const QString& folder) {
    const QStringList names = {DataFileName::SmDates,
                               DataFileName::SmNumbers,
                               DataFileName::Weekdays,
                               DataFileName::National,
                               DataFileName::dates(QStringLiteral("s")),
                               DataFileName::numbers(QStringLiteral("s")),
                               DataFileName::dates(QStringLiteral("m")),
                               DataFileName::numbers(QStringLiteral("m"))};
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries)
        for (const QString& name : names)
            if (entry.compare(name, Qt::CaseInsensitive) == 0)
                return true;
    return false;
}

QString HelpFilePath(const QString& programFolder) {
    const QString beside = programFolder + QStringLiteral("Help/vorel.hlp");
    const QString installed =
        QDir::cleanPath(programFolder + QStringLiteral("../share/vorel/Help/vorel.hlp"));
    return !QFileInfo::exists(beside) && QFileInfo::exists(installed) ? installed : beside;
}
