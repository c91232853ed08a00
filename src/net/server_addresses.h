// Where the update check and the usage reports go, and the download page the update check
// offers. Each address is built in; an environment variable replaces it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/services.h"

namespace quorvane::net {

// No report server runs for the program yet, so the built-in address is under a reserved
// domain that never resolves: an unconfigured build reaches nobody.
inline constexpr const char* kReportServerAddress = "http://reports.quorvane.invalid/";
inline constexpr const char* kReportServerVariable = "QUORVANE_REPORT_URL";
// Likewise a placeholder until the program has its download page on Tessmoor.
inline constexpr const char* kDownloadPageAddress = "http://tessmoor.invalid/quorvane";
inline constexpr const char* kDownloadPageVariable = "QUORVANE_DOWNLOAD_URL";

// The report server's base address, always ending in "/" so that "qrz.php" can follow it.
std::string ReportServerBase(platform::Environment& environment);
std::string DownloadPage(platform::Environment& environment);

// base + "qrz.php?u=update&s=" + the version text.
std::string UpdateCheckAddress(std::string_view base, float programVersion);
// base + "qrz.php?u=" + the installation number + "&s=" + the report text, unescaped.
std::string UsageReportAddress(std::string_view base, std::int32_t id, std::string_view text);

}  // namespace quorvane::net
