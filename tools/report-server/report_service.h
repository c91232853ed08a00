// The report server's answers: "u=update" gets a QRZ-upd header that says whether the version
// sent is the latest one; every other report is appended to a log file.
#pragma once

#include <filesystem>
#include <string>

#include "report-server/head_server.h"

namespace quorvane::reportserver {

struct ReportServiceSettings {
    // The newest version of the program, as it sends its own: "1.60".
    std::string latestVersion = "1.60";
    // One line per report: UTC time, installation number, report text.
    std::filesystem::path logFile = "reports.log";
};

class ReportService {
public:
    explicit ReportService(ReportServiceSettings settings) : settings_(std::move(settings)) {}

    // The answer to one request as the client sent it.
    Answer Reply(const std::string& request) const;

private:
    bool Log(const std::string& id, const std::string& text) const;

    ReportServiceSettings settings_;
};

// The parts of a report request: the query's "u" and "s" values. Anything the program would
// never send leaves `valid` false.
struct ReportQuery {
    bool valid = false;
    std::string u;
    std::string s;
};
ReportQuery ParseReportQuery(const std::string& request);

}  // namespace quorvane::reportserver
