#include "net/usage_reports.h"

#include "net/network_start.h"
#include "net/replies.h"
#include "net/report_texts.h"
#include "net/server_addresses.h"

namespace quorvane::net {

void SendUsageReport(shell::Program& program, std::string_view text) {
    auto& services = program.services;
    StartNetwork(program);
    if (program.state.networkReady != 1) return;

    const std::string address =
        UsageReportAddress(ReportServerBase(services.environment), program.prefs.id, text);
    if (ReportAccepted(services.network.Head(address))) return;
    services.network.Head(address);  // one retry, whatever it brings
}

void SendExitReport(shell::Program& program, int gamesStarted) {
    SendUsageReport(program, ExitReportText(program.state.runStartTime,
                                            program.services.clock.TickMs(), gamesStarted));
}

}  // namespace quorvane::net
