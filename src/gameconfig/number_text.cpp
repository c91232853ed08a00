#include "gameconfig/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace quorvane::gameconfig {

namespace {

// A float is at most 39 digits before the point; sign, point and some room on top.
constexpr std::size_t kIntegerRoom = 48;

std::string InfinityText(double value) {
    return value > 0 ? "+Infinity" : "-Infinity";
}

std::string FixedDigits(double value, int decimals) {
    if (std::isinf(value)) return InfinityText(value);
    if (std::isnan(value)) return "NaN";
    std::string text(kIntegerRoom + static_cast<std::size_t>(decimals), '\0');
    auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                std::chars_format::fixed, decimals);
    text.resize(static_cast<std::size_t>(result.ptr - text.data()));
    // "-0.0" is an artefact of the sign of a value too small to show.
    if (text.front() == '-' && text.find_first_of("123456789") == std::string::npos)
        text.erase(0, 1);
    return text;
}

}  // namespace

double RoundWhole(double value) {
    if (!std::isfinite(value)) return value;
    double rounded = std::round(value);  // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5) rounded = 2.0 * std::round(value / 2.0);
    return rounded;
}

std::string FormatWhole(double value) {
    return FixedDigits(RoundWhole(value), 0);
}

std::string FormatFixed(float value, int decimals) {
    return FixedDigits(static_cast<double>(value), std::max(decimals, 0));
}

float MaxFloat(float a, float b) {
    return a > b ? a : b;
}
float MinFloat(float a, float b) {
    return a < b ? a : b;
}

}  // namespace quorvane::gameconfig
