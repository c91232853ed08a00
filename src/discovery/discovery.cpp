#include "discovery/discovery.h"

#include "discovery/hint_paths.h"
#include "platform/files.h"
#include "platform/prefs_file.h"

namespace quorvane::discovery {

namespace {

constexpr const char* kFileNames[] = {"Fallout.ini", "FalloutPrefs.ini"};
constexpr const char* kGameFolder = "My Games\\FalloutNV\\";
constexpr const char* kSteamDefaultIni = "steamapps\\common\\fallout new vegas\\fallout_default.ini";
constexpr const char* kDefaultIni = "fallout_default.ini";
constexpr const char* kExecutable = "FalloutNV.exe";
constexpr std::uintmax_t kSteamStubMaxBytes = 5000;

bool Found(const shell::Program& program, const Candidate& candidate) {
    const auto path = program.Native(candidate.path);
    if (!candidate.decidedBySize) return platform::CanOpenForReading(path);
    const platform::PathInfo info = platform::QueryPath(path);
    return info.kind == platform::PathInfo::Kind::File && info.size > kSteamStubMaxBytes;
}

}  // namespace

std::vector<Candidate> ConfigCandidates(int slot, const SetupHints& hints, std::string_view userProfile,
                                        std::string_view config1) {
    if (slot == 3) {
        return {{Sep(Normalise(hints.steamPath)) + kSteamDefaultIni, true},
                {Sep(hints.installPath) + kDefaultIni},
                {Sep(hints.installPath2) + kDefaultIni}};
    }
    const std::string tail = std::string(kGameFolder) + kFileNames[slot - 1];
    std::vector<Candidate> candidates = {
        {Folder(Sep(Normalise(hints.iniLocation)), "Documents") + tail},
        {Folder(Sep(userProfile), "Documents") + tail},
        {Folder(Sep(userProfile), "My Documents") + tail},
    };
    if (slot == 2) candidates.push_back({ReplaceIgnoringCase(config1, "\\fallout.ini", "\\falloutprefs.ini")});
    return candidates;
}

std::vector<std::string> ExecutableCandidates(const SetupHints& hints) {
    return {hints.installPath + kExecutable, hints.installPath2 + kExecutable};
}

SetupHints DiscoverConfigFiles(shell::Program& program) {
    platform::PrefsFile setupInfo;
    if (!setupInfo.Open(program.Native(kSetupInfoFileName))) {
        program.state.configMissing = {1, 1, 1};
        return {};
    }
    setupInfo.SelectGroup("Setup");
    const SetupHints hints{setupInfo.ReadString("FO3InstallPath", kNoHint),
                           setupInfo.ReadString("FO3InstallPath2", kNoHint),
                           setupInfo.ReadString("FO3INILocation", kNoHint),
                           setupInfo.ReadString("SteamPath", kNoHint)};
    setupInfo.Close();

    const std::string userProfile = program.services.environment.Get("USERPROFILE");
    for (int slot = 1; slot <= 3; ++slot) {
        bool found = false;
        for (const Candidate& candidate : ConfigCandidates(slot, hints, userProfile, program.prefs.config[1])) {
            if (Found(program, candidate)) {
                program.prefs.config[slot] = candidate.path;
                found = true;
                break;
            }
        }
        program.state.configMissing[static_cast<std::size_t>(slot - 1)] = found ? 0 : 1;
    }
    return hints;
}

void FindGameExecutable(shell::Program& program, const SetupHints& hints) {
    for (const std::string& candidate : ExecutableCandidates(hints)) {
        if (platform::CanOpenForReading(program.Native(candidate))) {
            program.prefs.gamePath = candidate;
            return;
        }
    }
}

}  // namespace quorvane::discovery
