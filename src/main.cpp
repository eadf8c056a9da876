// Vorel: keeps the archive of the Italian Lotto draws.
#include "window/frm_vorel.h"
#include "window/help_viewer.h"
#include "window/message_boxes.h"
#include "window/settings_store.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStyleFactory>
#include <cstdio>

namespace {

// Qt aborts with a terse message when there is no display; say how to run it instead.
bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QString folderPath(const QString& folder) {
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    return path.endsWith(u'/') ? path : path + u'/';
}

} // namespace

int main(int argc, char** argv) {
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "vorel: no display found. Vorel is a desktop program: run it in a graphical session,\n"
                     "or without a screen under a virtual one, for example: xvfb-run -a vorel\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorel"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.0"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Vorel: l'archivio delle estrazioni del Lotto."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataOption(
        QStringLiteral("data"),
        QStringLiteral("Folder of the archive files (default: the program's folder)."),
        QStringLiteral("DIR"));
    parser.addOption(dataOption);
    parser.process(app);

    const QString programPath = folderPath(QCoreApplication::applicationDirPath());
    const QString dataPath = parser.isSet(dataOption) ? folderPath(parser.value(dataOption)) : programPath;

    HelpWindowViewer help;
    QtSettingsStore settings;
    QtMessageBoxes messages;
    frmVorel::Services services;
    services.messages = &messages;
    services.help = &help;
    services.settings = &settings;
    services.endProgram = [](int status) { QCoreApplication::exit(status); };
    services.dataPath = dataPath;
    services.programPath = programPath;
    frmVorel window(services);
    if (!window.Form_Load())
        return 1;
    window.show();
    return app.exec();
}
