// Fuzz target: any text given to the window-description parser yields a tree or an Exception,
// never a crash, a hang or undefined behaviour.
#include "platform/form_description.h"
#include "platform/sysutils.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        ParseFormDescription(std::string_view(reinterpret_cast<const char*>(data), size), "FUZZ");
    } catch (const Exception& e) {
        if (e.Message.rfind("FUZZ:", 0) != 0)
            __builtin_trap();  // every error must name its place
    }
    return 0;
}
