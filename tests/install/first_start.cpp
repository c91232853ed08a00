#include "first_start.h"

#include "discovery/discovery.h"
#include "platform/dialogs.h"
#include "platform/network.h"
#include "platform/processes.h"
#include "platform/services.h"
#include "platform/web_browser.h"
#include "shell/program.h"

namespace fs = std::filesystem;

namespace quorvane::testing {

FirstStartFinds FindFromHints(const fs::path& workingFolder) {
    // The program's own discovery, on a run in the installed folder that opens no window.
    platform::ScriptedDialogs dialogs;
    platform::ManualClock clock;
    platform::FixedRandom random{0};
    platform::MapEnvironment environment;
    platform::RecordingNetwork network;
    platform::RecordingWebBrowser browser;
    platform::RecordingProcessStarter processes;
    shell::Program program({dialogs, clock, random, environment, network, browser, processes}, workingFolder);
    const discovery::SetupHints hints = discovery::DiscoverConfigFiles(program);
    discovery::FindGameExecutable(program, hints);
    const auto& missing = program.state.configMissing;
    return {missing[0] == 0, missing[1] == 0, missing[2] == 0, !program.prefs.gamePath.empty()};
}

}  // namespace quorvane::testing
