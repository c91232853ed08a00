// The network on libcurl. libcurl's plain HEAD request carries only the Host and Accept
// headers, which is all the report server expects.
#pragma once

#include <chrono>
#include <string>

#include "platform/network.h"

namespace quorvane::platform {

struct HttpTimeouts {
    // From the connection being made until the request has been handed over.
    std::chrono::milliseconds send{30000};
    // From the request being sent until the reply header is complete. Whatever arrived by
    // then is the reply.
    std::chrono::milliseconds reply{30000};
};

class CurlNetwork : public Network {
public:
    explicit CurlNetwork(HttpTimeouts timeouts = {});
    ~CurlNetwork() override;
    CurlNetwork(const CurlNetwork&) = delete;
    CurlNetwork& operator=(const CurlNetwork&) = delete;

    bool Start() override;
    // The connection attempt itself is bounded by the system's own time-out; the request and
    // the reply by `timeouts`.
    std::string Head(const std::string& address) override;

private:
    HttpTimeouts timeouts_;
    bool started_ = false;
};

}  // namespace quorvane::platform
