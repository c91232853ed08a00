#include "catalogue/decimal.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <system_error>

namespace quorvane::catalogue {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
}

// For a number too large or too small even for a double: true when it is too large. Its size is
// the place of its first non-zero digit, moved by the exponent.
bool IsHuge(std::string_view number) {
    std::size_t e = number.find_first_of("eE");
    std::string_view mantissa = number.substr(0, e);
    std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return false;
    long long magnitude = first < point ? static_cast<long long>(point - first) - 1
                                        : -static_cast<long long>(first - point);
    if (e != std::string_view::npos) {
        std::string_view exponent = number.substr(e + 1);
        bool negative = !exponent.empty() && exponent.front() == '-';
        long long value = 0;
        for (char c : exponent) {
            if (IsDigit(c)) value = std::min(value * 10 + (c - '0'), 1000000000LL);
        }
        magnitude += negative ? -value : value;
    }
    return magnitude > 0;
}

}  // namespace

float ReadDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    const std::size_t start = i;
    i = SkipDigits(text, i);
    bool digits = i > start;
    if (i < text.size() && text[i] == '.') {
        std::size_t afterPoint = SkipDigits(text, i + 1);
        digits = digits || afterPoint > i + 1;
        i = afterPoint;
    }
    if (!digits) return 0.0f;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        std::size_t afterExponent = SkipDigits(text, j);
        if (afterExponent > j) i = afterExponent;  // an "e" without digits ends the number
    }

    double parsed = 0.0;
    auto [end, error] = std::from_chars(text.data() + start, text.data() + i, parsed);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        parsed = IsHuge(text.substr(start, i - start)) ? std::numeric_limits<double>::max() : 0.0;
    }
    const double largest = std::numeric_limits<float>::max();
    float value = static_cast<float>(parsed > largest ? largest : parsed);
    return negative ? -value : value;
}

}  // namespace quorvane::catalogue
