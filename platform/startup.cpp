// The process entry point of the component layer: it checks for a display, makes the Qt
// application and the application object, and hands over to the program's WinMain.
#include "forms.h"
#include "shell.h"

#include <QApplication>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using LPSTR = char*;

int WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);

namespace {

// Qt aborts with a core dump when it cannot reach the X server, so ask first and explain.
bool DisplayAvailable()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::string(platform).rfind("xcb", 0) != 0)
        return true;  // offscreen, minimal, vnc...: Qt needs no X server for them
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        std::fprintf(stderr, "segment-editor: no display: DISPLAY is not set; start it from a desktop session "
                             "or under xvfb-run\n");
        return false;
    }
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    const bool ok = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (!ok)
        std::fprintf(stderr, "segment-editor: cannot open the display '%s'; start it from a desktop session "
                             "or under xvfb-run\n", display);
    return ok;
}

}  // namespace

int main(int, char** argv)
{
    // The program takes nothing from its command line: Qt sees only the program's name, so that
    // options such as -platform or -style change nothing.
    if (!DisplayAvailable())
        return 1;
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication qt(qtArgc, qtArgv);
    TApplication application;
    Application = &application;
    char commandLine[] = "";
    const int result = WinMain(nullptr, nullptr, commandLine, SW_SHOWNORMAL);
    Application = nullptr;
    return result;
}
