// The reference report server, on a loopback port, against the program's own update check and
// reports.
#include "report-server/report_service.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "loopback_server.h"
#include "net/report_texts.h"
#include "net/update_check.h"
#include "net/usage_reports.h"
#include "platform/curl_network.h"
#include "platform/processes.h"
#include "support/service_doubles.h"
#include "support/test_folder.h"

namespace quorvane::reportserver {
namespace {

using namespace std::chrono_literals;
using platform::MessageAnswer;
using testing::LoopbackServer;
using testing::ReadBytes;
using testing::TestFolder;

// The real report service behind a loopback port, and a program run that uses it.
struct ServedRun : testing::ServiceDoubles {
    explicit ServedRun(const std::string& latestVersion)
        : service({latestVersion, folder / "reports.log"}),
          server([this](const std::string& request) { return service.Reply(request); }),
          program(Services(&curl), folder.path()) {
        environment.variables["QUORVANE_REPORT_URL"] = server.BaseAddress();
        program.state.programVersion = 1.6f;
    }

    // The log's lines without their time stamps.
    std::vector<std::string> LoggedReports() const {
        std::vector<std::string> reports;
        const std::string log = ReadBytes(folder / "reports.log");
        for (std::size_t start = 0; start < log.size();) {
            const std::size_t end = log.find('\n', start);
            const std::string line = log.substr(start, end - start);
            reports.push_back(line.substr(line.find(' ') + 1));
            start = end == std::string::npos ? log.size() : end + 1;
        }
        return reports;
    }

    TestFolder folder;
    ReportService service;
    LoopbackServer server;
    platform::CurlNetwork curl{platform::HttpTimeouts{2s, 2s}};
    shell::Program program;
};

TEST(ReportServer, AnswersTheUpdateCheckByTheLatestVersion) {
    struct Case {
        const char* latest;
        platform::MessageBox shown;
    };
    const Case cases[] = {{"1.60", net::UpToDateMessage()},
                          {"1.5", net::UpToDateMessage()},
                          {"1.61", net::UpdateAvailableMessage()},
                          {"2", net::UpdateAvailableMessage()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.latest);
        ServedRun run(c.latest);
        run.dialogs.answers = {MessageAnswer::No};
        net::CheckForUpdates(run.program);
        EXPECT_EQ(run.dialogs.shownMessages, std::vector<platform::MessageBox>{c.shown});
        EXPECT_TRUE(run.LoggedReports().empty());
    }
}

TEST(ReportServer, LogsEachReportOnce) {
    ServedRun run("1.60");
    net::SendUsageReport(run.program, "OK");
    net::SendUsageReport(run.program, net::MissReportText({0, 0, 1}));
    run.program.prefs.id = 4242;
    run.clock.now = 95400;
    net::SendExitReport(run.program, 2);

    EXPECT_EQ(run.LoggedReports(),
              (std::vector<std::string>{"0 OK", "0 Miss-0-0-1", "4242 TIME-95.4-PB-2"}));
    EXPECT_EQ(run.server.Requests().size(), 3u);
    const std::string log = ReadBytes(run.folder / "reports.log");
    EXPECT_EQ(log.substr(0, 2), "20");  // a UTC time stamp leads each line
}

TEST(ReportServer, RefusesWhatTheProgramNeverSends) {
    TestFolder folder;
    const ReportService service({"1.60", folder / "reports.log"});
    struct Case {
        std::string requestLine;
        const char* status;
    };
    const Case cases[] = {
        {"HEAD /qrz.php?u=7&s=OK HTTP/1.1", "HTTP/1.1 200 OK\r\n"},
        {"GET /reports/qrz.php?u=7&s=TIME-1.0 HTTP/1.1", "HTTP/1.1 200 OK\r\n"},
        {"HEAD /qrz.php?u=update&s=1.60 HTTP/1.1", "HTTP/1.1 200 OK\r\nQRZ-upd: 1\r\n"},
        {"HEAD /qrz.php?u=update&s=1.59 HTTP/1.1", "HTTP/1.1 200 OK\r\nQRZ-upd: 0\r\n"},
        {"HEAD /qrz.php?u=update&s=new HTTP/1.1", "HTTP/1.1 400 Bad Request\r\n"},
        {"HEAD /other.php?u=7&s=OK HTTP/1.1", "HTTP/1.1 400 Bad Request\r\n"},
        {"POST /qrz.php?u=7&s=OK HTTP/1.1", "HTTP/1.1 400 Bad Request\r\n"},
        {"HEAD /qrz.php?u=7 HTTP/1.1", "HTTP/1.1 400 Bad Request\r\n"},
        {"HEAD /qrz.php?u=7&s=OK&s=OK HTTP/1.1", "HTTP/1.1 400 Bad Request\r\n"},
        {"HEAD /qrz.php?u=-7&s=OK HTTP/1.1", "HTTP/1.1 400 Bad Request\r\n"},
        {"HEAD /qrz.php?u=7&s=OK%0D%0Aforged HTTP/1.1", "HTTP/1.1 400 Bad Request\r\n"},
        {"HEAD /qrz.php?u=7&s=" + std::string(65, 'A') + " HTTP/1.1",
         "HTTP/1.1 400 Bad Request\r\n"},
        {"", "HTTP/1.1 400 Bad Request\r\n"},
    };
    for (const Case& c : cases) {
        const Answer answer = service.Reply(c.requestLine + "\r\nHost: x\r\nAccept: */*\r\n\r\n");
        EXPECT_EQ(answer.bytes.substr(0, std::string(c.status).size()), c.status) << c.requestLine;
    }
    // Only the two good reports reached the log, one line each.
    const std::string log = ReadBytes(folder / "reports.log");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2);
    EXPECT_NE(log.find(" 7 OK\n"), std::string::npos);
    EXPECT_NE(log.find(" 7 TIME-1.0\n"), std::string::npos);
}

TEST(ReportServer, AReportThatCannotBeLoggedIsNotAcknowledged) {
    TestFolder folder;
    const ReportService service({"1.60", folder / "missing-folder" / "reports.log"});
    const Answer answer = service.Reply("HEAD /qrz.php?u=7&s=OK HTTP/1.1\r\n\r\n");
    EXPECT_EQ(answer.bytes.substr(0, 12), "HTTP/1.1 500");
}

}  // namespace
}  // namespace quorvane::reportserver
