// The texts the program sends to the report server.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quorvane::net {

// The program's version with exactly two decimals: 1.6 is sent as "1.60".
std::string VersionText(float programVersion);

// "Miss-a-b-c": the missing-file flags of slots 1, 2 and 3, sent when the setup window opens.
std::string MissReportText(const std::array<std::int32_t, 3>& configMissing);

// "TIME-" + the seconds since the event loop started, with one decimal, then "-PB-" + the
// number of games started when there were any. Tick clock differences wrap like the clock.
std::string ExitReportText(std::uint32_t runStartTime, std::uint32_t now, int gamesStarted);

}  // namespace quorvane::net
