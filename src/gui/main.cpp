// SPDX-License-Identifier: GPL-3.0-or-later
// Vorel: keeps the archive of the Italian Lotto draws.
#include "app/main_window.h"
#include "cli/command_line.h"
#include "cli/qt_options.h"
#include "console.h"
#include "program_info.h"
#include "settings/settings_store.h"
#include "startup.h"
#include "widgets/app_icon.h"
#include "widgets/help_viewer.h"
#include "widgets/message_boxes.h"
#include "widgets/outside_destroy.h"
#include "widgets/qt_translations.h"

#include <QApplication>
#include <QFile>
#include <QNetworkProxyFactory>
#include <QStyleFactory>
#include <cstdio>
#include <vector>

namespace {

int runWindow(const QStringList& arguments, const CommandLineResult& command, const QString& programPath) {
    if (!DisplayAvailable(arguments)) {
        std::fprintf(stderr,
                     "vorel: no display found. Vorel is a desktop program: run it in a graphical session,\n"
                     "or without a screen under a virtual one, for example: xvfb-run -a vorel\n");
        return 1;
    }
    // Qt keeps its arguments for the whole run: they live as long as the application.
    std::vector<QByteArray> spelled;
    for (const QString& argument : QtOptionsSpelledForQt(arguments))
        spelled.push_back(argument.toLocal8Bit());
    std::vector<char*> qtArgv;
    for (QByteArray& argument : spelled)
        qtArgv.push_back(argument.data());
    qtArgv.push_back(nullptr);
    int qtArgc = int(spelled.size());
    QApplication app(qtArgc, qtArgv.data());
    QApplication::setApplicationVersion(ProgramVersion);
    InstallQtTranslations(programPath);
    if (!QtOptionGiven(arguments, QStringLiteral("style"))) // a -style of the user's wins
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
    // A place and size given on the command line win over the stored ones for this start.
    services.geometryGiven = QtOptionGiven(arguments, QStringLiteral("qwindowgeometry")) ||
                             QtOptionGiven(arguments, QStringLiteral("geometry"));
    frmVorel window(services);
    messages.setParent(&window); // every box opens centred on the window, one after another too
    messages.help = [&window] { window.butHelp_Click(); };
    if (!window.Form_Load())
        return 1;
    window.show();
    OutsideDestroyWatch destroyed(window, [] { QCoreApplication::exit(0); });
    app.installNativeEventFilter(&destroyed);
    return app.exec();
}

// The commands run with an application object of their own, for the download's event loop; the
// window makes its own after it.
CommandLineResult runCommandLine(char* program, const QStringList& arguments, const QString& programPath) {
    int coreArgc = 1;
    char* coreArgv[] = {program, nullptr};
    QCoreApplication application(coreArgc, coreArgv);
    UseBinaryStandardStreams();
    QFile in;
    in.open(stdin, QIODevice::ReadOnly);
    const std::unique_ptr<QIODevice> out = OpenStandardOutput(stdout), err = OpenStandardOutput(stderr);
    return RunCommandLine(arguments, programPath, in, *out, *err);
}

} // namespace

int main(int argc, char** argv) {
    // Settings and the per-user data folder are named after the program, window or not.
    QCoreApplication::setApplicationName(ProgramName);
    const QStringList arguments = ProgramArguments(argc, argv);
    const QString programPath = ProgramFolder(argv[0]);
    // The download goes through the proxy the system names, from the command line and the window.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    MarkRunning();
    AttachToParentConsole();
    const CommandLineResult command = runCommandLine(argv[0], arguments, programPath);
    if (!command.openWindow)
        return command.exitStatus;
    LeaveConsole();
    return runWindow(arguments, command, programPath);
}
