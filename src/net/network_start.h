// Starting the network services once per run, for the update check and the usage reports.
#pragma once

#include "shell/program.h"

namespace quorvane::net {

// Starts the network services unless they already run; `networkReady` says whether they do.
// A failed start is tried again at the next call.
void StartNetwork(shell::Program& program);

}  // namespace quorvane::net
