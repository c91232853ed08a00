#include "report-server/report_service.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <fstream>
#include <string_view>

namespace quorvane::reportserver {

namespace {

constexpr std::size_t kLongestValue = 64;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The program's report texts use letters, digits, minus signs and dots only; holding every
// value to that keeps the log one line per report whatever a client sends.
bool IsPlainValue(std::string_view value) {
    if (value.empty() || value.size() > kLongestValue) return false;
    for (char c : value) {
        bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!letter && !IsDigit(c) && c != '-' && c != '.') return false;
    }
    return true;
}

std::string Status(std::string_view status, std::string_view extraHeader = {}) {
    std::string reply = "HTTP/1.1 " + std::string(status) + "\r\n";
    reply += extraHeader;
    reply += "Content-Length: 0\r\nConnection: close\r\n\r\n";
    return reply;
}

// A version text as a number; false when it is not one.
bool ReadVersion(std::string_view text, double& version) {
    auto result = std::from_chars(text.data(), text.data() + text.size(), version);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

std::string UtcNow() {
    std::time_t now = std::time(nullptr);
    std::tm parts{};
    gmtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

}  // namespace

ReportQuery ParseReportQuery(const std::string& request) {
    ReportQuery query;
    std::string_view line(request);
    line = line.substr(0, line.find("\r\n"));
    // "HEAD /qrz.php?u=...&s=... HTTP/1.1"; GET is answered alike, for a browser's sake.
    const std::size_t methodEnd = line.find(' ');
    const std::size_t targetEnd = line.rfind(' ');
    if (methodEnd == std::string_view::npos || targetEnd <= methodEnd) return query;
    const std::string_view method = line.substr(0, methodEnd);
    if (method != "HEAD" && method != "GET") return query;
    const std::string_view target = line.substr(methodEnd + 1, targetEnd - methodEnd - 1);
    const std::size_t question = target.find('?');
    const std::string_view path = target.substr(0, question);
    if (question == std::string_view::npos || !path.ends_with("/qrz.php")) return query;

    bool haveU = false, haveS = false;
    std::string_view rest = target.substr(question + 1);
    while (!rest.empty()) {
        const std::string_view pair = rest.substr(0, rest.find('&'));
        rest.remove_prefix(std::min(rest.size(), pair.size() + 1));
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) return query;
        const std::string_view key = pair.substr(0, equals), value = pair.substr(equals + 1);
        if (!IsPlainValue(value)) return query;
        bool& seen = key == "u" ? haveU : haveS;
        if ((key != "u" && key != "s") || seen) return query;
        (key == "u" ? query.u : query.s) = value;
        seen = true;
    }
    query.valid = haveU && haveS;
    return query;
}

Answer ReportService::Reply(const std::string& request) const {
    const ReportQuery query = ParseReportQuery(request);
    if (!query.valid) return Answer::Send(Status("400 Bad Request"));
    if (query.u == "update") {
        double sent = 0, latest = 0;
        if (!ReadVersion(query.s, sent) || !ReadVersion(settings_.latestVersion, latest)) {
            return Answer::Send(Status("400 Bad Request"));
        }
        return Answer::Send(Status("200 OK", sent >= latest ? "QRZ-upd: 1\r\n" : "QRZ-upd: 0\r\n"));
    }
    const bool number = std::all_of(query.u.begin(), query.u.end(), IsDigit);
    if (!number) return Answer::Send(Status("400 Bad Request"));
    if (!Log(query.u, query.s)) return Answer::Send(Status("500 Internal Server Error"));
    return Answer::Send(Status("200 OK"));
}

bool ReportService::Log(const std::string& id, const std::string& text) const {
    std::ofstream log(settings_.logFile, std::ios::binary | std::ios::app);
    log << UtcNow() << ' ' << id << ' ' << text << '\n';
    log.flush();
    return static_cast<bool>(log);
}

}  // namespace quorvane::reportserver
