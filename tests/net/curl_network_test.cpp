#include "platform/curl_network.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>

#include "loopback_server.h"

namespace quorvane::platform {
namespace {

using namespace std::chrono_literals;
using testing::Answer;
using testing::LoopbackServer;

constexpr HttpTimeouts kShortTimeouts{500ms, 300ms};

std::string Address(const LoopbackServer& server) {
    return server.BaseAddress() + "qrz.php?u=update&s=1.60";
}

TEST(CurlNetwork, SendsAPlainHeadRequest) {
    LoopbackServer server;
    CurlNetwork network;
    ASSERT_TRUE(network.Start());
    // A proxy named by the environment must not change where or what is sent.
    ::setenv("http_proxy", "http://127.0.0.1:9/", 1);
    network.Head(Address(server));
    ::unsetenv("http_proxy");

    const std::string host = "127.0.0.1:" + std::to_string(server.port());
    EXPECT_EQ(server.Requests(),
              std::vector<std::string>{"HEAD /qrz.php?u=update&s=1.60 HTTP/1.1\r\nHost: " + host +
                                       "\r\nAccept: */*\r\n\r\n"});
}

TEST(CurlNetwork, ReturnsTheReplyHeaderAsReceived) {
    const std::string reply =
        "HTTP/1.1 200 OK\r\nQRZ-upd: 1\r\nX-Odd:  spaced  \r\nContent-Length: 0\r\n\r\n";
    LoopbackServer server(Answer::Send(reply));
    CurlNetwork network;
    ASSERT_TRUE(network.Start());
    EXPECT_EQ(network.Head(Address(server)), reply);
}

TEST(CurlNetwork, KeepsOnlyTheFirst1023Bytes) {
    const std::string reply =
        "HTTP/1.1 200 OK\r\nX-Long: " + std::string(1500, 'a') + "\r\nQRZ-upd: 1\r\n\r\n";
    LoopbackServer server(Answer::Send(reply));
    CurlNetwork network;
    ASSERT_TRUE(network.Start());
    EXPECT_EQ(network.Head(Address(server)), reply.substr(0, kMaxReplyBytes));
}

TEST(CurlNetwork, FailuresGiveTheEmptyText) {
    CurlNetwork network(kShortTimeouts);
    ASSERT_TRUE(network.Start());

    std::string refused;
    {
        LoopbackServer gone;
        refused = Address(gone);
    }
    EXPECT_EQ(network.Head(refused), "") << "connection refused";

    for (Answer answer : {Answer::Close(), Answer::Send("not a web server\r\n\r\n")}) {
        LoopbackServer server(answer);
        EXPECT_EQ(network.Head(Address(server)), "") << answer.bytes;
        EXPECT_EQ(server.Requests().size(), 1u);
    }

    // Only plain http is spoken, whatever address the environment supplies.
    LoopbackServer server;
    const std::string hostAndPath = "127.0.0.1:" + std::to_string(server.port()) + "/qrz.php";
    for (std::string address :
         {"https://" + hostAndPath, "ftp://" + hostAndPath, std::string("file:///etc/hostname"),
          std::string("not an address")}) {
        EXPECT_EQ(network.Head(address), "") << address;
    }
    EXPECT_TRUE(server.Requests().empty());
}

TEST(CurlNetwork, SendsNothingBeforeItIsStarted) {
    LoopbackServer server;
    CurlNetwork network;
    EXPECT_EQ(network.Head(Address(server)), "");
    EXPECT_TRUE(server.Requests().empty());
}

TEST(CurlNetwork, ASilentServerIsGivenUpAfterTheReplyTimeout) {
    struct Case {
        Answer answer;
        std::string reply;
    };
    // What arrived before the server fell silent is the reply.
    const Case cases[] = {{Answer::Silent(), ""},
                          {Answer::Silent("HTTP/1.1 200 OK\r\n"), "HTTP/1.1 200 OK\r\n"}};
    for (const Case& c : cases) {
        LoopbackServer server(c.answer);
        CurlNetwork network(kShortTimeouts);
        ASSERT_TRUE(network.Start());
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(network.Head(Address(server)), c.reply);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_GE(took, kShortTimeouts.reply);
        EXPECT_LT(took, 3s);
    }
}

}  // namespace
}  // namespace quorvane::platform
