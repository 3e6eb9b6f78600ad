// The display module's shift chain, written down from its wiring in words, independent of the
// production segment map, for tests that need to know which bit a segment drives.
#pragma once

#include <string>
#include <vector>

namespace chain {

// The module's shift chain in words, from bit 0 of register 0 to bit 7 of register 3. The
// segment numbers come from the screen layout (8 per digit in the order f a b g e c d dp), so
// this derivation shares nothing with the production table.
inline int ScreenNumber(int digit, char position)
{
    const std::string order = "fabgecdp";  // p: the decimal point
    return 8 * (digit - 1) + int(order.find(position)) + 1;
}

inline std::vector<std::vector<int>> ChainOfSegments()
{
    std::vector<std::vector<int>> chain;
    auto add = [&](int digit, const std::string& positions) {
        for (char position : positions)
            chain.push_back({ScreenNumber(digit, position)});
    };
    add(1, "gfab");
    add(2, "gfab");
    chain.push_back({32, 33});  // the colon, both dots on one bit
    add(3, "gfab");
    add(4, "gfab");
    add(4, "cde");
    add(3, "pcde");
    add(2, "pcde");
    add(1, "pcde");
    return chain;
}

// The chain bit (0..31) that segment N drives: register bit / 8, mask 1 << bit % 8.
inline int ChainBitOf(int segment)
{
    const auto all = ChainOfSegments();
    for (std::size_t bit = 0; bit < all.size(); ++bit)
        for (int member : all[bit])
            if (member == segment)
                return int(bit);
    return -1;
}

}  // namespace chain
