// SPDX-License-Identifier: GPL-3.0-or-later
#include "console.h"

#include <QFile>

namespace {

// A file or a pipe: the bytes as they are.
std::unique_ptr<QIODevice> byteStream(FILE* stream) {
    auto file = std::make_unique<QFile>();
    file->open(stream, QIODevice::WriteOnly);
    return file;
}

} // namespace

#ifdef Q_OS_WIN
// clang-format off
#include <windows.h>
#include <io.h>
// clang-format on
#include <QStringDecoder>

namespace {

// Whether a standard stream already goes somewhere: a file, a pipe, a console.
bool redirected(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// Writes the UTF-8 it is given to a console as UTF-16, whatever the console's code page.
class ConsoleWriter final : public QIODevice {
public:
    explicit ConsoleWriter(HANDLE console) : console_(console) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        const QString text = decoder_.decode(QByteArrayView(data, size));
        DWORD written = 0;
        if (!text.isEmpty() && !WriteConsoleW(console_, reinterpret_cast<const wchar_t*>(text.utf16()),
                                              DWORD(text.size()), &written, nullptr))
            return -1;
        return size;
    }

private:
    HANDLE console_;
    QStringDecoder decoder_{QStringDecoder::Utf8}; // a character split between two writes stays whole
};

} // namespace

void AttachToParentConsole() {
    const bool out = redirected(STD_OUTPUT_HANDLE), err = redirected(STD_ERROR_HANDLE),
               in = redirected(STD_INPUT_HANDLE);
    if ((out && err && in) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!out)
        std::freopen("CONOUT$", "w", stdout);
    if (!err)
        std::freopen("CONOUT$", "w", stderr);
    if (!in)
        std::freopen("CONIN$", "r", stdin);
}

void LeaveConsole() {
    FreeConsole();
}

std::unique_ptr<QIODevice> OpenStandardOutput(FILE* stream) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode))
        return std::make_unique<ConsoleWriter>(handle);
    return byteStream(stream);
}

#else

void AttachToParentConsole() {}

void LeaveConsole() {}

std::unique_ptr<QIODevice> OpenStandardOutput(FILE* stream) {
    return byteStream(stream);
}

#endif
