// One program run in a working folder with the services tests want (service_doubles.h) and a
// real (offscreen) toolkit.
#pragma once

#include <filesystem>

#include "platform/dialogs.h"
#include "platform/network.h"
#include "platform/processes.h"
#include "platform/services.h"
#include "platform/toolkit.h"
#include "platform/web_browser.h"
#include "shell/event_loop.h"
#include "shell/program.h"
#include "shell/startup.h"
#include "support/service_doubles.h"

namespace quorvane::testing {

struct FakeRun : ServiceDoubles {
    explicit FakeRun(const std::filesystem::path& folder) : program(Services(), folder) {}

    // Runs the program; `script` acts once the event loop is about to start, then the main
    // window's close box ends the run. Returns the exit code.
    int Run(const shell::LoopStartHook& script = nullptr) {
        return shell::RunProgram(
            program, toolkit,
            [&](shell::Windows& windows) {
                if (script) script(windows);
                toolkit.PostEvent({platform::EventKind::Close, windows.main.window, 0, platform::EventType::None});
            },
            atSetupWindow);
    }

    // Posts `event` (a wake-up by default) and runs passes of the event loop until every
    // queued event, the toolkit's own included, has been handled.
    void Pass(shell::Windows& windows, platform::Event event = {platform::EventKind::Other}) {
        toolkit.PostEvent(event);
        do {
            shell::EventLoopPass(program, windows);
        } while (toolkit.PendingEvents() > 0);
    }

    platform::Toolkit toolkit;
    shell::Program program;
    // Acts each time the setup window opens, e.g. by posting clicks on its buttons. Without it a
    // run that opens the setup window would wait there for ever, so the default closes it.
    discovery::SetupWindowHook atSetupWindow = [this](const discovery::SetupWindow& setup) {
        toolkit.PostEvent({platform::EventKind::Close, setup.window, 0, platform::EventType::None});
    };
};

}  // namespace quorvane::testing
