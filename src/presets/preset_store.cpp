#include "presets/preset_store.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "gameconfig/read_config.h"
#include "gameconfig/write_config.h"
#include "platform/text.h"
#include "presets/messages.h"
#include "presets/preset_names.h"
#include "ui/settings_list.h"

namespace quorvane::presets {

namespace fs = std::filesystem;
using gameconfig::GameFiles;

namespace {

constexpr int kSlots[] = {1, 2, 3};

fs::path PresetFile(const fs::path& workDir, std::string_view name, int slot) {
    return platform::NativePath(PresetProgramPath(name, slot), workDir);
}

// Saving into a fresh installation works: the folder is made when it is missing.
void EnsurePresetsFolder(const fs::path& workDir) {
    std::error_code ec;
    fs::create_directory(platform::NativePath(kPresetsFolder, workDir), ec);
}

bool ComesBefore(const PresetEntry& a, const PresetEntry& b) {
    const std::string upperA = platform::ToUpperAscii(a.name);
    const std::string upperB = platform::ToUpperAscii(b.name);
    return upperA != upperB ? upperA < upperB : a.name < b.name;
}

}  // namespace

void SavePreset(GameFiles files, std::string_view name) {
    bool anySaved = false;
    if (IsValidPresetName(name)) {
        EnsurePresetsFolder(files.workDir);
        for (int slot : kSlots) {  // every slot is tried, whatever the others gave
            const fs::path source = files.Native(files.config[slot]);
            if (!source.empty() &&
                platform::CopyFileOver(source, PresetFile(files.workDir, name, slot),
                                       platform::Attributes::MakeWritable)) {
                anySaved = true;
            }
        }
    }
    if (!anySaved) files.dialogs.ShowMessage(PresetNotSavedMessage());
}

void SavePresetWithEdits(GameFiles files, std::string_view name) {
    if (!IsValidPresetName(name)) {
        files.dialogs.ShowMessage(PresetNotSavedMessage());
        return;
    }
    EnsurePresetsFolder(files.workDir);
    for (int slot : kSlots) gameconfig::WriteGameConfig(files, slot, PresetProgramPath(name, slot));
}

void LoadPreset(GameFiles files, std::string_view name) {
    if (!IsValidPresetName(name)) return;
    shell::GameConfigSet paths;
    for (int slot : kSlots) paths[slot] = PresetProgramPath(name, slot);
    gameconfig::ReadGameConfigSet(files, paths);
    ui::CommitValues(files.catalogue);
}

void DeletePreset(const fs::path& workDir, std::string_view name) {
    if (!IsValidPresetName(name)) return;
    for (int slot : kSlots) {
        std::error_code ec;
        fs::remove(PresetFile(workDir, name, slot), ec);
    }
}

std::vector<PresetEntry> ListPresets(const fs::path& workDir) {
    std::vector<PresetEntry> entries;
    std::error_code ec;
    fs::directory_iterator it(platform::NativePath(kPresetsFolder, workDir), ec);
    for (fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::error_code kindError;
        if (!it->is_regular_file(kindError)) continue;
        // A name the program could not have stored (a backslash on Linux, a device name) is
        // not listed, so no operation is ever given one.
        std::optional<std::string> name = PresetNameOfFile(it->path().filename().string());
        if (!name) continue;
        const std::optional<platform::LocalDate> date = platform::ModifiedLocalDate(it->path());
        entries.push_back({std::move(*name), date ? FormatPresetDate(*date) : std::string()});
    }
    std::sort(entries.begin(), entries.end(), ComesBefore);
    return entries;
}

std::optional<std::string> FreePresetName(const fs::path& workDir, std::string_view name) {
    for (int n = 1; n <= kNameCandidates; ++n) {
        std::string candidate = NameCandidate(name, n);
        // Anything under the name counts as taken, even an unreadable file or a broken link, so
        // that a new preset never replaces or writes through one.
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(PresetFile(workDir, candidate, 1), ec)))
            return candidate;
    }
    return std::nullopt;
}

std::string FormatPresetDate(const platform::LocalDate& date) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
    return text;
}

void SavePreset(shell::Program& program, std::string_view name) {
    SavePreset(GameFiles::Of(program), name);
}

void SavePresetWithEdits(shell::Program& program, std::string_view name) {
    SavePresetWithEdits(GameFiles::Of(program), name);
}

void LoadPreset(shell::Program& program, std::string_view name) {
    LoadPreset(GameFiles::Of(program), name);
}

}  // namespace quorvane::presets
