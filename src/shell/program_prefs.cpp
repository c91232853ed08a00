#include "shell/program_prefs.h"

#include <algorithm>

#include "platform/prefs_file.h"

namespace quorvane::shell {

namespace {
constexpr std::int32_t kLargestWindowSide = 9999;
const char* const kConfigKeys[] = {"Config1", "Config2", "Config3"};
}  // namespace

ProgramPrefs FirstRunPrefs(const GameConfigSet& config, const std::string& gamePath, std::int32_t id) {
    ProgramPrefs prefs;
    prefs.width = 800;
    prefs.height = 600;
    prefs.useFontName = "Segoe UI";
    prefs.useFontSize = 10;
    prefs.config = config;
    prefs.gamePath = gamePath;
    prefs.id = id;
    return prefs;
}

void LoadProgramPrefs(platform::PrefsFile& set, ProgramPrefs& prefs) {
    prefs.width = std::min(set.ReadInt("Width", 800), kLargestWindowSide);
    prefs.height = std::min(set.ReadInt("Height", 600), kLargestWindowSide);
    prefs.useFontName = set.ReadString("UseFontName", "0");
    prefs.useFontSize = set.ReadInt("UseFontSize", 0);
    for (int slot = 1; slot <= 3; ++slot) {
        prefs.config[slot] = set.ReadString(kConfigKeys[slot - 1], "null");
    }
    prefs.gamePath = set.ReadString("GamePath", "");
    prefs.bpSave = set.ReadInt("BP_Save", 0);
    prefs.bpExit = set.ReadInt("BP_Exit", 0);
    prefs.tip1Given = set.ReadInt("Tip1Given", 0);
    prefs.id = set.ReadInt("ID", 0);
    set.Close();
}

void WriteProgramPrefs(platform::PrefsFile& set, const ProgramPrefs& prefs) {
    set.WriteInt("Width", prefs.width);
    set.WriteInt("Height", prefs.height);
    set.WriteString("UseFontName", prefs.useFontName);
    set.WriteInt("UseFontSize", prefs.useFontSize);
    for (int slot = 1; slot <= 3; ++slot) set.WriteString(kConfigKeys[slot - 1], prefs.config[slot]);
    set.WriteString("GamePath", prefs.gamePath);
    set.WriteInt("BP_Save", prefs.bpSave);
    set.WriteInt("BP_Exit", prefs.bpExit);
    set.WriteInt("Tip1Given", prefs.tip1Given);
    set.WriteInt("ID", prefs.id);
}

}  // namespace quorvane::shell
