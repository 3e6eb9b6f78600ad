#include "platform/sysutils.h"

#include <gtest/gtest.h>

#include <climits>

TEST(IntToHex, PadsToTheMinimumDigitsInUpperCase)
{
    struct Case {
        int value, digits;
        const char* expected;
    };
    const Case cases[] = {
        {0, 2, "00"},       {1, 2, "01"},        {0xAB, 2, "AB"},        {0xAB, 1, "AB"},
        {0x0F, 2, "0F"},    {255, 2, "FF"},      {0x1234, 2, "1234"},    {10, 4, "000A"},
        {0, 0, "0"},        {0xF, -3, "F"},      {-1, 2, "FFFFFFFF"},    {INT_MIN, 2, "80000000"},
        {INT_MAX, 10, "007FFFFFFF"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IntToHex(c.value, c.digits), c.expected) << c.value << ", " << c.digits;
}

TEST(Exception, CarriesItsMessage)
{
    try {
        throw Exception("segment 0");
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "segment 0");
        EXPECT_EQ(dynamic_cast<const Exception&>(e).Message, "segment 0");
    }
}
