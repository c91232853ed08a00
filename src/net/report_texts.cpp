#include "net/report_texts.h"

#include <charconv>

namespace quorvane::net {

namespace {

std::string Fixed(float value, int decimals) {
    char text[64];
    auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, result.ptr);
}

}  // namespace

std::string VersionText(float programVersion) {
    return Fixed(programVersion, 2);
}

std::string MissReportText(const std::array<std::int32_t, 3>& configMissing) {
    std::string text = "Miss";
    for (std::int32_t flag : configMissing) text += flag == 1 ? "-1" : "-0";
    return text;
}

std::string ExitReportText(std::uint32_t runStartTime, std::uint32_t now, int gamesStarted) {
    const float seconds = static_cast<float>(now - runStartTime) / 1000.0f;
    std::string text = "TIME-" + Fixed(seconds, 1);
    if (gamesStarted > 0) text += "-PB-" + std::to_string(gamesStarted);
    return text;
}

}  // namespace quorvane::net
