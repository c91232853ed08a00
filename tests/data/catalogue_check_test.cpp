// Checks the shipped catalogue against the rules the program relies on, and against the demo
// game files it is shown with.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "catalogue/catalogue_files.h"
#include "platform/files.h"
#include "platform/picture.h"
#include "platform/text.h"
#include "support/test_folder.h"

namespace quorvane::catalogue {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = QUORVANE_SOURCE_DIR;
const fs::path kPicturesDir = QUORVANE_PICTURES_DIR;

// Keys that players add by hand: the game's own files do not carry them.
bool IsPlayerAdded(const std::string& key) {
    return key == "fDefaultWorldFOV" || key == "bDisableAllGore" || key.starts_with("fForegroundMouse") ||
           key == "iNumHWThreads";
}

Catalogue LoadShipped() {
    Catalogue catalogue;
    EXPECT_TRUE(LoadCategoryIndex(catalogue, kSourceDir / "data"));
    EXPECT_TRUE(LoadCategoryFiles(catalogue, kSourceDir / "data").empty());
    return catalogue;
}

// Every key of the three demo game files, without regard to case.
std::set<std::string> DemoKeys() {
    std::set<std::string> keys;
    for (const char* file : {"demo/Profile/Documents/My Games/FalloutNV/Fallout.ini",
                             "demo/Profile/Documents/My Games/FalloutNV/FalloutPrefs.ini",
                             "demo/Game/Fallout New Vegas/Fallout_default.ini"}) {
        platform::LineReader reader;
        EXPECT_TRUE(reader.Open(kSourceDir / file)) << file;
        for (std::string line; reader.Next(line);) {
            const std::size_t equals = line.find('=');
            if (equals != std::string::npos) keys.insert(platform::ToUpperAscii(line.substr(0, equals)));
        }
    }
    return keys;
}

TEST(ShippedCatalogue, EverySettingIsUsable) {
    Catalogue c = LoadShipped();
    ASSERT_GE(c.categoryCount, 1);
    ASSERT_LE(c.categoryCount, kMaxCategories);
    int total = 0;
    const std::set<std::string> demoKeys = DemoKeys();
    for (int i = 0; i < c.categoryCount; ++i) {
        const Category& category = c.categories[i];
        EXPECT_LE(category.settingCount, kMaxSettingsPerCategory) << category.name;
        for (int j = 1; j <= category.settingCount; ++j) {
            const Setting& s = c.At(i, j);
            SCOPED_TRACE(category.name + " / " + s.name);
            ++total;
            EXPECT_FALSE(s.name.empty());
            EXPECT_TRUE(s.HasIniKey());
            EXPECT_NE(s.kind, SettingKind::None);
            if (s.kind == SettingKind::Value || s.kind == SettingKind::Float) {
                EXPECT_GT(s.step, 0);
                EXPECT_NE(s.divide, 0);
                const float shown = s.current / s.divide;
                EXPECT_GE(shown, s.rangeMin);
                EXPECT_LE(shown, s.rangeMax);
            }
            if (s.kind == SettingKind::Value2) {
                EXPECT_GE(s.current, s.rangeMin);
                EXPECT_LE(s.current, s.rangeMax);
                EXPECT_LE(s.rangeMax, 1073741824.0f);
            }
            if (s.kind == SettingKind::OnOff) {
                EXPECT_TRUE(s.current == 0 || s.current == 1);
            }
            if (s.kind == SettingKind::Resolution) {
                ASSERT_LT(j, category.settingCount);
                EXPECT_EQ(c.At(i, j + 1).kind, SettingKind::Ghost);
            }
            if (s.kind != SettingKind::Ghost) {
                EXPECT_FALSE(s.info.empty());
            }
            for (const std::string& picture : {s.image1, s.image2}) {
                if (!picture.empty()) {
                    EXPECT_FALSE(platform::LoadPicture(kPicturesDir / "Images" / picture, {590, 332}).IsNull())
                        << picture;
                }
            }
            if (!IsPlayerAdded(s.iniKey)) {
                EXPECT_TRUE(demoKeys.contains(platform::ToUpperAscii(s.iniKey))) << s.iniKey;
            }
        }
    }
    EXPECT_GE(total, 80);
    EXPECT_LE(total, 120);
    EXPECT_TRUE(c.fovSetting.Present());
    EXPECT_TRUE(c.goreSetting.Present());
    EXPECT_TRUE(c.mouseSetting.Present());
    EXPECT_FALSE(platform::LoadPicture(kPicturesDir / "Readme/mainw.jpg", {590, 332}).IsNull());
}

TEST(ShippedCatalogue, FilesAreWindows1252WithCrLf) {
    for (const auto& entry : fs::directory_iterator(kSourceDir / "data/Data")) {
        if (!entry.is_regular_file()) continue;
        const std::string bytes = testing::ReadBytes(entry.path());
        SCOPED_TRACE(entry.path().filename().string());
        // 0xA7 is the line-break marker; anything else above 0x7F would be mojibake from UTF-8.
        EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char ch) {
            auto b = static_cast<unsigned char>(ch);
            return b == 0xA7 || (b >= 0x20 && b < 0x7F) || b == '\r' || b == '\n' || b == '\t';
        }));
        std::size_t crlf = 0;
        for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++crlf;
        EXPECT_EQ(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')), crlf);
        EXPECT_EQ(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\r')), crlf);
    }
}

}  // namespace
}  // namespace quorvane::catalogue
