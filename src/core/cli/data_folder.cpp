// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/data_folder.h"

#include "archive/file_store.h"
#include "program_info.h"

#include <QCoreApplication>
#include <QDir>
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
        QCoreApplication::setApplicationName(ProgramName);
    return folderPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
