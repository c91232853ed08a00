// The state of one run of the program, in one place: the services it talks to, its working
// folder, its preferences, the start-up state and the setting model.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "catalogue/model.h"
#include "platform/dialogs.h"
#include "platform/network.h"
#include "platform/prefs_file.h"
#include "platform/processes.h"
#include "platform/services.h"
#include "platform/web_browser.h"
#include "shell/program_prefs.h"

namespace quorvane::shell {

struct Services {
    platform::Dialogs& dialogs;
    platform::Clock& clock;
    platform::RandomSource& random;
    platform::Environment& environment;
    platform::Network& network;
    platform::WebBrowser& browser;
    platform::ProcessStarter& processes;
};

struct StartupState {
    float programVersion = 0;
    // 1 = the configuration file of that slot was not found; index 0 is slot 1.
    std::array<std::int32_t, 3> configMissing{};
    std::int32_t prefsLoaded = 0;  // 1 once the preferences have been read
    std::uint32_t runStartTime = 0;
    std::int32_t networkReady = 0;  // 1 once the network services have started
    std::int32_t gamesStarted = 0;  // games started directly by Play in this run, for the exit report
};

class Program {
public:
    Program(Services services, std::filesystem::path workDir)
        : services(services), workDir(std::move(workDir)) {}

    // A path as the program spells it (Windows style, relative to the working folder) on disk.
    std::filesystem::path Native(std::string_view programPath) const;

    Services services;
    const std::filesystem::path workDir;
    platform::PrefsFile prefsFile;  // the one open preferences set, if any
    ProgramPrefs prefs;
    StartupState state;
    catalogue::Catalogue catalogue;
};

// Thrown by EndProgram and caught where the run began, so that every window and service is
// released on the way out and the run ends with its exit code.
struct ProgramEnded {
    int exitCode = 0;
};

// Opens QRZprefs.ini and, only if that succeeds, writes all twelve keys into it. Does nothing,
// silently, when the file cannot be opened (read-only mode).
void SaveProgramPrefs(Program& program);

// The single way a run ends: releases what the run holds and ends it with exit code 0.
[[noreturn]] void EndProgram(Program& program);

}  // namespace quorvane::shell
