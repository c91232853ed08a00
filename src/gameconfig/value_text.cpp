#include "gameconfig/value_text.h"

#include "gameconfig/number_text.h"

namespace quorvane::gameconfig {

using catalogue::Catalogue;
using catalogue::Setting;
using catalogue::SettingKind;

namespace {

// Display value = current / divide, worked out in double; a divide of 0 shows the value as it is.
double Displayed(const Setting& setting) {
    const double value = setting.current;
    return setting.divide == 0 ? value : value / static_cast<double>(setting.divide);
}

std::string ValueText(const Catalogue& catalogue, int j) {
    const int category = catalogue.currentCategory;
    const Setting& setting = catalogue.At(category, j);
    switch (setting.kind) {
        case SettingKind::Value:
        case SettingKind::Value2:
            return FormatWhole(Displayed(setting));
        case SettingKind::Float:
            return FormatFixed(static_cast<float>(Displayed(setting)), 1);
        case SettingKind::OnOff:
        case SettingKind::GhostOnOff:
            return RoundWhole(setting.current) == 0 ? "OFF" : "ON";
        case SettingKind::Resolution: {
            // The height is the next setting; past the last slot there is none to show.
            const bool hasNext = j < catalogue::kMaxSettingsPerCategory;
            const float height = hasNext ? catalogue.At(category, j + 1).current : 0.0f;
            return FormatWhole(setting.current) + " x " + FormatWhole(height);
        }
        default:
            return {};
    }
}

}  // namespace

std::string FormatSettingValue(const Catalogue& catalogue, int j, ValueTextMode mode) {
    const Setting& setting = catalogue.At(catalogue.currentCategory, j);
    std::string text = ValueText(catalogue, j) + setting.suffix;
    return mode == ValueTextMode::Row ? setting.name + "\n" + text : text;
}

}  // namespace quorvane::gameconfig
