// Reading the report server's replies. A reply is the header text as received; nothing in it
// is trusted beyond the rules here.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvane::net {

// The whole-number value of the "QRZ-upd" header when one of the reply's first ten lines
// carries it (name before the first colon, exactly as spelt); none otherwise.
std::optional<std::int32_t> UpdateHeaderValue(std::string_view reply);

// True when the reply's first line contains "200 OK": the report arrived.
bool ReportAccepted(std::string_view reply);

}  // namespace quorvane::net
