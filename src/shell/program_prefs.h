// The program's own preferences, kept in QRZprefs.ini in the working folder.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quorvane::platform {
class PrefsFile;
}

namespace quorvane::shell {

inline constexpr const char* kPrefsFileName = "QRZprefs.ini";

// The paths of the game's three configuration files, by slot: 1 Fallout.ini,
// 2 FalloutPrefs.ini, 3 Fallout_default.ini.
struct GameConfigSet {
    std::array<std::string, 3> paths;

    std::string& operator[](int slot) { return paths.at(static_cast<std::size_t>(slot - 1)); }
    const std::string& operator[](int slot) const {
        return paths.at(static_cast<std::size_t>(slot - 1));
    }
};

struct ProgramPrefs {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::string useFontName;
    std::int32_t useFontSize = 0;
    GameConfigSet config;
    std::string gamePath;
    std::int32_t bpSave = 0;
    std::int32_t bpExit = 0;
    std::int32_t tip1Given = 0;
    std::int32_t id = 0;

    // True when the preferences name a control font of the program's own.
    bool HasOwnFont() const { return useFontSize > 1 || useFontName != "0"; }
};

// The values a first run writes, before the discovered paths and the installation number.
ProgramPrefs FirstRunPrefs(const GameConfigSet& config, const std::string& gamePath, std::int32_t id);

// Reads the twelve keys from the open set (defaults where absent, or when no set is open),
// then closes the set.
void LoadProgramPrefs(platform::PrefsFile& set, ProgramPrefs& prefs);
// Writes the twelve keys into the open set, in their fixed order.
void WriteProgramPrefs(platform::PrefsFile& set, const ProgramPrefs& prefs);

}  // namespace quorvane::shell
