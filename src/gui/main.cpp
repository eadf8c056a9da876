// SPDX-License-Identifier: GPL-3.0-or-later
// Vorel: keeps the archive of the Italian Lotto draws.
#include "cli/command_line.h"
#include "cli/qt_options.h"
#include "program_info.h"
#include "settings/settings_store.h"
#include "window/app_icon.h"
#include "window/frm_vorel.h"
#include "window/help_viewer.h"
#include "window/message_boxes.h"
#include "window/outside_destroy.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QStyleFactory>
#include <cstdio>

namespace {

// The program's own folder, known before any application object exists.
QString programFolder(const char* argv0) {
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    const QString path =
        self.exists() ? self.canonicalPath() : QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
    return path.endsWith(u'/') ? path : path + u'/';
}

// Qt aborts with a terse message when there is no display; say how to run it instead.
bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

int runWindow(int argc, char** argv, const CommandLineResult& command, const QString& programPath) {
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "vorel: no display found. Vorel is a desktop program: run it in a graphical session,\n"
                     "or without a screen under a virtual one, for example: xvfb-run -a vorel\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(ProgramVersion);
    if (!StyleChosen(QCoreApplication::arguments())) // a -style of the user's wins
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(AppIcon()); // the message boxes and the help carry it too
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vorel.Vorel"));

    HelpWindowViewer help;
    QtSettingsStore settings;
    QtMessageBoxes messages;
    frmVorel::Services services;
    services.messages = &messages;
    services.help = &help;
    services.settings = &settings;
    services.endProgram = [](int status) { QCoreApplication::exit(status); };
    services.dataPath = command.dataPath;
    services.archiveExpected = command.archiveExpected;
    services.programPath = programPath;
    services.fileToImport = command.fileToImport;
    frmVorel window(services);
    messages.setParent(&window); // every box opens centred on the window, one after another too
    if (!window.Form_Load())
        return 1;
    window.show();
    OutsideDestroyWatch destroyed(window, [] { QCoreApplication::exit(0); });
    app.installNativeEventFilter(&destroyed);
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    // Settings and the per-user data folder are named after the program, window or not.
    QCoreApplication::setApplicationName(ProgramName);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString programPath = programFolder(argv[0]);
    QFile in, out, err;
    in.open(stdin, QIODevice::ReadOnly);
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    const CommandLineResult command = RunCommandLine(arguments, programPath, in, out, err);
    in.close();
    out.close();
    err.close();
    if (!command.openWindow)
        return command.exitStatus;
    return runWindow(argc, argv, command, programPath);
}
