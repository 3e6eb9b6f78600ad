// A small set of enumerators, one bit each, for font styles and shift states.
#pragma once

#include <cstdint>
#include <initializer_list>

template <class Enum>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<Enum> members)
    {
        for (Enum member : members)
            *this << member;
    }
    constexpr bool Contains(Enum member) const { return (bits_ >> unsigned(member)) & 1u; }
    constexpr TSet& operator<<(Enum member)
    {
        bits_ |= std::uint32_t(1) << unsigned(member);
        return *this;
    }
    constexpr bool operator==(const TSet&) const = default;

private:
    std::uint32_t bits_ = 0;
};
