// How the game is started from the path of its executable, by the rules of the host system.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/processes.h"

namespace quorvane::launcher {

// Steam's own way to start Fallout: New Vegas (app id 22380), whichever way Steam is installed.
inline constexpr const char* kSteamRunAddress = "steam://rungameid/22380";

// Either an address for the desktop's handler or a program to start.
struct GameCommand {
    std::string address;  // when not empty, opened instead of starting `process`
    platform::ProcessStart process;

    bool operator==(const GameCommand&) const = default;
};

// The folder part of a program path: everything up to and including its last "\" or "/";
// "" when it has none.
std::string_view FolderPart(std::string_view path);

// On Windows the executable starts by itself. Elsewhere a Windows executable (".exe", any
// letter case) inside a Steam library ("steamapps/common/", any letter case) is started by
// Steam, so Proton runs it; any other ".exe" runs under "wine"; anything else starts by
// itself. `gamePath` is the path as the program keeps it, `executable` and `workingFolder`
// its native forms.
GameCommand GameStartCommand(std::string_view gamePath, const std::filesystem::path& executable,
                             const std::filesystem::path& workingFolder, platform::HostSystem host);

}  // namespace quorvane::launcher
