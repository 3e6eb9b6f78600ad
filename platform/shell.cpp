#include "shell.h"

#include <QProcess>
#include <QStandardPaths>

#include <cstring>

namespace {
ShellHandler& CurrentHandler()
{
    static ShellHandler handler = OpenWithDesktop;
    return handler;
}
}  // namespace

ShellHandler SetShellHandler(ShellHandler handler)
{
    return std::exchange(CurrentHandler(), handler ? std::move(handler) : OpenWithDesktop);
}

HINSTANCE ShellExecuteA(HWND hwnd, const char* lpOperation, const char* lpFile, const char* lpParameters,
                        const char* lpDirectory, int nShowCmd)
{
    const int result = CurrentHandler()(hwnd, lpOperation, lpFile, lpParameters, lpDirectory, nShowCmd);
    return reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(result));
}

int OpenWithDesktop(HWND, const char* operation, const char* file, const char*, const char* directory, int)
{
    if (operation && std::strcmp(operation, "open") != 0)
        return SE_ERR_NOASSOC;
    if (!file || !*file)
        return SE_ERR_FNF;
    if (file[0] == '-')
        return SE_ERR_ACCESSDENIED;  // xdg-open would read it as an option
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return SE_ERR_NOASSOC;
    // Parameters go to programs that are opened; an address or a document takes none.
    const QStringList arguments{QString::fromUtf8(file)};
    // Detached, so that a slow browser start never blocks the window and no child is left to reap.
    const bool started = QProcess::startDetached(opener, arguments, directory ? QString::fromUtf8(directory) : QString());
    return started ? 42 : SE_ERR_NOASSOC;
}
