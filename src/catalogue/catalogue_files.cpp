#include "catalogue/catalogue_files.h"

#include <algorithm>
#include <string>

#include "catalogue/decimal.h"
#include "platform/files.h"
#include "platform/text.h"

namespace fs = std::filesystem;
using quorvane::platform::LineReader;

namespace quorvane::catalogue {

namespace {

std::string CategoryFilePath(std::string_view name) {
    return "Data\\" + std::string(name) + ".txt";
}

// The text before the first `separator`, and the text between the first and the second.
std::pair<std::string_view, std::string_view> FirstTwoFields(std::string_view text, char separator) {
    std::size_t first = text.find(separator);
    if (first == std::string_view::npos) return {text, {}};
    std::string_view rest = text.substr(first + 1);
    return {text.substr(0, first), rest.substr(0, rest.find(separator))};
}

SettingKind KindFromWord(std::string_view word, SettingKind unchanged) {
    if (word == "VALUE") return SettingKind::Value;
    if (word == "VALUE2") return SettingKind::Value2;
    if (word == "FLOAT") return SettingKind::Float;
    if (word == "ONOFF") return SettingKind::OnOff;
    if (word == "GHOST") return SettingKind::Ghost;
    if (word == "RESOLUTION") return SettingKind::Resolution;
    if (word == "GHOST_ONOFF") return SettingKind::GhostOnOff;
    return unchanged;
}

// A DEFAULT line makes its setting special when the key given before it names one of the
// three settings the program treats specially; a later one of the same sort replaces it.
void RecordSpecialSetting(Catalogue& catalogue, SettingRef ref, const std::string& iniKey) {
    if (iniKey.find("WorldFOV") != std::string::npos) {
        catalogue.fovSetting = ref;
    } else if (iniKey.find("AllGore") != std::string::npos) {
        catalogue.goreSetting = ref;
    } else if (iniKey.find("MouseMult") != std::string::npos) {
        catalogue.mouseSetting = ref;
    }
}

}  // namespace

bool LoadCategoryIndex(Catalogue& catalogue, const fs::path& workDir) {
    catalogue.categoryCount = 0;
    catalogue.currentCategory = 0;
    LineReader index(LineReader::NulEndsLine::Yes);
    if (!index.Open(platform::NativePath(kCategoryIndexPath, workDir))) {
        catalogue.SizeSettingTables();
        return false;
    }
    std::string line;
    while (catalogue.categoryCount < kMaxCategories && index.Next(line)) {
        if (line.size() < 3) continue;
        std::string name = line;
        name.erase(std::remove(name.begin(), name.end(), '*'), name.end());
        if (!platform::CanOpenForReading(platform::NativePath(CategoryFilePath(name), workDir))) {
            continue;
        }
        catalogue.categories[catalogue.categoryCount] = Category{name, 0};
        if (line.find('*') != std::string::npos) catalogue.currentCategory = catalogue.categoryCount;
        ++catalogue.categoryCount;
    }
    catalogue.SizeSettingTables();
    return true;
}

void ApplyCategoryLine(Catalogue& catalogue, int category, int& current, std::string_view line) {
    auto [rawKey, value] = FirstTwoFields(line, '|');
    const std::string key = platform::ToUpperAscii(rawKey);
    if (key == "NAME") {
        ++current;
        if (current > kMaxSettingsPerCategory) return;
        Setting& setting = catalogue.At(category, current) = Setting{};
        setting.name = value;
        setting.divide = 1.0f;
        catalogue.categories[category].settingCount = current;
        return;
    }
    // Lines before the first NAME, and every line of a setting past the limit, have no setting.
    if (current < 1 || current > kMaxSettingsPerCategory) return;
    Setting& setting = catalogue.At(category, current);
    if (key == "CONFIG") {
        setting.iniKey = value;
    } else if (key == "FORMAT") {
        auto [word, step] = FirstTwoFields(value, ':');
        setting.kind = KindFromWord(word, setting.kind);
        setting.step = ReadDecimal(step);
    } else if (key == "RANGE") {
        auto [low, high] = FirstTwoFields(value, '-');
        setting.rangeMin = ReadDecimal(low);
        setting.rangeMax = ReadDecimal(high);
    } else if (key == "DEFAULT") {
        setting.current = setting.saved = ReadDecimal(value);
        RecordSpecialSetting(catalogue, SettingRef{category, current}, setting.iniKey);
    } else if (key == "DIVIDE") {
        setting.divide = ReadDecimal(value);
    } else if (key == "SUFFIX") {
        setting.suffix = value;
    } else if (key == "INFO") {
        setting.info = value;
        std::replace(setting.info.begin(), setting.info.end(), '\xA7', '\n');
    } else if (key == "IMAGE1") {
        setting.image1 = value;
    } else if (key == "IMAGE2") {
        setting.image2 = value;
    }
}

std::vector<int> LoadCategoryFiles(Catalogue& catalogue, const fs::path& workDir) {
    std::vector<int> unreadable;
    for (int i = 0; i < catalogue.categoryCount; ++i) {
        catalogue.categories[i].settingCount = 0;
        LineReader file(LineReader::NulEndsLine::Yes);
        if (!file.Open(platform::NativePath(CategoryFilePath(catalogue.categories[i].name), workDir))) {
            unreadable.push_back(i);
            continue;
        }
        int current = 0;
        std::string line;
        while (file.Next(line)) ApplyCategoryLine(catalogue, i, current, line);
    }
    return unreadable;
}

}  // namespace quorvane::catalogue
