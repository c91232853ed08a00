// What reading and writing the game's INI files use of a program run: the model, the
// configured paths, the working folder, the dialogs and the environment. Tests make one from
// parts of their own; the program takes it from its run.
#pragma once

#include <filesystem>
#include <string_view>

#include "catalogue/model.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "shell/program.h"
#include "shell/program_prefs.h"

namespace quorvane::gameconfig {

struct GameFiles {
    catalogue::Catalogue& catalogue;
    const shell::GameConfigSet& config;  // the path of each slot's file, as the program spells it
    std::filesystem::path workDir;       // relative program paths start here
    platform::Dialogs& dialogs;
    platform::Environment& environment;  // names the temporary folder

    static GameFiles Of(shell::Program& program);
    // A program path (Windows spelling, relative to the working folder) on disk; "" stays "".
    std::filesystem::path Native(std::string_view programPath) const;
};

}  // namespace quorvane::gameconfig
