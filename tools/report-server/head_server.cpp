#include "report-server/head_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace quorvane::reportserver {

namespace {

using SteadyClock = std::chrono::steady_clock;

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what + " failed (errno " + std::to_string(errno) + ")");
}

void SendAll(int connection, const std::string& bytes) {
    for (std::size_t sent = 0; sent < bytes.size();) {
        ssize_t n = ::send(connection, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;  // the client has gone; nothing more to tell it
        sent += static_cast<std::size_t>(n);
    }
}

}  // namespace

std::string ReadRequest(int connection, std::chrono::milliseconds timeout) {
    const auto deadline = SteadyClock::now() + timeout;
    std::string request;
    while (request.size() < kMaxRequestBytes && request.find("\r\n\r\n") == std::string::npos) {
        auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - SteadyClock::now());
        if (left.count() <= 0) break;
        pollfd waitFor{connection, POLLIN, 0};
        int ready = ::poll(&waitFor, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) break;
        char buffer[1024];
        const std::size_t room = std::min(sizeof buffer, kMaxRequestBytes - request.size());
        ssize_t n = ::recv(connection, buffer, room, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        request.append(buffer, static_cast<std::size_t>(n));
    }
    return request;
}

HeadServer::HeadServer(const std::string& address, std::uint16_t port, Handler handler)
    : handler_(std::move(handler)) {
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(port);
    if (::inet_pton(AF_INET, address.c_str(), &where.sin_addr) != 1) {
        throw std::runtime_error("not an IPv4 address: " + address);
    }
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) Fail("pipe");
    wakeRead_ = pipeEnds[0];
    wakeWrite_ = pipeEnds[1];
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener_ < 0) Fail("socket");
    int reuse = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0) Fail("bind");
    if (::listen(listener_, 16) != 0) Fail("listen");
    socklen_t length = sizeof where;
    if (::getsockname(listener_, reinterpret_cast<sockaddr*>(&where), &length) != 0) {
        Fail("getsockname");
    }
    port_ = ntohs(where.sin_port);
}

HeadServer::~HeadServer() {
    for (int connection : silentConnections_) ::close(connection);
    for (int fd : {listener_, wakeRead_, wakeWrite_}) {
        if (fd >= 0) ::close(fd);
    }
}

void HeadServer::Serve() {
    for (;;) {
        pollfd waitFor[2] = {{listener_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        if (::poll(waitFor, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (waitFor[1].revents != 0) return;
        if (waitFor[0].revents == 0) continue;
        int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0) HandleConnection(connection);
    }
}

void HeadServer::Stop() {
    const char wake = 1;
    // A full pipe already holds a wake-up, so a failed write loses nothing.
    [[maybe_unused]] ssize_t n = ::write(wakeWrite_, &wake, 1);
}

void HeadServer::HandleConnection(int connection) {
    Answer answer = handler_(ReadRequest(connection, requestTimeout));
    SendAll(connection, answer.bytes);
    if (answer.kind == Answer::Kind::Silent) {
        silentConnections_.push_back(connection);
        return;
    }
    ::close(connection);
}

}  // namespace quorvane::reportserver
