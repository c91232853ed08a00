#include "platform/curl_network.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace quorvane::platform {

namespace {

using SteadyClock = std::chrono::steady_clock;

// What one request has seen so far: the reply header and when each phase began. The phases
// are learnt from libcurl's callbacks; the deadlines are checked by the transfer loop.
class Exchange {
public:
    explicit Exchange(const HttpTimeouts& timeouts) : timeouts_(timeouts) {}

    void Connected() { connectedAt_ = SteadyClock::now(); }
    void RequestSent() {
        if (!sentAt_) sentAt_ = SteadyClock::now();
    }
    // Keeps what fits of one received header line; false once the reply is full.
    bool Received(const char* data, std::size_t size) {
        const std::size_t room = kMaxReplyBytes - reply_.size();
        reply_.append(data, std::min(size, room));
        return size < room;
    }

    // The moment the current phase gives up; none while connecting. Should libcurl never
    // report the request as sent, the send time-out still ends the wait.
    std::optional<SteadyClock::time_point> Deadline() const {
        if (sentAt_) return *sentAt_ + timeouts_.reply;
        if (connectedAt_) return *connectedAt_ + timeouts_.send;
        return std::nullopt;
    }

    const std::string& reply() const { return reply_; }

private:
    HttpTimeouts timeouts_;
    std::optional<SteadyClock::time_point> connectedAt_;
    std::optional<SteadyClock::time_point> sentAt_;
    std::string reply_;
};

int OnConnected(void* exchange, char*, char*, int, int) {
    static_cast<Exchange*>(exchange)->Connected();
    return CURL_PREREQFUNC_OK;
}

int OnDebug(CURL*, curl_infotype type, char*, std::size_t, void* exchange) {
    if (type == CURLINFO_HEADER_OUT) static_cast<Exchange*>(exchange)->RequestSent();
    return 0;
}

std::size_t OnHeaderLine(char* data, std::size_t size, std::size_t count, void* exchange) {
    // Returning less than was given ends the transfer: nothing past the limit is read.
    return static_cast<Exchange*>(exchange)->Received(data, size * count) ? size * count : 0;
}

struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct MultiDeleter {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};

bool Configure(CURL* easy, const std::string& address, Exchange& exchange) {
    bool ok = true;
    auto set = [&](CURLoption option, auto value) {
        ok = ok && curl_easy_setopt(easy, option, value) == CURLE_OK;
    };
    set(CURLOPT_URL, address.c_str());
    set(CURLOPT_NOBODY, 1L);  // HEAD
    set(CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    set(CURLOPT_PROTOCOLS_STR, "http");
    // Straight to the server, as addressed: a proxy from the environment would change the request.
    set(CURLOPT_PROXY, "");
    set(CURLOPT_NOSIGNAL, 1L);
    set(CURLOPT_FORBID_REUSE, 1L);
    set(CURLOPT_PREREQFUNCTION, &OnConnected);
    set(CURLOPT_PREREQDATA, static_cast<void*>(&exchange));
    // The debug hook is how libcurl tells when the request has gone out; nothing is printed.
    set(CURLOPT_DEBUGFUNCTION, &OnDebug);
    set(CURLOPT_DEBUGDATA, static_cast<void*>(&exchange));
    set(CURLOPT_VERBOSE, 1L);
    set(CURLOPT_HEADERFUNCTION, &OnHeaderLine);
    set(CURLOPT_HEADERDATA, static_cast<void*>(&exchange));
    return ok;
}

// Drives the transfer until it ends or its current phase runs out of time.
void RunTransfer(CURLM* multi, const Exchange& exchange) {
    constexpr int kLongestWaitMs = 100;
    for (int running = 1; running > 0;) {
        if (curl_multi_perform(multi, &running) != CURLM_OK || running == 0) return;
        int waitMs = kLongestWaitMs;
        if (auto deadline = exchange.Deadline()) {
            auto left =
                std::chrono::ceil<std::chrono::milliseconds>(*deadline - SteadyClock::now());
            if (left.count() <= 0) return;
            waitMs =
                static_cast<int>(std::min<std::chrono::milliseconds::rep>(left.count(), waitMs));
        }
        if (curl_multi_poll(multi, nullptr, 0, waitMs, nullptr) != CURLM_OK) return;
    }
}

}  // namespace

CurlNetwork::CurlNetwork(HttpTimeouts timeouts) : timeouts_(timeouts) {}

CurlNetwork::~CurlNetwork() {
    if (started_) curl_global_cleanup();
}

bool CurlNetwork::Start() {
    if (!started_) started_ = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return started_;
}

std::string CurlNetwork::Head(const std::string& address) {
    if (!started_) return {};
    Exchange exchange(timeouts_);
    std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    std::unique_ptr<CURLM, MultiDeleter> multi(curl_multi_init());
    if (!easy || !multi || !Configure(easy.get(), address, exchange)) return {};
    if (curl_multi_add_handle(multi.get(), easy.get()) != CURLM_OK) return {};
    RunTransfer(multi.get(), exchange);
    curl_multi_remove_handle(multi.get(), easy.get());
    // A reply cut short still counts as what was received; no reply at all is a failure.
    return exchange.reply();
}

}  // namespace quorvane::platform
