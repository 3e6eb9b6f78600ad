#include "memory_fills.h"
#include "model/display_model.h"
#include "platform/sysutils.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>

namespace {

class ToggleTest : public testing::Test {
protected:
    void SetUp() override { std::fill(std::begin(LoadData), std::end(LoadData), 0); }

    void Press(std::initializer_list<int> segments)
    {
        for (int segment : segments)
            ToggleSegment(fills, segment);
    }

    MemoryFills fills;
};

TEST_F(ToggleTest, TwiceRestoresColourAndRegisters)
{
    for (int segment = 1; segment <= SegmentCount; ++segment) {
        SCOPED_TRACE("Shape" + std::to_string(segment));
        Press({segment});
        EXPECT_EQ(fills.FillColor(segment), clBlack);
        EXPECT_NE(LoadDataText(), "00 00 00 00");
        Press({segment});
        EXPECT_EQ(fills.FillColor(segment), clWhite);
        EXPECT_EQ(LoadDataText(), "00 00 00 00");
    }
}

TEST_F(ToggleTest, EitherColonDotSwitchesBoth)
{
    for (auto [first, second] : {std::pair{32, 33}, std::pair{33, 32}, std::pair{32, 32}}) {
        Press({first});
        EXPECT_EQ(fills.FillColor(32), clBlack);
        EXPECT_EQ(fills.FillColor(33), clBlack);
        EXPECT_EQ(LoadDataText(), "00 01 00 00");
        Press({second});
        EXPECT_EQ(fills.FillColor(32), clWhite);
        EXPECT_EQ(fills.FillColor(33), clWhite);
        EXPECT_EQ(LoadDataText(), "00 00 00 00");
    }
}

TEST_F(ToggleTest, EverySegmentOnThenOff)
{
    for (int segment = 1; segment <= 32; ++segment)  // the colon takes one press
        Press({segment});
    EXPECT_EQ(LoadDataText(), "FF FF FF FF");
    for (int segment = 1; segment <= 32; ++segment)
        Press({segment});
    EXPECT_EQ(LoadDataText(), "00 00 00 00");
    for (TColor color : fills.colors)
        EXPECT_EQ(color, clWhite);
}

TEST_F(ToggleTest, TextOfTypicalPictures)
{
    struct Case {
        const char* picture;
        std::initializer_list<int> segments;
        const char* expected;
    };
    const Case cases[] = {
        {"middle of digit 1", {4}, "01 00 00 00"},
        {"point of digit 2", {16}, "00 00 00 01"},
        {"colon", {33}, "00 01 00 00"},
        {"digit 1, all seven bars", {1, 2, 3, 4, 5, 6, 7}, "0F 00 00 E0"},
        {"digit 4, all seven bars", {25, 26, 27, 28, 29, 30, 31}, "00 E0 0F 00"},
        {"the three points", {8, 16, 24}, "00 00 10 11"},
        {"top of digit 3, upper case hex", {18, 21, 22, 23}, "00 08 E0 00"},
    };
    for (const Case& c : cases) {
        SetUp();
        fills = MemoryFills();
        Press(c.segments);
        EXPECT_EQ(LoadDataText(), c.expected) << c.picture;
    }
}

TEST_F(ToggleTest, AnyColourButWhiteCountsAsOn)
{
    LoadData[0] = 0x01;
    fills.SetFillColor(4, TColor(0x0000FF));
    Press({4});
    EXPECT_EQ(fills.FillColor(4), clWhite);
    EXPECT_EQ(LoadData[0], 0);
}

TEST_F(ToggleTest, ClearingKeepsOnlyTheLowByte)
{
    LoadData[2] = 0x12345601 | 0x20;
    fills.SetFillColor(22, clBlack);
    Press({22});
    EXPECT_EQ(LoadData[2], 0x01);
    EXPECT_EQ(LoadDataText(), "00 00 01 00");
}

TEST_F(ToggleTest, BadSegmentNumberThrowsAndChangesNothing)
{
    Press({4});
    for (int bad : {0, -1, 34, INT_MIN, INT_MAX}) {
        EXPECT_THROW(ToggleSegment(fills, bad), Exception) << bad;
        EXPECT_EQ(LoadDataText(), "01 00 00 00");
    }
    try {
        ToggleSegment(fills, 34);
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "segment number 34 is outside 1..33");
    }
    for (int segment = 1; segment <= SegmentCount; ++segment)
        EXPECT_EQ(fills.FillColor(segment), segment == 4 ? clBlack : clWhite);
}

}  // namespace
