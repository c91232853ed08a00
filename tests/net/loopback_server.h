// A report server stand-in on a loopback port, serving from its own thread: it records every
// request byte for byte and answers from a script, then with a standing answer.
#pragma once

#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "report-server/head_server.h"

namespace quorvane::testing {

using reportserver::Answer;

class LoopbackServer {
public:
    // Answers every request with `standing` once the script has run out.
    explicit LoopbackServer(Answer standing = Answer::Send("HTTP/1.1 200 OK\r\n\r\n"));
    // Serves with a handler of the caller's, e.g. the real report service.
    explicit LoopbackServer(reportserver::Handler handler);
    ~LoopbackServer();

    // "http://127.0.0.1:<port>/"
    std::string BaseAddress() const;
    std::uint16_t port() const { return server_->port(); }

    // Answers for the next requests, in order.
    void Script(std::deque<Answer> answers);
    // Every request received so far, as received.
    std::vector<std::string> Requests() const;
    // The request targets ("/qrz.php?u=...") of every request received so far.
    std::vector<std::string> Targets() const;

private:
    void Start();
    Answer Next(const std::string& request);

    mutable std::mutex mutex_;
    std::deque<Answer> script_;
    Answer standing_;
    std::vector<std::string> requests_;
    reportserver::Handler handler_;
    std::unique_ptr<reportserver::HeadServer> server_;
    std::thread thread_;
};

}  // namespace quorvane::testing
