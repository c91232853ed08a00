#include "first_start.h"

#include "discovery/discovery.h"
#include "shell/program.h"
#include "support/service_doubles.h"

namespace fs = std::filesystem;

namespace quorvane::testing {

FirstStartFinds FindFromHints(const fs::path& workingFolder) {
    // The program's own discovery, on a run in the installed folder that opens no window.
    ServiceDoubles services;
    shell::Program program(services.Services(), workingFolder);
    const discovery::SetupHints hints = discovery::DiscoverConfigFiles(program);
    discovery::FindGameExecutable(program, hints);
    const auto& missing = program.state.configMissing;
    return {missing[0] == 0, missing[1] == 0, missing[2] == 0, !program.prefs.gamePath.empty()};
}

}  // namespace quorvane::testing
