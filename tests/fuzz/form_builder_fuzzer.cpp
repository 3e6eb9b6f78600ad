// Fuzz target: any text given as a form's window description builds the form or raises an
// Exception that names its place; never a crash, a hang, a leak or undefined behaviour, and a
// failed build leaves nothing behind when the form is destroyed.
#include "platform/forms.h"
#include "platform/sysutils.h"
#include "platform/test_form.h"

#include <QApplication>

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {
void Silent(QtMsgType, const QMessageLogContext&, const QString&) {}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The minimal platform draws nothing and needs no display; Qt's warnings about odd geometry
    // would only drown the fuzzer's own output.
    qputenv("QT_QPA_PLATFORM", "minimal");
    qInstallMessageHandler(Silent);
    static int qtArgc = 1;
    static QApplication qt(qtArgc, *argv);
    static TApplication application;
    Application = &application;
    (void)argc;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TTestForm form;
    try {
        form.LoadDescription(std::string_view(reinterpret_cast<const char*>(data), size), "FUZZ",
                             TTestForm::StaticClassName, TTestForm::Published);
    } catch (const Exception& e) {
        if (e.Message.rfind("FUZZ:", 0) != 0)
            __builtin_trap();  // every error must name its place
    }
    return 0;
}
