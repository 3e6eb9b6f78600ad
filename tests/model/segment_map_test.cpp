#include "model/display_model.h"
#include "model/segment_map.h"
#include "platform/sysutils.h"

#include "support/shift_chain.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using chain::ChainOfSegments;

TEST(SegmentMap, FollowsTheModulesShiftChain)
{
    const auto bits = ChainOfSegments();
    ASSERT_EQ(bits.size(), 32u);
    int rowsChecked = 0;
    for (std::size_t bit = 0; bit < bits.size(); ++bit) {
        for (int segment : bits[bit]) {
            const SegmentBit& row = SegmentMap[std::size_t(segment - 1)];
            SCOPED_TRACE("chain bit " + std::to_string(bit) + ", Shape" + std::to_string(segment));
            EXPECT_EQ(row.Segment, segment);
            EXPECT_EQ(row.Register, int(bit / 8));
            EXPECT_EQ(row.Mask, 1u << (bit % 8));
            ++rowsChecked;
        }
    }
    EXPECT_EQ(rowsChecked, SegmentCount);
}

// A wrong map must not compile: the production table is guarded by the same predicate.
constexpr std::array<SegmentBit, SegmentCount> WithRow(int segment, SegmentBit replacement)
{
    auto map = SegmentMap;
    map[std::size_t(segment - 1)] = replacement;
    return map;
}
static_assert(!IsValidSegmentMap(WithRow(1, {1, 0, 0x04})), "a bit used twice");
static_assert(!IsValidSegmentMap(WithRow(33, {33, 1, 0x02})), "colon dots on different bits");
static_assert(!IsValidSegmentMap(WithRow(5, {5, 4, 0x80})), "a register that does not exist");
static_assert(!IsValidSegmentMap(WithRow(5, {5, 3, 0x81})), "two bits in one mask");
static_assert(!IsValidSegmentMap(WithRow(6, {7, 3, 0x20})), "a row out of place");
constexpr std::array<SegmentBit, SegmentCount> MissingLastRow = {{
    {1, 0, 0x02},  {2, 0, 0x04},  {3, 0, 0x08},  {4, 0, 0x01},  {5, 3, 0x80},  {6, 3, 0x20},
    {7, 3, 0x40},  {8, 3, 0x10},  {9, 0, 0x20},  {10, 0, 0x40}, {11, 0, 0x80}, {12, 0, 0x10},
    {13, 3, 0x08}, {14, 3, 0x02}, {15, 3, 0x04}, {16, 3, 0x01}, {17, 1, 0x04}, {18, 1, 0x08},
    {19, 1, 0x10}, {20, 1, 0x02}, {21, 2, 0x80}, {22, 2, 0x20}, {23, 2, 0x40}, {24, 2, 0x10},
    {25, 1, 0x40}, {26, 1, 0x80}, {27, 2, 0x01}, {28, 1, 0x20}, {29, 2, 0x08}, {30, 2, 0x02},
    {31, 2, 0x04}, {32, 1, 0x01},
}};
static_assert(!IsValidSegmentMap(MissingLastRow), "a missing row");
static_assert(!IsValidSegmentMap(std::array<SegmentBit, 32>{}), "too few rows");

// The names a screen reader speaks: each segment by its digit and its place in the digit, as the
// screen layout numbers them, so that a name that points at the wrong segment fails.
TEST(SegmentNames, NameEachSegmentByDigitAndPlace)
{
    const std::vector<std::pair<char, std::string>> places = {
        {'f', "upper left"}, {'a', "top"},         {'b', "upper right"}, {'g', "middle"},
        {'e', "lower left"}, {'c', "lower right"}, {'d', "bottom"},      {'p', "point"}};
    std::set<std::string> names;
    for (int digit = 1; digit <= 4; ++digit)
        for (const auto& [letter, place] : places) {
            if (digit == 4 && letter == 'p')
                continue;  // the last digit has no point
            const int segment = chain::ScreenNumber(digit, letter);
            EXPECT_EQ(SegmentName(segment), "digit " + std::to_string(digit) + ", " + place) << segment;
            names.insert(SegmentName(segment));
        }
    EXPECT_EQ(SegmentName(ColonLowerDot), "colon, lower dot");
    EXPECT_EQ(SegmentName(ColonUpperDot), "colon, upper dot");
    names.insert({SegmentName(ColonLowerDot), SegmentName(ColonUpperDot)});
    EXPECT_EQ(names.size(), std::size_t(SegmentCount));
    EXPECT_THROW(SegmentName(0), Exception);
    EXPECT_THROW(SegmentName(SegmentCount + 1), Exception);
}

}  // namespace
