#include "presets/preset_names.h"

#include <array>

#include "platform/text.h"

namespace quorvane::presets {

namespace {

constexpr std::string_view kForbidden = "\\/:*?\"<>|";
constexpr std::string_view kSlotOneSuffix = ".P1";

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 32;
}

// Windows opens these as devices whatever follows after a dot: "CON.P1" is the console. A
// digit after COM and LPT also counts in its superscript forms ¹ ² ³ (Windows-1252 bytes).
bool IsDeviceName(std::string_view name) {
    std::string_view stem = name.substr(0, name.find('.'));
    while (stem.ends_with(' ')) stem.remove_suffix(1);  // Windows drops spaces before the dot
    const std::string upper = platform::ToUpperAscii(stem);
    for (std::string_view device : {"CON", "PRN", "AUX", "NUL"}) {
        if (upper == device) return true;
    }
    if (upper.size() != 4 || !(upper.starts_with("COM") || upper.starts_with("LPT"))) return false;
    const unsigned char digit = static_cast<unsigned char>(upper[3]);
    return (digit >= '1' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
}

}  // namespace

bool IsValidPresetName(std::string_view name) {
    if (name.empty()) return false;
    for (char c : name) {
        if (IsControl(c) || kForbidden.find(c) != std::string_view::npos) return false;
    }
    return !IsDeviceName(name);
}

std::string PresetProgramPath(std::string_view name, int slot) {
    return std::string(kPresetsFolder) + "\\" + std::string(name) + ".P" + std::to_string(slot);
}

std::optional<std::string> PresetNameOfFile(std::string_view fileName) {
    if (fileName.size() < kSlotOneSuffix.size()) return std::nullopt;
    const std::string_view suffix = fileName.substr(fileName.size() - kSlotOneSuffix.size());
    if (!platform::EqualsIgnoringCase(suffix, kSlotOneSuffix)) return std::nullopt;
    std::string name(fileName.substr(0, fileName.size() - kSlotOneSuffix.size()));
    if (!IsValidPresetName(name)) return std::nullopt;
    return name;
}

std::string NameCandidate(std::string_view name, int n) {
    return n <= 1 ? std::string(name) : std::string(name) + " " + std::to_string(n);
}

}  // namespace quorvane::presets
