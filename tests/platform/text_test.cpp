#include "platform/text.h"

#include <gtest/gtest.h>

namespace quorvane::platform {
namespace {

TEST(LeadingInt32, ReadsTheLeadingNumberAndSaturatesAt32Bits) {
    const std::pair<const char*, std::int32_t> rows[] = {
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"42", 42},
        {"+7x", 7},
        {"-12 px", -12},
        {"0009999", 9999},
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"99999999999999999999999", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-99999999999", -2147483647 - 1},
        {" 5", 0},  // callers trim first
    };
    for (const auto& [text, expected] : rows) EXPECT_EQ(LeadingInt32(text), expected) << text;
}

TEST(TextHelpers, CaseFoldingAndTrimming) {
    EXPECT_TRUE(EqualsIgnoringCase("FalloutPrefs.INI", "falloutprefs.ini"));
    EXPECT_FALSE(EqualsIgnoringCase("Fallout.ini", "Fallout.in"));
    EXPECT_EQ(ToUpperAscii("name|Ab\xA7"), "NAME|AB\xA7");
    EXPECT_EQ(TrimBlanks(" \t a b \t"), "a b");
    EXPECT_EQ(TrimBlanks(" \t "), "");
}

}  // namespace
}  // namespace quorvane::platform
