#include "gameconfig/value_text.h"

#include <gtest/gtest.h>

#include "game_setup.h"

namespace quorvane::gameconfig {
namespace {

using catalogue::SettingKind;
using testing::MakeCatalogue;

TEST(FormatSettingValue, ValueTextByKind) {
    struct Row {
        SettingKind kind;
        float current;
        float divide;
        const char* text;
    };
    const Row rows[] = {
        {SettingKind::Value, 2.5f, 1, "2"},
        {SettingKind::Value, 3.5f, 1, "4"},
        {SettingKind::Value, 2500, 1000, "2"},  // 2.5 rounds to even
        {SettingKind::Value, 1500, 1000, "2"},
        {SettingKind::Value, 7, 0, "7"},  // divide 0: the value as it is
        {SettingKind::Value2, 1024, 1, "1024"},
        {SettingKind::Float, 0.75f, 0.01f, "75.0"},
        {SettingKind::Float, -0.0f, 1, "0.0"},
        {SettingKind::Float, 1.25f, 0, "1.2"},
        {SettingKind::OnOff, 0.4f, 1, "OFF"},
        {SettingKind::OnOff, 0.6f, 1, "ON"},
        {SettingKind::OnOff, 0.5f, 1, "OFF"},  // rounds to 0
        {SettingKind::GhostOnOff, 0.4f, 1, "OFF"},
        {SettingKind::GhostOnOff, 0.6f, 1, "ON"},
        {SettingKind::None, 5, 1, ""},
        {SettingKind::Ghost, 5, 1, ""},
    };
    for (const Row& row : rows) {
        auto catalogue = MakeCatalogue({{"NAME|Thing", "SUFFIX| u"}});
        auto& setting = catalogue.At(0, 1);
        setting.kind = row.kind;
        setting.current = row.current;
        setting.divide = row.divide;
        EXPECT_EQ(FormatSettingValue(catalogue, 1, ValueTextMode::Value),
                  std::string(row.text) + " u")
            << "kind " << static_cast<int>(row.kind) << ", value " << row.current;
        EXPECT_EQ(FormatSettingValue(catalogue, 1, ValueTextMode::Row),
                  "Thing\n" + std::string(row.text) + " u");
    }
}

TEST(FormatSettingValue, ResolutionTakesItsHeightFromTheNextSetting) {
    auto catalogue = MakeCatalogue({
        {"NAME|Other"},
        {"NAME|Screen", "CONFIG|iSize W", "FORMAT|RESOLUTION", "DEFAULT|1280", "SUFFIX| px",
         "NAME|Height", "CONFIG|iSize H", "FORMAT|GHOST", "DEFAULT|720"},
    });
    catalogue.currentCategory = 1;
    EXPECT_EQ(FormatSettingValue(catalogue, 1, ValueTextMode::Row), "Screen\n1280 x 720 px");
    EXPECT_EQ(FormatSettingValue(catalogue, 2, ValueTextMode::Value), "");
}

TEST(FormatSettingValue, ResolutionInTheLastSlotHasNoHeightToShow) {
    auto catalogue = MakeCatalogue({{"NAME|x"}});
    catalogue.categories[0].settingCount = catalogue::kMaxSettingsPerCategory;
    auto& last = catalogue.At(0, catalogue::kMaxSettingsPerCategory);
    last.kind = SettingKind::Resolution;
    last.current = 800;
    EXPECT_EQ(
        FormatSettingValue(catalogue, catalogue::kMaxSettingsPerCategory, ValueTextMode::Value),
        "800 x 0");
}

}  // namespace
}  // namespace quorvane::gameconfig
