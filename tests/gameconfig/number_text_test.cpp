#include "gameconfig/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace quorvane::gameconfig {
namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

TEST(FormatWhole, RoundsHalvesToEvenAndPrintsPlainDigits) {
    struct Row {
        double value;
        const char* text;
    };
    const Row rows[] = {
        {2.5, "2"},
        {3.5, "4"},
        {-2.5, "-2"},
        {-3.5, "-4"},
        {0.5, "0"},
        {1.5, "2"},
        {2.4999, "2"},
        {2.5001, "3"},
        {-0.4, "0"},
        {-0.0, "0"},
        {1e6, "1000000"},
        {4290134783.0, "4290134783"},  // beyond 32 bits, no grouping
        {3.4028234663852886e38, "340282346638528859811704183484516925440"},
        {kInfinity, "+Infinity"},
        {-kInfinity, "-Infinity"},
    };
    for (const Row& row : rows) EXPECT_EQ(FormatWhole(row.value), row.text) << row.value;
    EXPECT_EQ(RoundWhole(2.5), 2.0);
    EXPECT_EQ(RoundWhole(-1.5), -2.0);
}

TEST(FormatFixed, ShowsTheExactBinaryValueRoundedAtTheLastDecimal) {
    struct Row {
        float value;
        int decimals;
        const char* text;
    };
    const Row rows[] = {
        {90, 4, "90.0000"},
        {90, 1, "90.0"},
        {0.1f, 10, "0.1000000015"},  // the float nearest 0.1, not 0.1
        {0.72f, 4, "0.7200"},
        {75.5f, 0, "76"},     // no point without decimals
        {-0.0f, 1, "0.0"},    // negative zero prints as zero
        {-0.01f, 1, "0.0"},   // so does a negative value too small to show
        {-1.25f, 1, "-1.2"},  // an exact tie
        {0.5f, 3, "0.500"},
        {1e-10f, 2, "0.00"},  // never an exponent
        {3e38f, 1, "300000000549775575777803994281145270272.0"},
        {kInfinity, 2, "+Infinity"},
        {-kInfinity, 0, "-Infinity"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FormatFixed(row.value, row.decimals), row.text)
            << row.value << " with " << row.decimals;
    }
}

TEST(FormatFixed, ManyDecimalsGiveTheWholeExpansionThenZeros) {
    // The smallest float has 149 decimals; asking for more pads with zeros, however many.
    const float smallest = std::numeric_limits<float>::denorm_min();
    const std::string text = FormatFixed(smallest, 200000);
    ASSERT_EQ(text.size(), 2u + 200000u);
    EXPECT_EQ(text.substr(0, 2 + 45), "0." + std::string(44, '0') + "1");
    EXPECT_EQ(text.substr(2 + 149), std::string(200000 - 149, '0'));
    EXPECT_NE(text[2 + 148], '0');
}

TEST(MaxMinFloat, OnATieTheSecondArgumentWins) {
    EXPECT_EQ(MaxFloat(1, 2), 2);
    EXPECT_EQ(MaxFloat(3, 2), 3);
    EXPECT_EQ(MinFloat(1, 2), 1);
    EXPECT_EQ(MinFloat(3, 2), 2);
    // 0 and -0 are equal, so the sign tells which argument came back.
    EXPECT_TRUE(std::signbit(MaxFloat(0.0f, -0.0f)));
    EXPECT_FALSE(std::signbit(MaxFloat(-0.0f, 0.0f)));
    EXPECT_TRUE(std::signbit(MinFloat(0.0f, -0.0f)));
    EXPECT_FALSE(std::signbit(MinFloat(-0.0f, 0.0f)));
}

}  // namespace
}  // namespace quorvane::gameconfig
