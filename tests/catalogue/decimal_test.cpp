#include "catalogue/decimal.h"

#include <gtest/gtest.h>

#include <limits>

namespace quorvane::catalogue {
namespace {

TEST(ReadDecimal, ReadsTheLeadingNumber) {
    const std::pair<const char*, float> rows[] = {
        {"", 0.0f},         {"abc", 0.0f},        {"75", 75.0f},          {"  \t42", 42.0f},
        {"1.0000", 1.0f},   {"-5", -5.0f},        {"+2.5", 2.5f},         {".5", 0.5f},
        {"5.", 5.0f},       {".", 0.0f},          {"-", 0.0f},            {"1.5=2", 1.5f},
        {"1e3", 1000.0f},   {"2E-2x", 0.02f},     {"1e", 1.0f},           {"1e+", 1.0f},
        {"3,5", 3.0f},      {"0.7200", 0.72f},    {"4290134783", 4290134783.0f},
        {"1e999", std::numeric_limits<float>::max()},
        {"-1e999", -std::numeric_limits<float>::max()},
        {"1e-999", 0.0f},   {"nan", 0.0f},        {"inf", 0.0f},          {"0x10", 0.0f},
    };
    for (const auto& [text, expected] : rows) EXPECT_FLOAT_EQ(ReadDecimal(text), expected) << text;
}

}  // namespace
}  // namespace quorvane::catalogue
