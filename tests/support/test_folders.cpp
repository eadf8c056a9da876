// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into every test program: whether CTest or a person starts it, the per-user data, settings
// and runtime folders point into the build tree, never at the user's own, and windows are drawn
// off screen unless a platform is asked for.
#include <QByteArray>
#include <QSettings>
#include <QStandardPaths>
#include <QtGlobal>

namespace {

const bool testFoldersSet = [] {
    const QByteArray root = VOREL_TEST_FOLDERS;
    qputenv("XDG_DATA_HOME", root + "/data-home");
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_RUNTIME_DIR", root + "/runtime");
    if (qEnvironmentVariableIsEmpty("VOREL_SHARED_DATA"))
        qputenv("VOREL_SHARED_DATA", VOREL_SOURCE_DIR "/../shared/data");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings in a file of the build tree everywhere, never in the registry.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromUtf8(root + "/config"));
#ifdef Q_OS_WIN
    // Windows' own folders do not follow the XDG variables: the per-user data go to Qt's test place.
    QStandardPaths::setTestModeEnabled(true);
#endif
    return true;
}();

} // namespace
