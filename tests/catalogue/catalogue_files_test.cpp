#include "catalogue/catalogue_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_folder.h"

namespace quorvane::catalogue {
namespace {

namespace fs = std::filesystem;
using testing::TestFolder;
using testing::WriteBytes;

std::vector<std::string> Names(const Catalogue& catalogue) {
    std::vector<std::string> names;
    for (int i = 0; i < catalogue.categoryCount; ++i) names.push_back(catalogue.categories[i].name);
    return names;
}

TEST(CategoryIndex, AcceptsLinesWhoseFileExists) {
    struct Row {
        const char* name;
        std::string index;
        std::vector<std::string> files;  // category files that exist
        std::vector<std::string> categories;
        int current;
    };
    const std::vector<Row> rows = {
        {"star marks the first shown", "Video\r\nAudio*\r\n", {"Video", "Audio"}, {"Video", "Audio"}, 1},
        {"stars removed anywhere", "A*b\n", {"Ab"}, {"Ab"}, 0},
        {"short lines skipped", "\r\n*\r\nab\r\nabc\r\n**\r\n", {"ab", "abc", ""}, {"abc"}, 0},
        {"line without file skipped silently", "Title line\nVideo\n", {"Video"}, {"Video"}, 0},
        {"spaces stay part of the name", " View distance \n", {" View distance "}, {" View distance "}, 0},
        {"last star wins", "One*\rTwo*\rThree\r", {"One", "Two", "Three"}, {"One", "Two", "Three"}, 1},
        {"a starred line without file does not count", "One\nTwo*\n", {"One"}, {"One"}, 0},
        {"sixth category ignored", "Cat1\nCat2\nCat3\nCat4\nCat5\nCat6*\n",
         {"Cat1", "Cat2", "Cat3", "Cat4", "Cat5", "Cat6"}, {"Cat1", "Cat2", "Cat3", "Cat4", "Cat5"}, 0},
        {"empty index", "", {}, {}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestFolder folder;
        WriteBytes(folder / "Data/Categories.ini", row.index);
        for (const std::string& file : row.files) WriteBytes(folder / ("Data/" + file + ".txt"), "");
        Catalogue catalogue;
        ASSERT_TRUE(LoadCategoryIndex(catalogue, folder.path()));
        EXPECT_EQ(Names(catalogue), row.categories);
        EXPECT_EQ(catalogue.currentCategory, row.current);
    }
}

TEST(CategoryIndex, MissingIndexIsReported) {
    TestFolder folder;
    Catalogue catalogue;
    EXPECT_FALSE(LoadCategoryIndex(catalogue, folder.path()));
    EXPECT_EQ(catalogue.categoryCount, 0);
}

// A catalogue of one category whose file holds the given lines.
Catalogue LoadOne(const std::vector<std::string>& lines) {
    Catalogue catalogue;
    catalogue.categoryCount = 1;
    catalogue.categories[0].name = "Test";
    catalogue.SizeSettingTables();
    int current = 0;
    for (const std::string& line : lines) ApplyCategoryLine(catalogue, 0, current, line);
    return catalogue;
}

TEST(CategoryLines, KeysKindsAndNumbers) {
    Catalogue c = LoadOne({
        "; a comment line",
        "NAME|Before",  // setting 1
        "name|Field of view|ignored after the second bar",
        "config|fDefaultWorldFOV",
        "FORMAT|VALUE:5",
        "RANGE|50-120",
        "DEFAULT|75",
        "INFO|Wider view.\xA7" "Costs speed.|not this",
        "IMAGE1|fov_a.jpg",
        "IMAGE2|fov_b.jpg",
        "NAME|Gamma",
        "CONFIG|fGamma",
        "FORMAT|FLOAT:0.1",
        "RANGE|0.5-2",
        "DIVIDE|0.01",
        "SUFFIX| %",
        "CONFIG |ignored: key followed by a space",
        "NAME|Lower-case kind word",
        "FORMAT|ONOFF",
        "FORMAT|value:3",
        "NAME|Unknown kind word keeps kind, sets step",
        "FORMAT|RESOLUTION",
        "FORMAT|SLIDER:5",
        "NAME|Negative range",
        "RANGE|-5-5",
        "NAME",
        "FORMAT|GHOST_ONOFF",
    });
    ASSERT_EQ(c.categories[0].settingCount, 7);

    const Setting& fov = c.At(0, 2);
    EXPECT_EQ(fov.name, "Field of view");
    EXPECT_EQ(fov.iniKey, "fDefaultWorldFOV");
    EXPECT_EQ(fov.kind, SettingKind::Value);
    EXPECT_FLOAT_EQ(fov.step, 5);
    EXPECT_FLOAT_EQ(fov.rangeMin, 50);
    EXPECT_FLOAT_EQ(fov.rangeMax, 120);
    EXPECT_FLOAT_EQ(fov.current, 75);
    EXPECT_FLOAT_EQ(fov.saved, 75);
    EXPECT_FLOAT_EQ(fov.divide, 1);
    EXPECT_EQ(fov.info, "Wider view.\nCosts speed.");
    EXPECT_EQ(fov.image1, "fov_a.jpg");
    EXPECT_EQ(fov.image2, "fov_b.jpg");
    EXPECT_EQ(c.fovSetting, (SettingRef{0, 2}));
    EXPECT_EQ(c.At(0, 1).name, "Before");

    const Setting& gamma = c.At(0, 3);
    EXPECT_EQ(gamma.iniKey, "fGamma");
    EXPECT_EQ(gamma.kind, SettingKind::Float);
    EXPECT_FLOAT_EQ(gamma.step, 0.1f);
    EXPECT_FLOAT_EQ(gamma.rangeMin, 0.5f);
    EXPECT_FLOAT_EQ(gamma.rangeMax, 2);
    EXPECT_FLOAT_EQ(gamma.divide, 0.01f);
    EXPECT_EQ(gamma.suffix, " %");

    EXPECT_EQ(c.At(0, 4).kind, SettingKind::OnOff);
    EXPECT_FLOAT_EQ(c.At(0, 4).step, 3);
    EXPECT_EQ(c.At(0, 5).kind, SettingKind::Resolution);
    EXPECT_FLOAT_EQ(c.At(0, 5).step, 5);
    EXPECT_FLOAT_EQ(c.At(0, 6).rangeMin, 0);
    EXPECT_FLOAT_EQ(c.At(0, 6).rangeMax, 5);
    EXPECT_EQ(c.At(0, 7).name, "");  // a bare NAME line still opens a setting
    EXPECT_EQ(c.At(0, 7).kind, SettingKind::GhostOnOff);
}

TEST(CategoryLines, FormatWithoutStepAndKindWords) {
    const std::pair<const char*, SettingKind> rows[] = {
        {"VALUE", SettingKind::Value},         {"VALUE2", SettingKind::Value2},
        {"FLOAT", SettingKind::Float},         {"ONOFF", SettingKind::OnOff},
        {"GHOST", SettingKind::Ghost},         {"RESOLUTION", SettingKind::Resolution},
        {"GHOST_ONOFF", SettingKind::GhostOnOff}, {"Value", SettingKind::None},
        {"", SettingKind::None},
    };
    for (const auto& [word, kind] : rows) {
        Catalogue c = LoadOne({"NAME|x", "FORMAT|" + std::string(word)});
        EXPECT_EQ(c.At(0, 1).kind, kind) << word;
        EXPECT_FLOAT_EQ(c.At(0, 1).step, 0) << word;
    }
}

TEST(CategoryLines, SpecialSettingsRecordedAtTheirDefaultLine) {
    Catalogue c = LoadOne({
        "NAME|Gore", "CONFIG|bDisableAllGore", "DEFAULT|0",
        "NAME|Mouse", "CONFIG|fForegroundMouseMult", "DEFAULT|1",
        "NAME|Default before config", "DEFAULT|90", "CONFIG|fDefaultWorldFOV",
        "NAME|No default", "CONFIG|fDefaultWorldFOV",
        "NAME|Case matters", "CONFIG|fdefaultworldfov", "DEFAULT|75",
        "NAME|Second gore wins", "CONFIG|xAllGorex", "DEFAULT|1",
    });
    EXPECT_EQ(c.goreSetting, (SettingRef{0, 6}));
    EXPECT_EQ(c.mouseSetting, (SettingRef{0, 2}));
    EXPECT_FALSE(c.fovSetting.Present());
}

TEST(CategoryLines, LinesWithoutASettingChangeNothing) {
    // Lines before the first NAME belong to no setting, not even a special one.
    Catalogue c = LoadOne({"CONFIG|fDefaultWorldFOV", "DEFAULT|75", "NAME|First"});
    EXPECT_FALSE(c.fovSetting.Present());
    EXPECT_EQ(c.At(0, 1).iniKey, "");
    EXPECT_FLOAT_EQ(c.At(0, 1).divide, 1);
}

TEST(CategoryLines, SettingWithoutConfigHasAnEmptyKey) {
    Catalogue c = LoadOne({"NAME|No key", "FORMAT|VALUE:1", "DEFAULT|3"});
    EXPECT_FALSE(c.At(0, 1).HasIniKey());
    EXPECT_FLOAT_EQ(c.At(0, 1).current, 3);
}

TEST(CategoryLines, SettingsPastNinetyNineAreIgnored) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 101; ++i) {
        lines.push_back("NAME|Setting " + std::to_string(i));
        lines.push_back("CONFIG|key" + std::to_string(i));
        lines.push_back("DEFAULT|" + std::to_string(i));
    }
    lines.push_back("CONFIG|fDefaultWorldFOV");
    lines.push_back("DEFAULT|75");
    Catalogue c = LoadOne(lines);
    EXPECT_EQ(c.categories[0].settingCount, kMaxSettingsPerCategory);
    EXPECT_EQ(c.At(0, 99).name, "Setting 99");
    EXPECT_EQ(c.At(0, 99).iniKey, "key99");
    EXPECT_FLOAT_EQ(c.At(0, 99).current, 99);
    EXPECT_FALSE(c.fovSetting.Present());
}

TEST(CategoryFiles, LoadsEveryCategoryAndReportsUnreadableOnes) {
    TestFolder folder;
    WriteBytes(folder / "Data/Categories.ini", "Display*\r\nEmpty\r\nGone\r\n");
    std::string display = "NAME|Resolution\r\nCONFIG|iSize W\r\nFORMAT|RESOLUTION\r\n"
                          "NAME|Height\r\nCONFIG|iSize H\r\nFORMAT|GHOST";
    display += '\0';  // a NUL ends a line too
    display += "trailing\r\nINFO|a\xA7" "b";
    WriteBytes(folder / "Data/Display.txt", display);
    WriteBytes(folder / "Data/Empty.txt", "");
    WriteBytes(folder / "Data/Gone.txt", "NAME|x\r\n");
    Catalogue catalogue;
    ASSERT_TRUE(LoadCategoryIndex(catalogue, folder.path()));
    fs::remove(folder / "Data/Gone.txt");

    EXPECT_EQ(LoadCategoryFiles(catalogue, folder.path()), std::vector<int>{2});
    EXPECT_EQ(catalogue.categories[0].settingCount, 2);
    EXPECT_EQ(catalogue.categories[1].settingCount, 0);
    EXPECT_EQ(catalogue.categories[2].settingCount, 0);
    EXPECT_EQ(catalogue.At(0, 1).iniKey, "iSize W");
    EXPECT_EQ(catalogue.At(0, 2).kind, SettingKind::Ghost);
    EXPECT_EQ(catalogue.At(0, 2).info, "a\nb");

    int visited = 0;
    catalogue.ForEachSetting([&](int category, int index, Setting&) {
        EXPECT_EQ(category, 0);
        EXPECT_EQ(index, ++visited);
    });
    EXPECT_EQ(visited, 2);
}

}  // namespace
}  // namespace quorvane::catalogue
