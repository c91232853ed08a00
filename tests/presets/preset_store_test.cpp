#include "presets/preset_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <string>
#include <vector>

#include "game_setup.h"
#include "gameconfig/messages.h"
#include "presets/messages.h"
#include "presets/preset_names.h"
#include "support/unprivileged.h"
#include "ui/settings_list.h"

namespace quorvane::presets {
namespace {

namespace fs = std::filesystem;
using platform::MessageBox;
using testing::GameSetUp;
using testing::ReadBytes;
using testing::TestFolder;
using testing::WriteBytes;

const char kSlot1[] = "[General]\r\niLevel=1\r\n";
const char kSlot2[] = "[Display]\r\niLevel=2\r\nfShade=0.5000\r\n";
const char kSlot3[] = "[General]\r\niLevel=3\r\niDepth=30\r\n";

// One category of three settings and the three game files.
struct PresetSetUp : GameSetUp {
    PresetSetUp()
        : GameSetUp({{"NAME|Level", "CONFIG|iLevel", "FORMAT|VALUE", "DEFAULT|0", "NAME|Shade",
                      "CONFIG|fShade", "FORMAT|FLOAT", "DEFAULT|0", "NAME|Depth", "CONFIG|iDepth",
                      "FORMAT|VALUE", "DEFAULT|0"}}) {
        PutFile(1, kSlot1);
        PutFile(2, kSlot2);
        PutFile(3, kSlot3);
    }
};

fs::path PresetPath(const GameSetUp& setUp, const std::string& fileName) {
    return setUp.folder / "Presets" / fileName;
}

// Noon of a local calendar day, so the day holds in every time zone's reading of it.
fs::file_time_type LocalNoon(int day, int month, int year) {
    std::tm local{};
    local.tm_mday = day;
    local.tm_mon = month - 1;
    local.tm_year = year - 1900;
    local.tm_hour = 12;
    local.tm_isdst = -1;
    const auto system = std::chrono::system_clock::from_time_t(std::mktime(&local));
    return std::chrono::file_clock::from_sys(system);
}

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return FormatPresetDate({local.tm_mday, local.tm_mon + 1, local.tm_year + 1900});
}

TEST(PresetNames, ValidAndInvalidNames) {
    struct Case {
        std::string name;
        bool valid;
    };
    const std::vector<Case> cases = {
        {"Medium", true},
        {"  Spaced out. ", true},  // stored exactly as typed
        {"Ultra 1.2 final", true},
        {"New preset", true},
        {"\xDC"
         "ber",
         true},        // Windows-1252 letters are plain text
        {"..", true},  // "...P1" is an ordinary file name
        {"CONSOLE", true},
        {"CON2", true},
        {"COM10", true},
        {"LPT", true},
        {"My CON", true},
        {"", false},
        {"a/b", false},
        {"a\\b", false},
        {"a:b", false},
        {"a*b", false},
        {"a?b", false},
        {"a\"b", false},
        {"a<b", false},
        {"a>b", false},
        {"a|b", false},
        {"a\tb", false},
        {"a\nb", false},
        {"\x1F", false},
        {std::string("a\0b", 3), false},  // would cut the file name short
        {"CON", false},
        {"con", false},
        {"Prn", false},
        {"aux.txt", false},
        {"NUL.x.y", false},
        {"COM1", false},
        {"com9", false},
        {"LPT1", false},
        {"lpt9.final", false},
        {"COM\xB9", false},  // COM with a superscript one
        {"CON ", false},
        {"AUX .ini", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsValidPresetName(c.name), c.valid) << '"' << c.name << '"';
}

TEST(PresetNames, FileNamesStandForPresets) {
    struct Case {
        std::string fileName;
        std::optional<std::string> name;
    };
    const std::vector<Case> cases = {
        {"Medium.P1", "Medium"},
        {"Ultra 1.2 final.P1", "Ultra 1.2 final"},  // only the last three characters go
        {"old.p1", "old"},
        {".P1", std::nullopt},
        {"P1", std::nullopt},
        {"Medium.P2", std::nullopt},
        {"Medium.P10", std::nullopt},
        {"a\\b.P1", std::nullopt},  // a name the program could not have stored
        {"CON.P1", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(PresetNameOfFile(c.fileName), c.name) << c.fileName;
    EXPECT_EQ(PresetProgramPath("Medium", 2), "Presets\\Medium.P2");
    EXPECT_EQ(FormatPresetDate({7, 3, 2011}), "07.03.2011");
}

TEST(PresetStore, SaveCopiesTheThreeFilesKeepingTheirDate) {
    PresetSetUp setUp;
    fs::last_write_time(setUp.folder / setUp.config[1], LocalNoon(7, 3, 2011));
    // The folder is made on a fresh installation.
    SavePreset(setUp.Files(), "Medium");
    EXPECT_TRUE(setUp.dialogs.shownMessages.empty());
    EXPECT_EQ(ReadBytes(PresetPath(setUp, "Medium.P1")), kSlot1);
    EXPECT_EQ(ReadBytes(PresetPath(setUp, "Medium.P2")), kSlot2);
    EXPECT_EQ(ReadBytes(PresetPath(setUp, "Medium.P3")), kSlot3);
    EXPECT_EQ(ListPresets(setUp.folder.path()),
              (std::vector<PresetEntry>{{"Medium", "07.03.2011"}}));

    // Saving under the same name replaces the files without asking.
    setUp.PutFile(1, "[General]\r\niLevel=9\r\n");
    fs::last_write_time(setUp.folder / setUp.config[1], LocalNoon(1, 12, 2020));
    SavePreset(setUp.Files(), "Medium");
    EXPECT_TRUE(setUp.dialogs.shownMessages.empty());
    EXPECT_EQ(ReadBytes(PresetPath(setUp, "Medium.P1")), "[General]\r\niLevel=9\r\n");
    EXPECT_EQ(ListPresets(setUp.folder.path()),
              (std::vector<PresetEntry>{{"Medium", "01.12.2020"}}));
}

TEST(PresetStore, SaveWithEditsWritesTheModelIntoThePresetNotTheGame) {
    PresetSetUp setUp;
    fs::last_write_time(setUp.folder / setUp.config[1], LocalNoon(7, 3, 2011));
    setUp.Setting("iLevel").current = 5;
    setUp.Setting("fShade").current = 0.25f;
    SavePresetWithEdits(setUp.Files(), "Edited");
    EXPECT_TRUE(setUp.dialogs.shownMessages.empty());
    EXPECT_EQ(ReadBytes(PresetPath(setUp, "Edited.P1")), "[General]\r\niLevel=5\r\n");
    EXPECT_EQ(ReadBytes(PresetPath(setUp, "Edited.P2")),
              "[Display]\r\niLevel=5\r\nfShade=0.2500\r\n");
    EXPECT_EQ(ReadBytes(PresetPath(setUp, "Edited.P3")), "[General]\r\niLevel=5\r\niDepth=0\r\n");
    EXPECT_EQ(setUp.FileBytes(1), kSlot1);
    EXPECT_EQ(setUp.FileBytes(2), kSlot2);
    EXPECT_EQ(setUp.FileBytes(3), kSlot3);
    // Written anew, so dated the day of saving.
    EXPECT_EQ(ListPresets(setUp.folder.path()), (std::vector<PresetEntry>{{"Edited", Today()}}));
}

TEST(PresetStore, SaveSucceedsWhenOneSlotCopiesAndFailsLoudlyWhenNoneDoes) {
    {
        PresetSetUp setUp;
        setUp.config[3] = "";
        SavePreset(setUp.Files(), "Two");
        EXPECT_TRUE(setUp.dialogs.shownMessages.empty());
        EXPECT_TRUE(fs::exists(PresetPath(setUp, "Two.P1")));
        EXPECT_TRUE(fs::exists(PresetPath(setUp, "Two.P2")));
        EXPECT_FALSE(fs::exists(PresetPath(setUp, "Two.P3")));
        ASSERT_EQ(ListPresets(setUp.folder.path()).size(), 1u);
    }
    {
        PresetSetUp setUp;
        for (int slot : {1, 2, 3})
            setUp.config[slot] = "game\\gone" + std::to_string(slot) + ".ini";
        SavePreset(setUp.Files(), "None");
        EXPECT_EQ(setUp.dialogs.shownMessages,
                  (std::vector<MessageBox>{
                      {"Error", "The preset did not save correctly.\nError code: QZ07"}}));
        EXPECT_TRUE(ListPresets(setUp.folder.path()).empty());
    }
}

TEST(PresetStore, AFailedSaveLeavesTheOldPresetWhole) {
    PresetSetUp setUp;
    SavePreset(setUp.Files(), "Kept");
    setUp.PutFile(1, "[General]\r\niLevel=7\r\n");
    setUp.Setting("iLevel").current = 8;
    const fs::path presets = setUp.folder / "Presets";
    // The game files and the work folder stay open to the user the check may run as.
    fs::permissions(setUp.folder.path(),
                    fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    fs::permissions(setUp.folder / "tmp", fs::perms::all | fs::perms::sticky_bit);
    const bool unchanged = testing::RunWithoutWriteAccess(presets, [&] {
        SavePreset(setUp.Files(), "Kept");
        SavePresetWithEdits(setUp.Files(), "Kept");
        const std::vector<MessageBox> expected = {PresetNotSavedMessage(),
                                                  gameconfig::DestinationUnwritableMessage(1),
                                                  gameconfig::DestinationUnwritableMessage(2),
                                                  gameconfig::DestinationUnwritableMessage(3)};
        return setUp.dialogs.shownMessages == expected &&
               ReadBytes(presets / "Kept.P1") == kSlot1 &&
               ReadBytes(presets / "Kept.P2") == kSlot2 &&
               ReadBytes(presets / "Kept.P3") == kSlot3 &&
               std::distance(fs::directory_iterator(presets), fs::directory_iterator()) == 3;
    });
    EXPECT_TRUE(unchanged);
}

TEST(PresetStore, ListShowsSlotOneFilesByNameWithoutRegardToCase) {
    TestFolder folder;
    EXPECT_TRUE(ListPresets(folder.path()).empty());  // no Presets folder

    for (const char* file : {"beta.P1", "Alpha.P1", "gamma.P1", "Delta.P1", "Ultra 1.2 final.P1",
                             "Old.P1",              // a file the program did not write
                             "Half.P2", "Half.P3",  // no slot-1 file: not a preset
                             "notes.txt", ".P1", "CON.P1", "back\\slash.P1"}) {
        WriteBytes(folder / "Presets" / file, "x");
    }
    fs::create_directories(folder / "Presets" / "Folder.P1");
    std::vector<std::string> names;
    for (const PresetEntry& entry : ListPresets(folder.path())) names.push_back(entry.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "beta", "Delta", "gamma", "Old",
                                               "Ultra 1.2 final"}));
}

TEST(PresetStore, FreeNameSequences) {
    struct Case {
        std::vector<std::string> files;
        std::string name;
        std::optional<std::string> expected;
    };
    std::vector<std::string> hundred;
    for (int n = 1; n <= kNameCandidates; ++n) hundred.push_back(NameCandidate("Full", n) + ".P1");
    const std::vector<Case> cases = {
        {{}, "Medium", "Medium"},
        {{"Medium.P1"}, "Medium", "Medium 2"},
        {{"Medium.P1", "Medium 2.P1"}, "Medium", "Medium 3"},
        {{"Medium 2.P1"}, "Medium 2", "Medium 2 2"},
        {{"Medium 2.P1"}, "Medium", "Medium"},
        {{"medium.P1"}, "Medium", "Medium 2"},  // names are the same without regard to case
        {{"Medium.P2", "Medium.P3"}, "Medium", "Medium"},
        {{"Medium.P1", "Medium 3.P1"}, "Medium", "Medium 2"},
        {hundred, "Full", std::nullopt},
    };
    for (const Case& c : cases) {
        TestFolder folder;
        fs::create_directories(folder / "Presets");
        for (const std::string& file : c.files) WriteBytes(folder / "Presets" / file, "x");
        EXPECT_EQ(FreePresetName(folder.path(), c.name), c.expected)
            << c.name << " with " << c.files.size();
    }
}

TEST(PresetStore, WhatCannotBeReadStillTakesTheName) {
    TestFolder folder;
    fs::create_directories(folder / "Presets");
    fs::create_symlink(folder / "nowhere", folder / "Presets/Linked.P1");
    EXPECT_EQ(FreePresetName(folder.path(), "Linked"), "Linked 2");
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser reads every file";
    WriteBytes(folder / "Presets/Locked.P1", "x");
    fs::permissions(folder / "Presets/Locked.P1", fs::perms::none);
    EXPECT_EQ(FreePresetName(folder.path(), "Locked"), "Locked 2");
    fs::permissions(folder / "Presets/Locked.P1", fs::perms::owner_all);
}

TEST(PresetStore, LoadReadsSlotsThreeTwoOneAndCommits) {
    PresetSetUp setUp;
    WriteBytes(setUp.folder / "Presets/Mix.P1", "iLevel=11\r\n");
    WriteBytes(setUp.folder / "Presets/Mix.P2", "iLevel=22\r\nfShade=0.75\r\n");
    WriteBytes(setUp.folder / "Presets/Mix.P3", "iLevel=33\r\niDepth=44\r\n");
    LoadPreset(setUp.Files(), "Mix");
    EXPECT_EQ(setUp.Setting("iLevel").current, 11);  // slot 1 read last wins
    EXPECT_EQ(setUp.Setting("fShade").current, 0.75f);
    EXPECT_EQ(setUp.Setting("iDepth").current, 44);
    EXPECT_FALSE(ui::HasUnsavedChanges(setUp.catalogue));
    EXPECT_TRUE(setUp.dialogs.shownMessages.empty());
    EXPECT_EQ(setUp.FileBytes(1), kSlot1);  // the game's files are not written
}

TEST(PresetStore, LoadWithMissingFilesWarnsLikeTheGameFilesAndStillCommits) {
    PresetSetUp setUp;
    WriteBytes(setUp.folder / "Presets/Old.P1", "iLevel=4\r\n");  // only the slot-1 file
    setUp.Setting("iDepth").current = 99;  // an edit the preset's files do not mention
    LoadPreset(setUp.Files(), "Old");
    EXPECT_EQ(setUp.dialogs.shownMessages,
              (std::vector<MessageBox>{gameconfig::ConfigUnreadableMessage(2)}));
    EXPECT_EQ(setUp.Setting("iLevel").current, 4);
    EXPECT_EQ(setUp.Setting("iDepth").current, 99);
    EXPECT_FALSE(ui::HasUnsavedChanges(setUp.catalogue));
}

TEST(PresetStore, DeleteRemovesTheThreeFilesAndNothingElse) {
    TestFolder folder;
    for (const char* file : {"Gone.P1", "Gone.P2", "Gone.P3", "Gone 2.P1", "Only.P1"})
        WriteBytes(folder / "Presets" / file, "x");
    DeletePreset(folder.path(), "Gone");
    DeletePreset(folder.path(), "Only");                 // missing slot files are passed over
    DeletePreset(folder.path(), "..\\Presets\\Gone 2");  // never a path
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder / "Presets"))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, (std::vector<std::string>{"Gone 2.P1"}));
}

}  // namespace
}  // namespace quorvane::presets
