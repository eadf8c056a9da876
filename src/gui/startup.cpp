// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include "cli/qt_options.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

#ifdef Q_OS_WIN
// <windows.h> comes first: the others build on it.
// clang-format off
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
// clang-format on
#endif

QStringList ProgramArguments([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
    QStringList arguments;
#ifdef Q_OS_WIN
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments.append(QString::fromWCharArray(wide[i]));
        LocalFree(wide);
        return arguments;
    }
#endif
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

QString ProgramFolder([[maybe_unused]] const char* argv0) {
    QString folder;
#ifdef Q_OS_WIN
    wchar_t path[32768];
    const DWORD length = GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    folder = QFileInfo(QString::fromWCharArray(path, int(length))).absolutePath();
#else
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    folder = self.exists() ? self.canonicalPath() : QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
#endif
    folder = QDir::fromNativeSeparators(folder);
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

void UseBinaryStandardStreams() {
#ifdef Q_OS_WIN
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}

bool DisplayAvailable([[maybe_unused]] const QStringList& arguments) {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           QtOptionGiven(arguments, QStringLiteral("platform"));
#endif
}

void MarkRunning() {
#ifdef Q_OS_WIN
    CreateMutexW(nullptr, FALSE, L"Local\\io.github.vorel.Vorel"); // released by the system at the end
#endif
}
