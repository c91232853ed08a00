// The program's one use of the network: an HTTP HEAD request whose reply header it reads. The
// update check and the usage reports go through this interface, so tests can aim them at a
// loopback server or take the network away.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quorvane::platform {

// The most of a reply header the program looks at; the rest is never read.
inline constexpr std::size_t kMaxReplyBytes = 1023;

class Network {
public:
    virtual ~Network() = default;
    // Starts the system's network services; true when they are ready. A failed start may be
    // tried again later.
    virtual bool Start() = 0;
    // Sends an HTTP/1.1 HEAD request for the address's path and query, with only the Host and
    // "Accept: */*" headers, and returns the reply's header text as received (status line
    // first), cut to kMaxReplyBytes; "" on any failure.
    virtual std::string Head(const std::string& address) = 0;
};

// Test stand-in: records every address asked for and answers each with `reply`.
class RecordingNetwork : public Network {
public:
    bool Start() override { return startSucceeds; }
    std::string Head(const std::string& address) override {
        requests.push_back(address);
        return reply;
    }

    bool startSucceeds = true;
    std::string reply = "HTTP/1.1 200 OK\r\n\r\n";
    std::vector<std::string> requests;
};

}  // namespace quorvane::platform
