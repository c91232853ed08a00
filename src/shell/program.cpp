#include "shell/program.h"

#include "platform/files.h"

namespace quorvane::shell {

std::filesystem::path Program::Native(std::string_view programPath) const {
    return platform::NativePath(programPath, workDir);
}

void SaveProgramPrefs(Program& program) {
    if (!program.prefsFile.Open(program.Native(kPrefsFileName))) return;
    WriteProgramPrefs(program.prefsFile, program.prefs);
    program.prefsFile.Close();
}

void EndProgram(Program& program) {
    program.prefsFile.Close();
    throw ProgramEnded{0};
}

}  // namespace quorvane::shell
