// A small HTTP server for HEAD requests on plain POSIX sockets: it reads each request's header
// and lets a handler decide the answer. The report server is built on it, and so are the tests'
// loopback servers, which record every request and answer as told.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quorvane::reportserver {

struct Answer {
    enum class Kind { Send, CloseWithoutAnswer, Silent };

    static Answer Send(std::string bytes) { return {Kind::Send, std::move(bytes)}; }
    static Answer Close() { return {Kind::CloseWithoutAnswer, {}}; }
    // Sends `bytes` (possibly none), then keeps the connection open without another word
    // until the server stops.
    static Answer Silent(std::string bytes = {}) { return {Kind::Silent, std::move(bytes)}; }

    Kind kind = Kind::Send;
    std::string bytes;
};

// Given the request as received (up to its blank line), returns what to do with it.
using Handler = std::function<Answer(const std::string& request)>;

class HeadServer {
public:
    // Listens on the IPv4 address and port; port 0 takes any free one. Throws
    // std::runtime_error when it cannot listen.
    HeadServer(const std::string& address, std::uint16_t port, Handler handler);
    ~HeadServer();
    HeadServer(const HeadServer&) = delete;
    HeadServer& operator=(const HeadServer&) = delete;

    std::uint16_t port() const { return port_; }

    // Answers connections one at a time until Stop is called.
    void Serve();
    // Ends Serve; may be called from any thread.
    void Stop();

    // A client gets this long to send its request header; longer than any HTTP client takes.
    std::chrono::milliseconds requestTimeout{5000};

private:
    void HandleConnection(int connection);

    Handler handler_;
    int listener_ = -1;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::uint16_t port_ = 0;
    std::vector<int> silentConnections_;
};

// Reads a request header from a connected socket: up to and including its blank line, at most
// kMaxRequestBytes, within `timeout`. What was read by then, when it ends early.
inline constexpr std::size_t kMaxRequestBytes = 8192;
std::string ReadRequest(int connection, std::chrono::milliseconds timeout);

}  // namespace quorvane::reportserver
