// The wiring of the display module: which bit of which load register each of the 33 on-screen
// segments drives. One table, checked at compile time, is the only home of this fact.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int SegmentCount = 33;
inline constexpr int RegisterCount = 4;
// The colon's two dots are separate controls that share one bit.
inline constexpr int ColonLowerDot = 32;
inline constexpr int ColonUpperDot = 33;

struct SegmentBit {
    int Segment;        // 1..33, the number in the control's name Shape1..Shape33
    int Register;       // index into LoadData
    std::uint8_t Mask;  // the one bit this segment sets when on
};

// Row N-1 belongs to segment N. The order of bits follows the module's shift chain, not the
// screen, so the rows look scrambled on purpose.
inline constexpr std::array<SegmentBit, SegmentCount> SegmentMap = {{
    {1, 0, 0x02},  {2, 0, 0x04},  {3, 0, 0x08},  {4, 0, 0x01},  {5, 3, 0x80},  {6, 3, 0x20},
    {7, 3, 0x40},  {8, 3, 0x10},  {9, 0, 0x20},  {10, 0, 0x40}, {11, 0, 0x80}, {12, 0, 0x10},
    {13, 3, 0x08}, {14, 3, 0x02}, {15, 3, 0x04}, {16, 3, 0x01}, {17, 1, 0x04}, {18, 1, 0x08},
    {19, 1, 0x10}, {20, 1, 0x02}, {21, 2, 0x80}, {22, 2, 0x20}, {23, 2, 0x40}, {24, 2, 0x10},
    {25, 1, 0x40}, {26, 1, 0x80}, {27, 2, 0x01}, {28, 1, 0x20}, {29, 2, 0x08}, {30, 2, 0x02},
    {31, 2, 0x04}, {32, 1, 0x01}, {33, 1, 0x01},
}};

// True when every row sits at its segment's index, drives exactly one bit of a real register,
// the two colon dots share their bit, and every other segment has a bit of its own, so that all
// 32 bits are used exactly once.
template <std::size_t N>
constexpr bool IsValidSegmentMap(const std::array<SegmentBit, N>& map)
{
    if (N != SegmentCount)
        return false;
    std::array<int, RegisterCount * 8> uses{};
    for (std::size_t i = 0; i < N; ++i) {
        const SegmentBit& row = map[i];
        const bool oneBit = row.Mask != 0 && (row.Mask & (row.Mask - 1)) == 0;
        if (row.Segment != int(i) + 1 || row.Register < 0 || row.Register >= RegisterCount || !oneBit)
            return false;
        int bit = 0;
        while ((row.Mask >> bit) != 1)
            ++bit;
        if (row.Segment != ColonUpperDot)  // the upper dot reuses the lower dot's bit
            ++uses[std::size_t(row.Register * 8 + bit)];
    }
    const SegmentBit& lower = map[ColonLowerDot - 1];
    const SegmentBit& upper = map[ColonUpperDot - 1];
    if (lower.Register != upper.Register || lower.Mask != upper.Mask)
        return false;
    for (int count : uses)
        if (count != 1)
            return false;
    return true;
}

static_assert(IsValidSegmentMap(SegmentMap), "the segment map must use every register bit once");
