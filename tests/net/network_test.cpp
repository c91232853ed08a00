#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "loopback_server.h"
#include "net/network_start.h"
#include "net/server_addresses.h"
#include "net/update_check.h"
#include "net/usage_reports.h"
#include "platform/curl_network.h"
#include "platform/processes.h"
#include "support/service_doubles.h"
#include "support/test_folder.h"

namespace quorvane::net {
namespace {

using namespace std::chrono_literals;
using platform::MessageAnswer;
using platform::MessageBox;
using testing::Answer;
using testing::LoopbackServer;
using testing::TestFolder;

// One program run whose report server is `server`, with short network time-outs.
struct NetRun : testing::ServiceDoubles {
    explicit NetRun(platform::Network& network) : program(Services(&network), folder.path()) {
        program.state.programVersion = 1.6f;
        program.prefs.id = 4242;
    }
    explicit NetRun(const LoopbackServer& server) : NetRun(curl) {
        environment.variables["QUORVANE_REPORT_URL"] = server.BaseAddress();
        environment.variables["QUORVANE_DOWNLOAD_URL"] = "http://127.0.0.1:1/download";
    }

    TestFolder folder;
    platform::CurlNetwork curl{platform::HttpTimeouts{500ms, 300ms}};
    shell::Program program;
};

std::string Reply(const std::string& headerLines) {
    return "HTTP/1.1 200 OK\r\n" + headerLines + "Content-Length: 0\r\n\r\n";
}

TEST(UpdateCheck, ShowsWhatTheReplySays) {
    const std::optional<MessageBox> upToDate = UpToDateMessage();
    const std::optional<MessageBox> updateAvailable = UpdateAvailableMessage();
    const std::optional<MessageBox> nothing;
    std::string filler;
    for (int line = 2; line <= 10; ++line) filler += "X-Filler: " + std::to_string(line) + "\r\n";
    struct Case {
        const char* name;
        Answer answer;
        std::optional<MessageBox> shown;
    };
    const Case cases[] = {
        {"1 on line 3", Answer::Send(Reply("Server: test\r\nQRZ-upd: 1\r\n")), upToDate},
        {"0 on line 3", Answer::Send(Reply("Server: test\r\nQRZ-upd: 0\r\n")), updateAvailable},
        {"1.7", Answer::Send(Reply("QRZ-upd: 1.7\r\n")), upToDate},
        {"empty value", Answer::Send(Reply("QRZ-upd:\r\n")), updateAvailable},
        {"lower case", Answer::Send(Reply("qrz-upd: 1\r\n")), nothing},
        {"space before colon", Answer::Send(Reply("QRZ-upd : 1\r\n")), nothing},
        {"line 10", Answer::Send(Reply(filler.substr(0, filler.rfind("X-")) + "QRZ-upd: 1\r\n")),
         upToDate},
        {"line 11", Answer::Send(Reply(filler + "QRZ-upd: 1\r\n")), nothing},
        {"past byte 1023",
         Answer::Send(Reply("X-Long: " + std::string(1010, 'a') + "\r\nQRZ-upd: 1\r\n")), nothing},
        {"other status", Answer::Send("HTTP/1.1 404 Not Found\r\nQRZ-upd: 1\r\n\r\n"), upToDate},
        {"no header", Answer::Send(Reply("")), nothing},
        {"closed", Answer::Close(), nothing},
        {"silent", Answer::Silent(), nothing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackServer server(c.answer);
        NetRun run(server);
        run.dialogs.answers = {MessageAnswer::No};

        CheckForUpdates(run.program);

        EXPECT_EQ(server.Targets(), std::vector<std::string>{"/qrz.php?u=update&s=1.60"});
        std::vector<MessageBox> expected;
        if (c.shown) expected.push_back(*c.shown);
        EXPECT_EQ(run.dialogs.shownMessages, expected);
        EXPECT_TRUE(run.browser.opened.empty());
    }
}

TEST(UpdateCheck, MessagesWordForWord) {
    EXPECT_EQ(UpToDateMessage(),
              (MessageBox{"Check for updates", "You already have the latest version.",
                          platform::MessageIcon::Information, platform::MessageButtons::Ok}));
    const MessageBox available = UpdateAvailableMessage();
    EXPECT_EQ(available.title, "Update available");
    EXPECT_EQ(available.text, "An update is available.\nGo to Tessmoor?");
    EXPECT_EQ(available.icon, platform::MessageIcon::Information);
    EXPECT_EQ(available.buttons, platform::MessageButtons::YesNo);
}

TEST(UpdateCheck, YesOpensTheDownloadPage) {
    LoopbackServer server(Answer::Send(Reply("QRZ-upd: 0\r\n")));
    NetRun run(server);
    run.dialogs.answers = {MessageAnswer::Yes};
    CheckForUpdates(run.program);
    EXPECT_EQ(run.browser.opened, std::vector<std::string>{"http://127.0.0.1:1/download"});

    // Without an address from the environment, the built-in page.
    run.environment.variables.erase("QUORVANE_DOWNLOAD_URL");
    run.dialogs.answers = {MessageAnswer::Yes};
    CheckForUpdates(run.program);
    EXPECT_EQ(run.browser.opened.back(), kDownloadPageAddress);
}

TEST(UpdateCheck, WithoutANetworkNothingIsSentOrShown) {
    platform::RecordingNetwork network;
    network.startSucceeds = false;
    network.reply = Reply("QRZ-upd: 0\r\n");
    NetRun run(network);

    CheckForUpdates(run.program);
    EXPECT_TRUE(network.requests.empty());
    EXPECT_TRUE(run.dialogs.shownMessages.empty());
    EXPECT_EQ(run.program.state.networkReady, 0);

    // A failed start is tried again the next time.
    network.startSucceeds = true;
    run.dialogs.answers = {MessageAnswer::No};
    CheckForUpdates(run.program);
    EXPECT_EQ(network.requests,
              std::vector<std::string>{"http://reports.quorvane.invalid/qrz.php?u=update&s=1.60"});
    EXPECT_EQ(run.dialogs.shownMessages, std::vector<MessageBox>{UpdateAvailableMessage()});
    EXPECT_EQ(run.program.state.networkReady, 1);
}

TEST(NetworkStart, StartsOnceAndRetriesAfterAFailure) {
    struct CountingNetwork : platform::RecordingNetwork {
        bool Start() override {
            ++starts;
            return RecordingNetwork::Start();
        }
        int starts = 0;
    } network;
    NetRun run(network);
    network.startSucceeds = false;
    StartNetwork(run.program);
    StartNetwork(run.program);
    EXPECT_EQ(network.starts, 2);
    network.startSucceeds = true;
    StartNetwork(run.program);
    StartNetwork(run.program);
    EXPECT_EQ(network.starts, 3);
    EXPECT_EQ(run.program.state.networkReady, 1);
}

TEST(UsageReport, TriesOnceMoreUnlessTheFirstReplyIs200Ok) {
    struct Case {
        const char* name;
        std::deque<Answer> answers;
        std::size_t requests;
    };
    const Case cases[] = {
        {"200 OK", {Answer::Send("HTTP/1.1 200 OK\r\n\r\n")}, 1},
        {"404", {Answer::Send("HTTP/1.1 404 Not Found\r\n\r\n")}, 2},
        {"closed without answer", {Answer::Close()}, 2},
        {"silent", {Answer::Silent()}, 2},
        {"404 then 200", {Answer::Send("HTTP/1.1 404 Not Found\r\n\r\n")}, 2},
        {"never more than two", {Answer::Close(), Answer::Close(), Answer::Close()}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackServer server;
        server.Script(c.answers);
        NetRun run(server);

        SendUsageReport(run.program, "OK");

        EXPECT_EQ(server.Targets(), std::vector<std::string>(c.requests, "/qrz.php?u=4242&s=OK"));
        EXPECT_TRUE(run.dialogs.shownMessages.empty());
    }
}

TEST(UsageReport, WithoutANetworkNothingIsSent) {
    platform::RecordingNetwork network;
    network.startSucceeds = false;
    NetRun run(network);
    SendUsageReport(run.program, "OK");
    SendExitReport(run.program, 0);
    EXPECT_TRUE(network.requests.empty());
}

TEST(UsageReport, ExitReportCarriesTheRunningTimeAndGamesStarted) {
    LoopbackServer server;
    NetRun run(server);
    run.program.state.runStartTime = 1000;
    run.clock.now = 96400;

    SendExitReport(run.program, 2);
    SendExitReport(run.program, 0);

    EXPECT_EQ(server.Targets(), (std::vector<std::string>{"/qrz.php?u=4242&s=TIME-95.4-PB-2",
                                                          "/qrz.php?u=4242&s=TIME-95.4"}));
}

}  // namespace
}  // namespace quorvane::net
