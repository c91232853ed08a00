#include "net/server_addresses.h"

#include "net/report_texts.h"

namespace quorvane::net {

namespace {

std::string FromEnvironment(platform::Environment& environment, const char* variable,
                            const char* builtIn) {
    std::string value = environment.Get(variable);
    return value.empty() ? std::string(builtIn) : value;
}

}  // namespace

std::string ReportServerBase(platform::Environment& environment) {
    std::string base = FromEnvironment(environment, kReportServerVariable, kReportServerAddress);
    if (base.back() != '/') base += '/';
    return base;
}

std::string DownloadPage(platform::Environment& environment) {
    return FromEnvironment(environment, kDownloadPageVariable, kDownloadPageAddress);
}

std::string UpdateCheckAddress(std::string_view base, float programVersion) {
    return std::string(base) + "qrz.php?u=update&s=" + VersionText(programVersion);
}

std::string UsageReportAddress(std::string_view base, std::int32_t id, std::string_view text) {
    return std::string(base) + "qrz.php?u=" + std::to_string(id) + "&s=" + std::string(text);
}

}  // namespace quorvane::net
