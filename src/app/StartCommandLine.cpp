#include "app/StartCommandLine.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>

namespace {

// The console where text for the standard handle goes, if it goes to one. A program without a
// console window has no standard handles when started from a console without redirection: it
// borrows its parent's console then.
HANDLE consoleFor(DWORD standardHandle)
{
    HANDLE handle = ::GetStdHandle(standardHandle);
    DWORD mode = 0;
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) {
        return ::GetConsoleMode(handle, &mode) ? handle : nullptr; // else a file or a pipe
    }
    // Already attached by an earlier call, the attachment fails with ERROR_ACCESS_DENIED.
    if (!::AttachConsole(ATTACH_PARENT_PROCESS) && ::GetLastError() != ERROR_ACCESS_DENIED) {
        return nullptr;
    }
    handle = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

} // namespace
#endif

QStringList StartArguments(int argc, char *argv[])
{
    QStringList arguments;
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    int count = 0;
    if (LPWSTR *words = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) {
            arguments.append(QString::fromWCharArray(words[i]));
        }
        ::LocalFree(words);
    }
#else
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
#endif
    return arguments;
}

void PrintText(std::FILE *stream, const QString &text)
{
    if (text.isEmpty()) {
        return;
    }
#ifdef Q_OS_WIN
    // A console takes the text as it is; a file or a pipe the code page's bytes.
    if (HANDLE console = consoleFor(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE)) {
        DWORD written = 0;
        ::WriteConsoleW(console, reinterpret_cast<const wchar_t *>(text.utf16()),
            DWORD(text.size()), &written, nullptr);
        return;
    }
#endif
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}
