// The setting model: the categories of the catalogue, their settings with describing texts and
// numbers, and which settings play a special part. One per program run.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace quorvane::catalogue {

inline constexpr int kMaxCategories = 5;
inline constexpr int kMaxSettingsPerCategory = 99;  // setting indices 1 to 99; slot 0 stays empty

// The kind of control a setting gets, and how it is shown and written. The numbers are stored
// codes and are compared as whole numbers.
enum class SettingKind : int {
    None = 0,
    Value = 1,
    Value2 = 2,  // powers of two
    Float = 3,
    OnOff = 4,
    Ghost = 5,  // the height that belongs to the Resolution setting before it; not listed
    Resolution = 6,
    GhostOnOff = 10,  // shown as ON/OFF, never written
};

struct Setting {
    std::string name;
    // The INI key, spelled as in the game's files. Empty when the catalogue gave none: such a
    // setting is listed but never matched against a line of the game's files.
    std::string iniKey;
    std::string info;
    std::string suffix;
    std::string image1;
    std::string image2;

    float current = 0;   // INI units; the value being edited
    float rangeMin = 0;  // display units (INI units for Value2)
    float rangeMax = 0;
    float step = 0;  // display units
    float divide = 0;
    SettingKind kind = SettingKind::None;
    float saved = 0;  // INI units; what the files hold as far as the program knows

    bool HasIniKey() const { return !iniKey.empty(); }
    bool IsChanged() const { return current != saved; }
};

// A (category, setting) pair; setting index 0 refers to nothing.
struct SettingRef {
    int category = 0;
    int setting = 0;

    bool Present() const { return setting > 0; }
    bool operator==(const SettingRef&) const = default;
};

struct Category {
    std::string name;  // also its button's caption
    int settingCount = 0;
};

class Catalogue {
public:
    int categoryCount = 0;
    std::array<Category, kMaxCategories> categories{};
    int currentCategory = 0;
    int currentSetting = 0;
    SettingRef fovSetting;
    SettingRef goreSetting;
    SettingRef mouseSetting;

    // Creates the setting tables, all empty, for categoryCount categories.
    void SizeSettingTables();

    Setting& At(int category, int index) { return settings_.at(category).at(index); }
    const Setting& At(int category, int index) const { return settings_.at(category).at(index); }
    // The referenced setting, or nullptr when the reference names none.
    Setting* Find(SettingRef ref);

    // Visits every setting in scan order: categories from the first, settings from index 1.
    template <typename Visit>
    void ForEachSetting(Visit visit) {
        for (int c = 0; c < categoryCount; ++c) {
            for (int j = 1; j <= categories[c].settingCount; ++j) visit(c, j, At(c, j));
        }
    }

private:
    std::vector<std::array<Setting, kMaxSettingsPerCategory + 1>> settings_;
};

}  // namespace quorvane::catalogue
