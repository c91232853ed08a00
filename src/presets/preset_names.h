// Preset names: which names may be used, the files a preset consists of, and the name a new
// preset gets when its name is taken. Plain text rules, no files touched here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane::presets {

inline constexpr const char* kPresetsFolder = "Presets";
inline constexpr int kNameCandidates = 100;  // the name itself, then " 2" up to " 100"

// A name is valid when it is not empty and holds no control character, none of \ / : * ? " < > |
// and is not a device name of Windows (CON, PRN, AUX, NUL, COM1-9, LPT1-9, alone or before a
// dot): the same on every system, so presets move between systems. Spaces and dots are kept.
bool IsValidPresetName(std::string_view name);

// The file of the preset's slot (1 to 3), as the program spells paths: "Presets\" + name + ".P1".
std::string PresetProgramPath(std::string_view name, int slot);

// The name a file name stands for: a file name ending in ".P1" (in any letter case) less
// those three characters, when that is a valid preset name.
std::optional<std::string> PresetNameOfFile(std::string_view fileName);

// Candidate n (1 to kNameCandidates) for a new preset: the name itself, then name + " " + n.
std::string NameCandidate(std::string_view name, int n);

}  // namespace quorvane::presets
