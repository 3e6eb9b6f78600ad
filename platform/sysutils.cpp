#include "sysutils.h"

#include <cstdint>

std::string IntToHex(int Value, int Digits)
{
    static constexpr char digitChars[] = "0123456789ABCDEF";
    auto bits = static_cast<std::uint32_t>(Value);
    std::string reversed;
    do {
        reversed.push_back(digitChars[bits & 0xFu]);
        bits >>= 4;
    } while (bits != 0);
    if (Digits > static_cast<int>(reversed.size()))
        reversed.append(static_cast<std::size_t>(Digits) - reversed.size(), '0');
    return {reversed.rbegin(), reversed.rend()};
}
