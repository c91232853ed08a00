// The services of a program run as tests want them: scripted dialogs, a frozen clock, a fixed
// random number, an environment of their own, and a network, browser and process start that
// only record what they were asked.
#pragma once

#include "platform/dialogs.h"
#include "platform/network.h"
#include "platform/processes.h"
#include "platform/services.h"
#include "platform/web_browser.h"
#include "shell/program.h"

namespace quorvane::testing {

struct ServiceDoubles {
    // The services, with `otherNetwork` (a real client, say) in place of the recording one.
    shell::Services Services(platform::Network* otherNetwork = nullptr) {
        return {dialogs, clock, random, environment, otherNetwork ? *otherNetwork : network, browser, processes};
    }

    platform::ScriptedDialogs dialogs;
    platform::ManualClock clock;
    platform::FixedRandom random{4242};
    platform::MapEnvironment environment;
    platform::RecordingNetwork network;
    platform::RecordingWebBrowser browser;
    platform::RecordingProcessStarter processes;
};

}  // namespace quorvane::testing
