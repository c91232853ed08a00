#include "net/network_start.h"

namespace quorvane::net {

void StartNetwork(shell::Program& program) {
    if (program.state.networkReady == 1) return;
    program.state.networkReady = program.services.network.Start() ? 1 : 0;
}

}  // namespace quorvane::net
