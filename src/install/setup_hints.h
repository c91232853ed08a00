// The hints SetupInfo.ini gives the program's first run, made from what was found under Steam.
// The program joins them with Windows-style names ("Documents\My Games\FalloutNV\Fallout.ini",
// "FalloutNV.exe", "steamapps\common\fallout new vegas\...") and maps backslashes and letter
// case back to the disk, so each hint is a folder written as an absolute path ending in "/".
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "install/steam_scan.h"

namespace quorvane::install {

inline constexpr const char* kSetupInfoFileName = "SetupInfo.ini";

struct SetupHints {
    std::optional<std::string> installPath;   // FO3InstallPath: the game folder
    std::optional<std::string> installPath2;  // FO3InstallPath2: another copy of the game
    std::optional<std::string> iniLocation;   // FO3INILocation: the folder above Documents
    std::optional<std::string> steamPath;  // SteamPath: the library whose steamapps holds the game

    bool Any() const { return installPath || installPath2 || iniLocation || steamPath; }
};

struct SetupPlan {
    SetupHints hints;
    std::vector<std::string> problems;  // folders found but not expressible as hints
};

// A folder as hint text, ending in "/". None when the program could not find it again from the
// text: a backslash in a name (the program reads it as a separator) or a line break (it would
// end the line in SetupInfo.ini).
std::optional<std::string> HintFolderText(const std::filesystem::path& folder);

// The hints for what the survey found; nothing is made up for what it did not find.
SetupPlan PlanSetupHints(const SteamSurvey& survey);

// The file's text: group "Setup", one key per hint found, CR LF line ends.
std::string SetupInfoText(const SetupHints& hints);

}  // namespace quorvane::install
