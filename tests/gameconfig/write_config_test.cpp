#include "gameconfig/write_config.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "game_setup.h"
#include "gameconfig/read_config.h"
#include "support/unprivileged.h"

namespace quorvane::gameconfig {
namespace {

namespace fs = std::filesystem;
using platform::MessageBox;
using platform::MessageButtons;
using platform::MessageIcon;
using testing::GameSetUp;
using testing::ReadBytes;
using testing::WriteBytes;

GameSetUp MakeSetUp() {
    return GameSetUp({
        {"NAME|Field of view",
         "CONFIG|fDefaultWorldFOV",
         "FORMAT|VALUE",
         "DEFAULT|75",
         "NAME|Gore",
         "CONFIG|bDisableAllGore",
         "FORMAT|ONOFF",
         "DEFAULT|0",
         "NAME|Mouse acceleration",
         "CONFIG|fForegroundMouseMult",
         "FORMAT|ONOFF",
         "DEFAULT|-1",
         "NAME|Foo",
         "CONFIG|bFoo",
         "FORMAT|ONOFF",
         "DEFAULT|0",
         "NAME|Gamma",
         "CONFIG|fGamma",
         "FORMAT|FLOAT",
         "DEFAULT|90",
         "NAME|Count",
         "CONFIG|iCount",
         "FORMAT|VALUE",
         "DEFAULT|2.5",
         "NAME|Screen",
         "CONFIG|iSize W",
         "FORMAT|RESOLUTION",
         "DEFAULT|1280",
         "NAME|Height",
         "CONFIG|iSize H",
         "FORMAT|GHOST",
         "DEFAULT|720"},
        {"NAME|Shown only", "CONFIG|bShownOnly", "FORMAT|GHOST_ONOFF", "DEFAULT|1", "NAME|Kindless",
         "CONFIG|iKindless", "DEFAULT|3", "NAME|No key", "FORMAT|VALUE", "DEFAULT|5",
         "NAME|HUD colour", "CONFIG|uHUDColor", "FORMAT|VALUE", "DEFAULT|4290134783", "NAME|Cells",
         "CONFIG|uExterior Cell Buffer", "FORMAT|VALUE2", "DEFAULT|64"},
    });
}

MessageBox WriteError(const std::string& text) {
    return {"Error", text, MessageIcon::None, MessageButtons::Ok};
}
const MessageBox kQz08_1 = WriteError("Unable to save.\nError code: QZ08-1");
const MessageBox kQz05b_1 =
    WriteError("Unable to write the file. Changes can't be saved.\nError code: QZ05B-1");
const MessageBox kQz06_1 =
    WriteError("Unable to overwrite the file. Changes can't be saved.\nError code: QZ06-1");

std::string CrLf(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) text.append(line).append("\r\n");
    return text;
}

TEST(WriteGameConfig, RewritesKnownKeysAndPassesEverythingElse) {
    struct Row {
        std::string_view before;
        std::string_view after;
    };
    const Row rows[] = {
        {"[Display]", "[Display]"},
        {"bFoo = 1", "bFoo=0"},
        {"BFOO=1", "bFoo=0"},                  // the catalogue's spelling
        {"fGamma=75.0000", "fGamma=90.0000"},  // decimals kept from the file
        {"fGamma=75", "fGamma=90.00"},         // at least 2
        {"fGamma=75.5", "fGamma=90.00"},
        {"fGamma=1.5.123", "fGamma=90.00"},  // counted up to a further "."
        {"fGamma=0.123456", "fGamma=90.000000"},
        {"iCount=7 ; by hand", "iCount=2"},  // 2.5: halves to even; the comment goes
        {"iSize W=1920", "iSize W=1280"},
        {"iSize H = 1080", "iSize H=720"},
        {"uExterior Cell Buffer=36", "uExterior Cell Buffer=64"},
        {"bShownOnly = 0", "bShownOnly = 0"},  // never written
        {"iKindless = 9", "iKindless = 9"},
        {"", ""},  // no key: never matches a blank line
        {"=7", "=7"},
        {"\tbFoo=1", "\tbFoo=1"},  // a tab is part of the key
        {"sName = A, \"B\" | C\\D %s", "sName = A, \"B\" | C\\D %s"},
        {"SMasterMismatchWarning=One or more plugins",
         "SMasterMismatchWarning=One or more plugins"},
        {"could not be found; continue", "could not be found; continue"},  // no "=": passes
        {"uHUDColor=4290134783", "uHUDColor=4290134783"},  // beyond what a float holds exactly
        {"[PipBoy]", "[PipBoy]"},
        {std::string_view("nul\0inside=1", 12), std::string_view("nul\0inside=1", 12)},
    };
    GameSetUp game = MakeSetUp();
    std::string before, after;
    for (const Row& row : rows) {
        before.append(row.before).append("\n");
        after.append(row.after).append("\r\n");
    }
    game.PutFile(1, before);
    WriteGameConfig(game.Files(), 1);
    EXPECT_EQ(game.FileBytes(1), after);
    EXPECT_TRUE(game.dialogs.shownMessages.empty());
}

TEST(WriteGameConfig, OnOffAndWholeNumberForms) {
    struct Row {
        float foo, count;
        const char* lines;
    };
    const Row rows[] = {
        {1, 3.5f, "bFoo=1\r\niCount=4\r\n"},
        {0.5f, -2.5f, "bFoo=0.5\r\niCount=-2\r\n"},
        {-1, 1e6f, "bFoo=-1.0\r\niCount=1000000\r\n"},
        {2, 4290134784.0f, "bFoo=2.0\r\niCount=4290134784\r\n"},
    };
    for (const Row& row : rows) {
        GameSetUp game = MakeSetUp();
        game.Setting("bFoo").current = row.foo;
        game.Setting("iCount").current = row.count;
        game.PutFile(1, "bFoo=0\niCount=0");
        WriteGameConfig(game.Files(), 1);
        EXPECT_EQ(game.FileBytes(1), row.lines);
    }
}

TEST(WriteGameConfig, AChangedLargeNumberIsWrittenFromTheModel) {
    GameSetUp game = MakeSetUp();
    game.PutFile(1, "uHUDColor=4290134783\r\n");
    ReadGameConfig(game.Files(), 1);
    game.Setting("uHUDColor").current = 452952319;
    WriteGameConfig(game.Files(), 1);
    EXPECT_EQ(game.FileBytes(1), "uHUDColor=452952320\r\n");  // the nearest float
}

TEST(WriteGameConfig, LineEndings) {
    struct Row {
        std::string_view before;
        std::string_view after;
    };
    const Row rows[] = {
        {"", "\r\n"},  // an empty file: one empty line
        {"\r\n", "\r\n"},       {"a\nb", "a\r\nb\r\n"}, {"a\rb\r\n\r\nc\r", "a\r\nb\r\n\r\nc\r\n"},
        {"a\n\n", "a\r\n\r\n"},
    };
    for (const Row& row : rows) {
        GameSetUp game = MakeSetUp();
        game.PutFile(1, row.before);
        WriteGameConfig(game.Files(), 1);
        EXPECT_EQ(game.FileBytes(1), row.after)
            << ::testing::PrintToString(std::string(row.before));
    }
}

TEST(WriteGameConfig, AKeyTheFileLacksIsNotAdded) {
    GameSetUp game = MakeSetUp();
    game.Setting("fGamma").current = 1.5f;
    game.Setting("bFoo").current = 1;
    game.PutFile(1, "[Display]\r\n[General]\r\n");
    WriteGameConfig(game.Files(), 1);
    EXPECT_EQ(game.FileBytes(1), "[Display]\r\n[General]\r\n");
}

TEST(WriteGameConfig, SpecialLines) {
    struct Row {
        float fov, gore, mouse;
        std::string_view before;
        std::string after;
    };
    const std::string zeros = CrLf({"fForegroundMouseAccelBase=0", "fForegroundMouseAccelTop=0",
                                    "fForegroundMouseBase=0", "fForegroundMouseMult=0"});
    const Row rows[] = {
        // The game's values add nothing.
        {75, 0, -1, "[Display]\n[General]\n[Controls]\n",
         CrLf({"[Display]", "[General]", "[Controls]"})},
        {90, 0, -1, "[display]\n[General]\n",
         CrLf({"[display]", "fDefaultWorldFOV=90.0", "[General]"})},
        {90, 0, -1, "[General]\n", CrLf({"[General]"})},  // no header, no line
        {90, 0, -1, "[Display]\nfDefaultWorldFOV = 80\n",
         CrLf({"[Display]", "fDefaultWorldFOV=90"})},
        {90.25f, 0, -1, "[Display]\n[Display]\n",
         CrLf({"[Display]", "fDefaultWorldFOV=90.2", "[Display]"})},
        {75, 1, -1, "[Audio]\n[GENERAL]\n", CrLf({"[Audio]", "[GENERAL]", "bDisableAllGore=1.0"})},
        {75, 1, -1, "[General]\nbDisableAllGore=0\n", CrLf({"[General]", "bDisableAllGore=1"})},
        // Mouse acceleration off: every line naming the menu-cursor terms goes, then four zeros.
        {75, 0, 0,
         "[Controls]\nfForegroundMouseAccelBase=2\n; fForegroundMouse "
         "tweak\nfForegroundMouseMult=1\nbInvertYValues=0\n",
         CrLf({"[Controls]"}) + zeros + CrLf({"bInvertYValues=0"})},
        {75, 0, 0, "[General]\n[controls]\n", CrLf({"[General]", "[controls]"}) + zeros},
        // On: the lines go and nothing comes in.
        {75, 0, 1, "[Controls]\nfForegroundMouseBase=1\nfForegroundMouseMult=0\n",
         CrLf({"[Controls]"})},
        // Other values: the lines stay; the switch's own line is rewritten.
        {75, 0, -1, "fForegroundMouseBase=1\nfForegroundMouseMult=0\n",
         CrLf({"fForegroundMouseBase=1", "fForegroundMouseMult=-1.0"})},
        // All at once, sections appended without blank lines.
        {100, 1, 0, "[General]\nsLanguage=ENGLISH\n[Display]\n[Controls]",
         CrLf({"[General]", "bDisableAllGore=1.0", "sLanguage=ENGLISH", "[Display]",
               "fDefaultWorldFOV=100.0", "[Controls]"}) +
             zeros},
    };
    for (const Row& row : rows) {
        GameSetUp game = MakeSetUp();
        game.Setting("fDefaultWorldFOV").current = row.fov;
        game.Setting("bDisableAllGore").current = row.gore;
        game.Setting("fForegroundMouseMult").current = row.mouse;
        game.PutFile(1, row.before);
        WriteGameConfig(game.Files(), 1);
        EXPECT_EQ(game.FileBytes(1), row.after)
            << ::testing::PrintToString(std::string(row.before));
    }
}

TEST(WriteGameConfig, WithoutSpecialSettingsNothingIsAddedOrDropped) {
    GameSetUp game({{"NAME|Foo", "CONFIG|bFoo", "FORMAT|ONOFF", "DEFAULT|1"}});
    game.PutFile(1, "[Display]\n[General]\n[Controls]\nfForegroundMouseMult=0\n");
    WriteGameConfig(game.Files(), 1);
    EXPECT_EQ(game.FileBytes(1),
              CrLf({"[Display]", "[General]", "[Controls]", "fForegroundMouseMult=0"}));
}

TEST(WriteGameConfig, APresetDestinationIsMadeFromTheConfiguredFile) {
    GameSetUp game = MakeSetUp();
    game.Setting("bFoo").current = 1;
    game.PutFile(2, "bFoo=0\n");
    WriteGameConfig(game.Files(), 2, "Presets\\Mine.P2");
    EXPECT_EQ(ReadBytes(game.folder / "Presets/Mine.P2"), "");  // the folder does not exist yet
    EXPECT_EQ(game.dialogs.shownMessages,
              (std::vector<MessageBox>{
                  WriteError("Unable to overwrite the file. Changes can't be saved.\n"
                             "Error code: QZ06-2")}));
    fs::create_directories(game.folder / "Presets");
    game.dialogs.shownMessages.clear();
    WriteGameConfig(game.Files(), 2, "Presets\\Mine.P2");
    EXPECT_EQ(ReadBytes(game.folder / "Presets/Mine.P2"), "bFoo=1\r\n");
    EXPECT_EQ(game.FileBytes(2), "bFoo=0\n");
    EXPECT_TRUE(game.dialogs.shownMessages.empty());
}

TEST(WriteGameConfig, AReadOnlyDestinationIsReplacedAndLeftWritable) {
    GameSetUp game = MakeSetUp();
    game.PutFile(1, "bFoo=1\n");
    const fs::path file = game.folder / game.config[1];
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    WriteGameConfig(game.Files(), 1);
    EXPECT_EQ(game.FileBytes(1), "bFoo=0\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);  // owner write added, the rest kept
    EXPECT_TRUE(game.dialogs.shownMessages.empty());
}

TEST(WriteGameConfig, ALinkedDestinationStaysALink) {
    GameSetUp game = MakeSetUp();
    WriteBytes(game.folder / "real/Fallout.ini", "bFoo=1\n");
    fs::create_directories(game.folder / "game");
    fs::create_symlink(game.folder / "real/Fallout.ini", game.folder / "game/Fallout.ini");
    game.config[1] = "game\\Fallout.ini";
    WriteGameConfig(game.Files(), 1);
    EXPECT_TRUE(fs::is_symlink(game.folder / "game/Fallout.ini"));
    EXPECT_EQ(ReadBytes(game.folder / "real/Fallout.ini"), "bFoo=0\r\n");
}

TEST(WriteGameConfig, AMissingSourceIsReportedExceptAnUnconfiguredDefaultFile) {
    GameSetUp game = MakeSetUp();
    game.config[1] = "game\\Fallout.ini";
    WriteGameConfig(game.Files(), 1);
    WriteGameConfig(game.Files(), 3);  // no path configured: silent
    game.config[3] = "game\\Fallout_default.ini";
    WriteGameConfig(game.Files(), 3);
    game.config[2] = "";
    WriteGameConfig(game.Files(), 2, "Presets\\Mine.P2");
    EXPECT_EQ(game.dialogs.shownMessages,
              (std::vector<MessageBox>{kQz08_1, WriteError("Unable to save.\nError code: QZ08-3"),
                                       WriteError("Unable to save.\nError code: QZ08-2")}));
    EXPECT_FALSE(fs::exists(game.folder / "Presets"));
}

TEST(WriteGameConfig, AFailedReplacementLeavesTheDestinationAsItWas) {
    GameSetUp game = MakeSetUp();
    game.PutFile(1, "bFoo=1\n");
    fs::create_directories(game.folder / "folder.ini");
    WriteGameConfig(game.Files(), 1, "folder.ini");
    EXPECT_TRUE(fs::is_directory(game.folder / "folder.ini"));
    EXPECT_EQ(game.dialogs.shownMessages, (std::vector<MessageBox>{kQz06_1}));
}

TEST(WriteGameConfig, AFolderTheUserMayNotWriteKeepsItsFileExactly) {
    GameSetUp game = MakeSetUp();
    // Fallout_default.ini in a folder of the game's installation that the user may not change.
    const fs::path locked = game.folder / "locked";
    WriteBytes(locked / "Fallout.ini", "bFoo=1\n");
    game.config[1] = "locked\\Fallout.ini";
    fs::permissions(game.folder.path(),
                    fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    fs::permissions(game.folder / "tmp", fs::perms::all | fs::perms::sticky_bit);
    const bool ok = testing::RunWithoutWriteAccess(locked, [&] {
        WriteGameConfig(game.Files(), 1);
        return game.dialogs.shownMessages == std::vector<MessageBox>{kQz06_1} &&
               ReadBytes(locked / "Fallout.ini") == "bFoo=1\n" &&
               std::distance(fs::directory_iterator(locked), fs::directory_iterator()) == 1;
    });
    EXPECT_TRUE(ok);
    struct stat info {};
    ASSERT_EQ(::stat((locked / "Fallout.ini").c_str(), &info), 0);
    EXPECT_EQ(ReadBytes(locked / "Fallout.ini"), "bFoo=1\n");
}

TEST(WriteGameConfig, WorkFilesRecordBothPasses) {
    GameSetUp game = MakeSetUp();
    game.Setting("fDefaultWorldFOV").current = 90;
    game.PutFile(1, "[Display]\nbFoo=1\n");
    WriteGameConfig(game.Files(), 1);
    const fs::path work = game.folder / ("tmp/quorvane-" + std::to_string(::geteuid()));
    EXPECT_EQ(ReadBytes(work / "qrz1.txt"), "[Display]\r\nbFoo=0\r\n");
    EXPECT_EQ(ReadBytes(work / "qrz1.txt.tmp"), "[Display]\r\nfDefaultWorldFOV=90.0\r\nbFoo=0\r\n");
    EXPECT_EQ(game.FileBytes(1), ReadBytes(work / "qrz1.txt.tmp"));
}

TEST(WorkFolder, IsPrivateAndWritesThroughNothingPlanted) {
    GameSetUp game = MakeSetUp();
    game.PutFile(1, "bFoo=1\n");
    const fs::path work = game.folder / ("tmp/quorvane-" + std::to_string(::geteuid()));
    // Someone made the folder open to all and planted a link where a work file goes.
    fs::create_directories(work);
    fs::permissions(work, fs::perms::all);
    WriteBytes(game.folder / "victim.txt", "precious");
    fs::create_symlink(game.folder / "victim.txt", work / "qrz1.txt");

    WriteGameConfig(game.Files(), 1);
    EXPECT_TRUE(game.dialogs.shownMessages.empty());
    EXPECT_EQ(ReadBytes(game.folder / "victim.txt"), "precious");
    EXPECT_FALSE(fs::is_symlink(work / "qrz1.txt"));
    EXPECT_EQ(ReadBytes(work / "qrz1.txt"), "bFoo=0\r\n");
    struct stat info {};
    ASSERT_EQ(::lstat(work.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    ASSERT_EQ(::lstat((work / "qrz1.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(WorkFolder, ALinkOrAStrangersFolderUnderItsNameIsRefused) {
    struct Row {
        const char* what;
        // False when the case cannot be set up here.
        std::function<bool(const fs::path& work, const fs::path& elsewhere)> plant;
    };
    const Row rows[] = {
        {"a link to a folder",
         [](const fs::path& work, const fs::path& elsewhere) {
             fs::create_directories(elsewhere);
             fs::create_directory_symlink(elsewhere, work);
             return true;
         }},
        {"a file",
         [](const fs::path& work, const fs::path&) {
             WriteBytes(work, "x");
             return true;
         }},
        {"another user's folder",
         [](const fs::path& work, const fs::path&) {
             // Only the superuser can give a folder away.
             fs::create_directories(work);
             return ::geteuid() == 0 && ::chown(work.c_str(), 65534, 65534) == 0;
         }},
    };
    for (const Row& row : rows) {
        GameSetUp game = MakeSetUp();
        game.PutFile(1, "bFoo=1\n");
        const fs::path work = game.folder / ("tmp/quorvane-" + std::to_string(::geteuid()));
        if (!row.plant(work, game.folder / "elsewhere")) continue;
        WriteGameConfig(game.Files(), 1);
        EXPECT_EQ(game.dialogs.shownMessages, (std::vector<MessageBox>{kQz05b_1})) << row.what;
        EXPECT_EQ(game.FileBytes(1), "bFoo=1\n") << row.what;
        EXPECT_FALSE(fs::exists(game.folder / "elsewhere/qrz1.txt")) << row.what;
    }
}

}  // namespace
}  // namespace quorvane::gameconfig
