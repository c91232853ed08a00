// Finding the game's three configuration files and its executable on a first run, from the
// installer's hints in SetupInfo.ini and the user's profile folder. Nothing is shown to the user.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/program.h"

namespace quorvane::discovery {

inline constexpr const char* kSetupInfoFileName = "SetupInfo.ini";
inline constexpr const char* kNoHint = ":non:";  // a key absent from SetupInfo.ini

// The installer's hints, from the group "Setup" of SetupInfo.ini. Each is kNoHint when its key
// is absent, and "" when SetupInfo.ini cannot be opened.
struct SetupHints {
    std::string installPath;   // FO3InstallPath: the game's install folder
    std::string installPath2;  // FO3InstallPath2: a second install folder to try
    std::string iniLocation;   // FO3INILocation: the folder above the documents folder, or that folder
    std::string steamPath;     // SteamPath: the Steam client's folder
};

// A place where a file may be. It counts as found when it can be opened for reading, or, when
// decided by size, when it is a file of more than 5000 bytes (the Steam copy of
// Fallout_default.ini, which exists there as a small stub until the game has been started).
struct Candidate {
    std::string path;
    bool decidedBySize = false;
    bool operator==(const Candidate&) const = default;
};

// The candidates of one slot (1 Fallout.ini, 2 FalloutPrefs.ini, 3 Fallout_default.ini) in the
// order they are tried. Slot 2 also tries the path found for slot 1 (`config1`) with its file
// name swapped.
std::vector<Candidate> ConfigCandidates(int slot, const SetupHints& hints, std::string_view userProfile,
                                        std::string_view config1);

// The executable's candidates, in order: each install hint followed directly by the file name.
std::vector<std::string> ExecutableCandidates(const SetupHints& hints);

// Reads SetupInfo.ini and fills Config1..Config3 with the first candidate found for each slot,
// setting configMissing for a slot none was found for (its path then stays as it was). Without
// SetupInfo.ini no candidate is tried and all three slots are missing. Returns the hints read.
SetupHints DiscoverConfigFiles(shell::Program& program);

// Sets GamePath to the first executable candidate that can be opened for reading; otherwise
// GamePath stays as it was.
void FindGameExecutable(shell::Program& program, const SetupHints& hints);

}  // namespace quorvane::discovery
