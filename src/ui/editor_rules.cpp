#include "ui/editor_rules.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "catalogue/decimal.h"
#include "gameconfig/number_text.h"
#include "ui/layout.h"
#include "platform/text.h"

namespace quorvane::ui {

using catalogue::Setting;
using catalogue::SettingKind;
using gameconfig::FormatFixed;
using gameconfig::FormatWhole;

namespace {

int Round(double value) { return RoundToInt(value); }

// A computed value stored as a setting's float, held to the float range.
float ToFloat(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -kLargest, kLargest));
}

// A catalogue that gives a VALUE or FLOAT setting no step or divisor would make the slider's
// positions quotients by zero; such a setting edits in steps of 1 of its plain value instead.
double StepOf(const Setting& s) { return s.step > 0 ? s.step : 1.0; }
double DivideOf(const Setting& s) { return s.divide != 0 ? s.divide : 1.0; }

// The doubling ladder of a VALUE2 setting: from m0 (the range's lower end, at least 1) the
// value doubles with every slider position up to the top position, the first at or above the
// range's upper end. The ladder never goes past 2^30, so it cannot overflow.
struct Ladder {
    std::int64_t m0 = 1;
    int top = 1;
};

constexpr int kLongestLadder = 30;

Ladder LadderFor(const Setting& s) {
    Ladder ladder;
    ladder.m0 = std::max<std::int64_t>(Round(s.rangeMin), 1);
    const std::int64_t upper = Round(s.rangeMax);
    std::int64_t m = ladder.m0;
    int n = 0;
    do {
        m *= 2;
        ++n;
    } while (m < upper && n < kLongestLadder);
    ladder.top = std::max(n, 1);
    return ladder;
}

// The smallest n >= 1 with m0 * 2^n >= value, capped at the top position.
int LadderPosition(const Ladder& ladder, double value) {
    const std::int64_t target = Round(value);
    std::int64_t m = ladder.m0 * 2;
    int n = 1;
    while (m < target && n < ladder.top) {
        m *= 2;
        ++n;
    }
    return n;
}

int Value2Position(const Setting& s, const Ladder& ladder) {
    if (s.rangeMin >= s.current) return 0;
    if (s.current >= s.rangeMax) return ladder.top;
    return LadderPosition(ladder, s.current);
}

std::string FloatText(double value) { return FormatFixed(ToFloat(value), 1); }

}  // namespace

SliderSetup SliderFor(const Setting& s) {
    SliderSetup setup;
    if (s.kind == SettingKind::Value2) {
        const Ladder ladder = LadderFor(s);
        setup.minimum = 0;
        setup.maximum = ladder.top;
        setup.tickMarks = true;
        setup.position = Value2Position(s, ladder);
        setup.text = FormatWhole(s.current);
        return setup;
    }
    const double step = StepOf(s);
    const double divide = DivideOf(s);
    setup.minimum = Round(s.rangeMin / step);
    setup.maximum = Round(s.rangeMax / step);
    setup.tickMarks = static_cast<long long>(setup.maximum) - setup.minimum < 60;
    setup.position = Round(s.current / step / divide);
    setup.text = s.kind == SettingKind::Float ? FloatText(s.current / divide) : FormatWhole(s.current / divide);
    return setup;
}

SliderEdit EditFromSlider(const Setting& s, int position) {
    if (s.kind == SettingKind::Value2) {
        const Ladder ladder = LadderFor(s);
        const double value = position >= 1 ? static_cast<double>(ladder.m0) * static_cast<double>(std::int64_t{1} << std::min(position, kLongestLadder))
                                           : Round(s.rangeMin);
        return {ToFloat(value), FormatWhole(value)};
    }
    const double shown = position * StepOf(s);
    const float current = ToFloat(shown * DivideOf(s));
    return {current, s.kind == SettingKind::Float ? FloatText(shown) : FormatWhole(shown)};
}

TextEdit EditFromText(const Setting& s, std::string_view text) {
    const double read = catalogue::ReadDecimal(text);
    if (s.kind == SettingKind::Value2) {
        Setting edited = s;
        edited.current = ToFloat(read);
        const Ladder ladder = LadderFor(s);
        const int position = s.rangeMin >= edited.current ? 0 : LadderPosition(ladder, edited.current);
        return {edited.current, position};
    }
    const float current = ToFloat(read * DivideOf(s));
    return {current, Round(current / StepOf(s) / DivideOf(s))};
}

int ReadWholeNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    return platform::LeadingInt32(text);
}

std::string WithDesktopSize(std::string info, int width, int height) {
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    for (std::size_t at = info.find("<res>"); at != std::string::npos; at = info.find("<res>", at + size.size())) {
        info.replace(at, 5, size);
    }
    return info;
}

}  // namespace quorvane::ui
