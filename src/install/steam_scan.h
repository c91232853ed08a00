// Finding Fallout: New Vegas in the user's Steam installations: the Steam roots, each root's
// libraries, the game's folder and the Proton prefixes Steam made for it. Reads the disk only.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"

namespace quorvane::install {

inline constexpr const char* kGameAppId = "22380";

struct SteamLibrary {
    std::filesystem::path folder;  // holds steamapps/
    std::filesystem::path root;    // the Steam root whose list named it
};

struct GameFolder {
    std::filesystem::path folder;  // .../steamapps/common/Fallout New Vegas
    SteamLibrary library;
    bool hasExecutable = false;  // FalloutNV.exe is there, not just a leftover folder
};

struct ProtonPrefix {
    std::filesystem::path pfx;  // .../steamapps/compatdata/22380/pfx
    std::filesystem::file_time_type lastUsed{};
};

struct SteamSurvey {
    std::vector<std::filesystem::path> roots;  // Steam roots that exist, one entry per real folder
    std::vector<SteamLibrary> libraries;       // one entry per real folder
    std::vector<GameFolder> games;             // in library order
    std::vector<ProtonPrefix> prefixes;        // in library order
    std::vector<std::string> problems;         // what could not be read, in plain words
};

// Where Steam may live, most explicit first: $STEAM_DIR, ~/.steam/steam, ~/.steam/root,
// $XDG_DATA_HOME/Steam, ~/.local/share/Steam and the Flatpak Steam's folders. Unchecked.
std::vector<std::filesystem::path> SteamRootCandidates(platform::Environment& environment);

// Looks through every candidate root that exists.
SteamSurvey SurveySteam(const std::vector<std::filesystem::path>& rootCandidates);

// The Steam library folders a root knows: the root itself and those its libraryfolders.vdf
// lists. A vdf that cannot be read adds a problem and no libraries; so does a listed folder
// that is not an absolute path.
std::vector<std::filesystem::path> LibrariesOfRoot(const std::filesystem::path& root,
                                                   std::vector<std::string>& problems);

// When the prefix was last used: the newest change of its registry files and of the game's
// settings files in it. Wine rewrites the registry whenever a program ran in the prefix.
std::filesystem::file_time_type PrefixLastUsed(const std::filesystem::path& pfx);

// The game folder to name first: the first with the executable, else the first at all.
const GameFolder* MainGame(const SteamSurvey& survey);
// Another copy of the game, in a different library, to try second.
const GameFolder* SecondGame(const SteamSurvey& survey);
// The most recently used prefix; on equal times the first found.
const ProtonPrefix* MostRecentPrefix(const SteamSurvey& survey);

// The Windows user's folder in a prefix, and the documents folder the game uses there: the one
// ("Documents", or "My Documents" of older prefixes) that holds My Games/FalloutNV, else the
// one that exists; none when neither does yet.
std::filesystem::path PrefixUserFolder(const std::filesystem::path& pfx);
std::optional<std::filesystem::path> PrefixDocuments(const std::filesystem::path& pfx);

// The game's settings folder inside documents.
std::filesystem::path GameSettingsFolder(const std::filesystem::path& documents);

}  // namespace quorvane::install
