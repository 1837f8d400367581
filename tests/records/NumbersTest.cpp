// Numbers as text: fixed-width fields and the string-to-integer conversion.
#include "records/Numbers.h"

#include <gtest/gtest.h>

namespace tarvelle {
namespace {

struct FixedCase {
    std::int64_t number;
    int width;
    const char* text;
};

TEST(FormatFixed, PadsSignsAndOverflows) {
    const FixedCase cases[] = {
        {7, 4, "0007"}, {-5, 4, "-005"}, {12345, 4, "****"}, {0, 3, "000"},
        {-1, 3, "-01"}, {-100, 3, "***"}, {9999, 4, "9999"}, {1234567890123, 13, "1234567890123"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatFixed(c.number, c.width), c.text) << c.number << " in " << c.width;
}

TEST(ParseInteger, AcceptsDecimalAndHexadecimalOnly) {
    EXPECT_EQ(parseInteger("42"), 42);
    EXPECT_EQ(parseInteger("-17"), -17);
    EXPECT_EQ(parseInteger("  8"), 8);
    EXPECT_EQ(parseInteger("0x1F"), 31);
    EXPECT_EQ(parseInteger("$10"), 16);
    EXPECT_FALSE(parseInteger(""));
    EXPECT_FALSE(parseInteger("-"));
    EXPECT_FALSE(parseInteger("12a"));
    EXPECT_FALSE(parseInteger("4 "));
    EXPECT_FALSE(parseInteger("99999999999999999999"));
}

TEST(ParseInteger, ThirtyTwoBitHexadecimalIsSigned) {
    EXPECT_EQ(parseInteger32("0x8000000F"), -2147483633);
    EXPECT_EQ(parseInteger32("-2147483633"), -2147483633);
    EXPECT_FALSE(parseInteger32("4294967296"));
}

}  // namespace
}  // namespace tarvelle
