// The preset store: named copies of the game's three INI files, kept side by side in the
// folder "Presets" of the working folder. The folder's files are the whole store; a preset's
// name and date are read off its slot-1 file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gameconfig/game_files.h"
#include "platform/files.h"
#include "shell/program.h"

namespace quorvane::presets {

struct PresetEntry {
    std::string name;
    std::string date;  // "dd.mm.yyyy", the day the slot-1 file last changed
    bool operator==(const PresetEntry&) const = default;
};

// Copies each slot's configured file into the preset, replacing files of the same name; a copy
// keeps its source's date. Done when one copy succeeded; QZ07 when none did.
void SavePreset(gameconfig::GameFiles files, std::string_view name);
void SavePreset(shell::Program& program, std::string_view name);

// Writes each slot's configured file with the model's current values into the preset instead
// of the game's file; the writer reports its own failures.
void SavePresetWithEdits(gameconfig::GameFiles files, std::string_view name);
void SavePresetWithEdits(shell::Program& program, std::string_view name);

// Reads the preset's files of slots 3, 2 and 1 into the model as a game file of that slot
// would be read, then every value counts as saved. The game's files are not touched.
void LoadPreset(gameconfig::GameFiles files, std::string_view name);
void LoadPreset(shell::Program& program, std::string_view name);

// Deletes the preset's three files; a file that is missing or stays is passed over silently.
void DeletePreset(const std::filesystem::path& workDir, std::string_view name);

// Every preset, by name without regard to letter case, so the list reads the same on every
// system. Empty when the folder is missing.
std::vector<PresetEntry> ListPresets(const std::filesystem::path& workDir);

// The name a new preset based on `name` is stored under: `name` itself, or `name` + " 2" up to
// " 100", whichever has no slot-1 file yet. None when all are taken.
std::optional<std::string> FreePresetName(const std::filesystem::path& workDir,
                                          std::string_view name);

std::string FormatPresetDate(const platform::LocalDate& date);

}  // namespace quorvane::presets
