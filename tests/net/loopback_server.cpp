#include "loopback_server.h"

namespace quorvane::testing {

LoopbackServer::LoopbackServer(Answer standing) : standing_(std::move(standing)) {
    Start();
}

LoopbackServer::LoopbackServer(reportserver::Handler handler) : handler_(std::move(handler)) {
    Start();
}

void LoopbackServer::Start() {
    server_ = std::make_unique<reportserver::HeadServer>(
        "127.0.0.1", 0, [this](const std::string& request) { return Next(request); });
    thread_ = std::thread([this] { server_->Serve(); });
}

LoopbackServer::~LoopbackServer() {
    server_->Stop();
    thread_.join();
}

std::string LoopbackServer::BaseAddress() const {
    return "http://127.0.0.1:" + std::to_string(port()) + "/";
}

void LoopbackServer::Script(std::deque<Answer> answers) {
    std::lock_guard lock(mutex_);
    script_ = std::move(answers);
}

std::vector<std::string> LoopbackServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

std::vector<std::string> LoopbackServer::Targets() const {
    std::vector<std::string> targets;
    for (const std::string& request : Requests()) {
        const std::size_t start = request.find(' ') + 1;
        targets.push_back(request.substr(start, request.find(' ', start) - start));
    }
    return targets;
}

Answer LoopbackServer::Next(const std::string& request) {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
    if (handler_) return handler_(request);
    if (script_.empty()) return standing_;
    Answer next = std::move(script_.front());
    script_.pop_front();
    return next;
}

}  // namespace quorvane::testing
