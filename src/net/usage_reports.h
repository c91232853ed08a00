// Usage reports: short texts about a run, sent to the report server and never shown. The
// caller waits until the report has been sent or has failed.
#pragma once

#include <string_view>

#include "shell/program.h"

namespace quorvane::net {

// Sends the report with the run's installation number; tries once more when the first reply
// is not "200 OK". Nothing is sent when the network cannot be started.
void SendUsageReport(shell::Program& program, std::string_view text);

// The exit report, sent once the main window has closed: the running time since the event
// loop started and, when there were any, the number of games started from Play.
void SendExitReport(shell::Program& program, int gamesStarted);

}  // namespace quorvane::net
