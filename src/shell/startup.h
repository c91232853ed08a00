// Start-up and shutdown: the program's fixed sequence from its first step to the event loop.
#pragma once

#include <functional>

#include "discovery/setup_window.h"
#include "platform/toolkit.h"
#include "shell/program.h"
#include "shell/event_loop.h"

namespace quorvane::shell {

inline constexpr float kProgramVersion = 1.6f;

// The entry point: sets up the toolkit and the real services, runs the program in the current
// folder and returns the process's exit code once the program has ended.
int StartProgram(int argc, char** argv);

// Called once the main window is ready, right before the event loop starts (scripted runs).
using LoopStartHook = std::function<void(Windows&)>;

// Runs the start-up sequence and everything after it for one program run; returns the exit
// code when the run ends through EndProgram. The toolkit's application must already exist.
// atSetupWindow is called each time the setup window has opened (scripted runs).
int RunProgram(Program& program, platform::Toolkit& toolkit, const LoopStartHook& atLoopStart = nullptr,
               const discovery::SetupWindowHook& atSetupWindow = nullptr);

// The configuration check of start-up: marks the slots whose file is gone (start-up then opens
// the setup window for them). Fallout_default.ini is tolerated missing when its path is short
// ("" or "null") and the other two files exist.
void CheckConfigFiles(Program& program);

}  // namespace quorvane::shell
