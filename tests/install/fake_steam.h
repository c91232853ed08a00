// Fake Steam installations in a test folder: roots, library lists, the game's folder and
// Proton prefixes shaped as Steam and Proton leave them.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/services.h"

namespace quorvane::testing {

// Bigger than the stub Steam leaves before the game first ran, as a real copy is.
inline constexpr std::size_t kDefaultIniBytes = 6000;

struct FakeSteam {
    explicit FakeSteam(const std::filesystem::path& folder);

    // Where the ordinary Steam keeps its data.
    std::filesystem::path NativeRoot() const { return home / ".local/share/Steam"; }

    // A Steam root folder, and ~/.steam/steam linking to it when asked.
    void AddRoot(const std::filesystem::path& root, bool linkFromDotSteam = false) const;
    // The root's libraryfolders.vdf, in Steam's current form, listing the root and `others`.
    void ListLibraries(const std::filesystem::path& root,
                       const std::vector<std::string>& others) const;
    // The game folder with FalloutNV.exe and Fallout_default.ini, under `steamapps` as spelled.
    std::filesystem::path AddGame(const std::filesystem::path& library,
                                  const std::string& steamapps = "steamapps",
                                  bool withExecutable = true) const;
    // A prefix for the game; with settings, the game has run and left its INI files. The prefix's
    // registry and settings were last changed `age` ago.
    std::filesystem::path AddPrefix(const std::filesystem::path& library,
                                    const std::string& documents = "Documents",
                                    bool withSettings = true,
                                    std::chrono::hours age = std::chrono::hours(1),
                                    const std::string& steamapps = "steamapps") const;

    std::filesystem::path home;
    platform::MapEnvironment environment;  // HOME set to `home`
};

}  // namespace quorvane::testing
