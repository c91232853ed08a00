#include "net/report_texts.h"

#include <gtest/gtest.h>

#include "net/server_addresses.h"
#include "platform/services.h"

namespace quorvane::net {
namespace {

TEST(ReportTexts, VersionIsSentWithTwoDecimals) {
    EXPECT_EQ(VersionText(1.6f), "1.60");
    EXPECT_EQ(VersionText(2.0f), "2.00");
}

TEST(ReportTexts, MissReportNamesTheMissingSlotsInOrder) {
    EXPECT_EQ(MissReportText({0, 0, 1}), "Miss-0-0-1");
    EXPECT_EQ(MissReportText({1, 0, 0}), "Miss-1-0-0");
    EXPECT_EQ(MissReportText({1, 1, 1}), "Miss-1-1-1");
}

TEST(ReportTexts, ExitReport) {
    struct Case {
        std::uint32_t start, now;
        int games;
        const char* text;
    };
    const Case cases[] = {
        {1000, 96400, 2, "TIME-95.4-PB-2"},
        {1000, 96400, 0, "TIME-95.4"},
        {0, 73449, 0, "TIME-73.4"},
        {5, 612005, 2, "TIME-612.0-PB-2"},
        {500, 500, 0, "TIME-0.0"},
        // The tick clock wrapped during the run: 1000 ms before and 1000 ms after the wrap.
        {0xFFFFFC18u, 0x3E8u, 1, "TIME-2.0-PB-1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExitReportText(c.start, c.now, c.games), c.text) << c.text;
    }
}

TEST(ServerAddresses, BuiltInUnlessTheEnvironmentNamesAnother) {
    platform::MapEnvironment environment;
    EXPECT_EQ(ReportServerBase(environment), "http://reports.quorvane.invalid/");
    EXPECT_EQ(DownloadPage(environment), kDownloadPageAddress);

    environment.variables["QUORVANE_REPORT_URL"] = "http://127.0.0.1:8080/reports/";
    environment.variables["QUORVANE_DOWNLOAD_URL"] = "http://127.0.0.1:8080/download";
    EXPECT_EQ(ReportServerBase(environment), "http://127.0.0.1:8080/reports/");
    EXPECT_EQ(DownloadPage(environment), "http://127.0.0.1:8080/download");

    // "qrz.php" follows the base, so a base without its final slash gets one.
    environment.variables["QUORVANE_REPORT_URL"] = "http://127.0.0.1:8080";
    EXPECT_EQ(ReportServerBase(environment), "http://127.0.0.1:8080/");
}

TEST(ServerAddresses, Requests) {
    EXPECT_EQ(UpdateCheckAddress("http://host/", 1.6f), "http://host/qrz.php?u=update&s=1.60");
    EXPECT_EQ(UsageReportAddress("http://host/", 0, "OK"), "http://host/qrz.php?u=0&s=OK");
    EXPECT_EQ(UsageReportAddress("http://host/", 4242, "TIME-95.4-PB-2"),
              "http://host/qrz.php?u=4242&s=TIME-95.4-PB-2");
}

}  // namespace
}  // namespace quorvane::net
