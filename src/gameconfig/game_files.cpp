#include "gameconfig/game_files.h"

#include "platform/files.h"

namespace quorvane::gameconfig {

GameFiles GameFiles::Of(shell::Program& program) {
    return {program.catalogue, program.prefs.config, program.workDir, program.services.dialogs,
            program.services.environment};
}

std::filesystem::path GameFiles::Native(std::string_view programPath) const {
    return platform::NativePath(programPath, workDir);
}

}  // namespace quorvane::gameconfig
