#include "install/steam_scan.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <system_error>

#include "install/vdf.h"
#include "platform/files.h"

namespace fs = std::filesystem;

namespace quorvane::install {

namespace {

// libraryfolders.vdf is a few kilobytes even with hundreds of games; a far larger file is
// not Steam's and is not read into memory.
constexpr std::uintmax_t kMaxVdfBytes = 4 * 1024 * 1024;

bool IsFolder(const fs::path& path) {
    return platform::QueryPath(path).kind == platform::PathInfo::Kind::Folder;
}
bool IsFile(const fs::path& path) {
    return platform::QueryPath(path).kind == platform::PathInfo::Kind::File;
}

// The path as it exists on disk, with each component found without regard to letter case
// ("SteamApps" of older Steam installations, "documents" of some prefixes).
fs::path Existing(const fs::path& path) {
    return platform::ResolveLetterCase(path);
}

// One key per real folder, so ~/.steam/steam and the ~/.local/share/Steam it links to count once.
std::string Identity(const fs::path& path) {
    std::error_code ec;
    fs::path real = fs::canonical(path, ec);
    return (ec ? path.lexically_normal() : real).string();
}

std::optional<std::string> ReadSmallFile(const fs::path& path) {
    const platform::PathInfo info = platform::QueryPath(path);
    if (info.kind != platform::PathInfo::Kind::File || info.size > kMaxVdfBytes)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return text;
}

// The library list Steam keeps; older clients kept it under config/ only.
std::optional<fs::path> LibraryListFile(const fs::path& root) {
    for (const char* place : {"steamapps/libraryfolders.vdf", "config/libraryfolders.vdf"}) {
        const fs::path file = Existing(root / place);
        if (platform::QueryPath(file).Present()) return file;
    }
    return std::nullopt;
}

std::optional<fs::file_time_type> ModifiedTime(const fs::path& path) {
    std::error_code ec;
    const fs::file_time_type time = fs::last_write_time(path, ec);
    if (ec) return std::nullopt;
    return time;
}

}  // namespace

std::vector<fs::path> SteamRootCandidates(platform::Environment& environment) {
    std::vector<fs::path> roots;
    auto addAbsolute = [&roots](const std::string& path) {
        if (!path.empty() && fs::path(path).is_absolute()) roots.emplace_back(path);
    };
    addAbsolute(environment.Get("STEAM_DIR"));
    const std::string home = environment.Get("HOME");
    if (!home.empty() && fs::path(home).is_absolute()) {
        const fs::path h(home);
        roots.push_back(h / ".steam/steam");
        roots.push_back(h / ".steam/root");
        const std::string dataHome = environment.Get("XDG_DATA_HOME");
        if (!dataHome.empty() && fs::path(dataHome).is_absolute())
            roots.push_back(fs::path(dataHome) / "Steam");
        roots.push_back(h / ".local/share/Steam");
        const fs::path flatpak = h / ".var/app/com.valvesoftware.Steam";
        roots.push_back(flatpak / ".local/share/Steam");
        roots.push_back(flatpak / "data/Steam");
        roots.push_back(flatpak / ".steam/steam");
    }
    return roots;
}

std::vector<fs::path> LibrariesOfRoot(const fs::path& root, std::vector<std::string>& problems) {
    std::vector<fs::path> libraries{root};
    const std::optional<fs::path> listFile = LibraryListFile(root);
    if (!listFile) return libraries;

    const std::optional<std::string> text = ReadSmallFile(*listFile);
    const std::optional<VdfNode> parsed = text ? ParseVdf(*text) : std::nullopt;
    if (!parsed) {
        problems.push_back("Could not read the Steam library list " + listFile->string() +
                           "; only " + root.string() + " was searched there.");
        return libraries;
    }
    for (const std::string& listed : LibraryFolderPaths(*parsed)) {
        // A relative path would be taken from wherever the installer runs: never meant.
        if (listed.empty() || !fs::path(listed).is_absolute()) {
            problems.push_back("Ignored the library \"" + listed + "\" listed in " +
                               listFile->string() + ": it is not an absolute path.");
            continue;
        }
        libraries.emplace_back(listed);
    }
    return libraries;
}

fs::file_time_type PrefixLastUsed(const fs::path& pfx) {
    std::vector<fs::path> witnesses{Existing(pfx / "user.reg"), Existing(pfx / "system.reg")};
    if (const std::optional<fs::path> documents = PrefixDocuments(pfx)) {
        const fs::path settings = GameSettingsFolder(*documents);
        witnesses.push_back(Existing(settings / "Fallout.ini"));
        witnesses.push_back(Existing(settings / "FalloutPrefs.ini"));
    }
    fs::file_time_type newest = fs::file_time_type::min();
    for (const fs::path& witness : witnesses) {
        if (const auto time = ModifiedTime(witness); time && IsFile(witness))
            newest = std::max(newest, *time);
    }
    return newest;
}

SteamSurvey SurveySteam(const std::vector<fs::path>& rootCandidates) {
    SteamSurvey survey;
    std::set<std::string> seenRoots, seenLibraries;
    for (const fs::path& candidate : rootCandidates) {
        if (!IsFolder(candidate) || !seenRoots.insert(Identity(candidate)).second) continue;
        survey.roots.push_back(candidate);
        for (const fs::path& folder : LibrariesOfRoot(candidate, survey.problems)) {
            if (!IsFolder(folder) || !seenLibraries.insert(Identity(folder)).second) continue;
            survey.libraries.push_back({folder, candidate});
        }
    }
    for (const SteamLibrary& library : survey.libraries) {
        const fs::path game = Existing(library.folder / "steamapps/common/Fallout New Vegas");
        if (IsFolder(game))
            survey.games.push_back({game, library, IsFile(Existing(game / "FalloutNV.exe"))});
        const fs::path pfx = Existing(library.folder / "steamapps/compatdata" / kGameAppId / "pfx");
        if (IsFolder(pfx)) survey.prefixes.push_back({pfx, PrefixLastUsed(pfx)});
    }
    return survey;
}

const GameFolder* MainGame(const SteamSurvey& survey) {
    for (const GameFolder& game : survey.games) {
        if (game.hasExecutable) return &game;
    }
    return survey.games.empty() ? nullptr : &survey.games.front();
}

const GameFolder* SecondGame(const SteamSurvey& survey) {
    const GameFolder* main = MainGame(survey);
    for (const GameFolder& game : survey.games) {
        if (&game != main && game.hasExecutable) return &game;
    }
    return nullptr;
}

const ProtonPrefix* MostRecentPrefix(const SteamSurvey& survey) {
    const ProtonPrefix* best = nullptr;
    for (const ProtonPrefix& prefix : survey.prefixes) {
        if (!best || prefix.lastUsed > best->lastUsed) best = &prefix;
    }
    return best;
}

fs::path PrefixUserFolder(const fs::path& pfx) {
    return Existing(pfx / "drive_c/users/steamuser");
}

std::optional<fs::path> PrefixDocuments(const fs::path& pfx) {
    const fs::path user = PrefixUserFolder(pfx);
    std::vector<fs::path> folders;
    for (const char* name : {"Documents", "My Documents"}) {
        const fs::path folder = Existing(user / name);
        if (IsFolder(folder)) folders.push_back(folder);
    }
    for (const fs::path& folder : folders) {
        if (IsFolder(GameSettingsFolder(folder))) return folder;
    }
    if (folders.empty()) return std::nullopt;
    return folders.front();
}

fs::path GameSettingsFolder(const fs::path& documents) {
    return Existing(documents / "My Games/FalloutNV");
}

}  // namespace quorvane::install
