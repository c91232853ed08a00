// Start-up and shutdown: the program's fixed sequence from its first step to the event loop.
#pragma once

#include "shell/program.h"

namespace quorvane::shell {

inline constexpr float kProgramVersion = 1.6f;

// The entry point: sets up the toolkit and the real services, runs the program in the current
// folder and returns the process's exit code once the program has ended.
int StartProgram(int argc, char** argv);

// Runs the start-up sequence and everything after it for one program run; returns the exit
// code when the run ends through EndProgram. The toolkit must already be set up.
int RunProgram(Program& program);

// The configuration check of start-up: marks the slots whose file is gone. Fallout_default.ini
// is tolerated missing when its path is short ("" or "null") and the other two files exist.
void CheckConfigFiles(Program& program);

}  // namespace quorvane::shell
