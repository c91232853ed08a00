#include "net/replies.h"

#include "platform/text.h"

namespace quorvane::net {

namespace {

constexpr int kUpdateHeaderLines = 10;

// The line from `start` up to its line feed; a carriage return before it stays in the line.
std::string_view LineAt(std::string_view text, std::size_t start) {
    if (start >= text.size()) return {};
    return text.substr(start, text.find('\n', start) - start);
}

}  // namespace

std::optional<std::int32_t> UpdateHeaderValue(std::string_view reply) {
    std::size_t start = 0;
    for (int line = 1; line <= kUpdateHeaderLines && start <= reply.size(); ++line) {
        const std::string_view text = LineAt(reply, start);
        start += text.size() + 1;
        const std::size_t colon = text.find(':');
        if (text.substr(0, colon) != "QRZ-upd") continue;
        if (colon == std::string_view::npos) return 0;
        std::string_view value = text.substr(colon + 1);
        value = value.substr(0, value.find(':'));
        return platform::LeadingInt32(platform::TrimBlanks(value));
    }
    return std::nullopt;
}

bool ReportAccepted(std::string_view reply) {
    return LineAt(reply, 0).find("200 OK") != std::string_view::npos;
}

}  // namespace quorvane::net
