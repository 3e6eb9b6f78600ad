// The component layer's exception class and number formatting: plain C++, no Qt, so that
// the display model can use them without pulling in a GUI toolkit.
#pragma once

#include <exception>
#include <string>

// The one exception type that the application reports to the user: its Message is what the
// error box shows.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : Message(std::move(message)) {}

    const char* what() const noexcept override { return Message.c_str(); }

    std::string Message;
};

// Upper-case hexadecimal digits of Value's 32-bit pattern, zero-padded on the left to at least
// Digits characters. A negative value shows its two's complement, "FFFFFFFF" for -1.
std::string IntToHex(int Value, int Digits);
