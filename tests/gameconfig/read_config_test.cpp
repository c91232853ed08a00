#include "gameconfig/read_config.h"

#include <gtest/gtest.h>

#include "game_setup.h"
#include "gameconfig/write_config.h"

namespace quorvane::gameconfig {
namespace {

using platform::MessageBox;
using platform::MessageButtons;
using platform::MessageIcon;
using testing::GameSetUp;

// The catalogue's defaults differ from the game's (75, 0, 1), so a test can tell which applied.
GameSetUp MakeSetUp() {
    return GameSetUp({
        {"NAME|Field of view",
         "CONFIG|fDefaultWorldFOV",
         "FORMAT|FLOAT",
         "DEFAULT|70",
         "NAME|Gore",
         "CONFIG|bDisableAllGore",
         "FORMAT|ONOFF",
         "DEFAULT|1",
         "NAME|Mouse acceleration",
         "CONFIG|fForegroundMouseMult",
         "FORMAT|ONOFF",
         "DEFAULT|0",
         "NAME|Full screen",
         "CONFIG|bFull Screen",
         "FORMAT|ONOFF",
         "DEFAULT|1",
         "NAME|Gamma",
         "CONFIG|fGamma",
         "FORMAT|FLOAT",
         "DEFAULT|1",
         "NAME|No key",
         "FORMAT|VALUE",
         "DEFAULT|5"},
        {"NAME|Gamma shown again", "CONFIG|fGamma", "FORMAT|GHOST_ONOFF", "NAME|Kindless",
         "CONFIG|iKindless"},
    });
}

MessageBox Qz04(int slot) {
    return {"Warning",
            "Unable to open the configuration file.\nIf you save, you may break your configuration "
            "files.\n\n"
            "Error code: QZ04-" +
                std::to_string(slot),
            MessageIcon::Exclamation, MessageButtons::Ok};
}

TEST(ReadGameConfig, LineForms) {
    struct Row {
        const char* line;
        float gamma;  // 9 when the line must not match
    };
    const Row rows[] = {
        {"fGamma=1.0000", 1},
        {"fGamma=  42", 42},
        {"fGamma=", 0},
        {"fGamma=1.5=2", 1.5f},          // the value ends at a second "="
        {"fGamma=bright", 0},            // text reads as 0
        {"fGamma=2.5 ; by hand", 2.5f},  // the leading number of the value
        {"fGamma=-3e2", -300},
        {"fGamma", 0},  // no "=": the whole line is the key, the value empty
        // The game reads keys without regard to case or surrounding spaces; so does writing.
        {"fgamma=3", 3},
        {"FGAMMA =3", 3},
        {"   fGamma   =   3", 3},
        {"\tfGamma=3", 9},  // a tab is part of the key
        {"fGam ma=3", 9},
        {"fGammaX=3", 9},
        {"[Display]fGamma=3", 9},
    };
    for (const Row& row : rows) {
        GameSetUp game = MakeSetUp();
        game.Setting("fGamma").current = game.Setting("fGamma").saved = 9;
        game.PutFile(1, row.line);
        ReadGameConfig(game.Files(), 1);
        EXPECT_EQ(game.Setting("fGamma").current, row.gamma) << row.line;
        EXPECT_EQ(game.Setting("fGamma").saved, row.gamma) << row.line;
        EXPECT_TRUE(game.dialogs.shownMessages.empty());
    }
}

TEST(ReadGameConfig, KeysWithSpacesInsideAndInOtherCaseMatch) {
    GameSetUp game = MakeSetUp();
    game.PutFile(2, "[Display]\nBFULL SCREEN=0\n");
    ReadGameConfig(game.Files(), 2);
    EXPECT_EQ(game.Setting("bFull Screen").current, 0);
}

TEST(ReadGameConfig, ALaterLineWinsAndEverySettingWithTheKeyTakesTheValue) {
    GameSetUp game = MakeSetUp();
    game.PutFile(1, "[Display]\r\nfGamma=1.2\r\n[Other]\r\nfGamma=1.4\r\niKindless=7");
    ReadGameConfig(game.Files(), 1);
    EXPECT_EQ(game.catalogue.At(0, 5).current, 1.4f);
    EXPECT_EQ(game.catalogue.At(1, 1).current, 1.4f);  // GHOST_ONOFF: read whatever the kind
    EXPECT_EQ(game.catalogue.At(1, 1).saved, 1.4f);
    EXPECT_EQ(game.Setting("iKindless").current, 7);
}

TEST(ReadGameConfig, ASettingWithoutKeyMatchesNoLine) {
    GameSetUp game = MakeSetUp();
    game.PutFile(1, "\r\n=7\r\n  =8\r\n[General]\r\n");
    ReadGameConfig(game.Files(), 1);
    EXPECT_EQ(game.catalogue.At(0, 6).current, 5);
    EXPECT_EQ(game.catalogue.At(0, 6).saved, 5);
}

TEST(ReadGameConfig, SpecialSettingsTakeTheGameDefaultsWhenTheFileLacksTheirKeys) {
    struct Row {
        const char* file;
        float fov, gore, mouse;
    };
    const Row rows[] = {
        {"", 75, 0, 1},
        {"[General]\r\nsLanguage=ENGLISH\r\n", 75, 0, 1},
        {"fDefaultWorldFOV=90\r\nbDisableAllGore=1\r\nfForegroundMouseMult=0\r\n", 90, 1, 0},
        {"fForegroundMouseMult=-1\r\n", 75, 0, 1},  // -1 is the game's "on" as well
        {"fForegroundMouseMult=2\r\n", 75, 0, 2},
    };
    for (const Row& row : rows) {
        GameSetUp game = MakeSetUp();
        game.PutFile(1, row.file);
        ReadGameConfig(game.Files(), 1);
        for (auto [key, value] :
             {std::pair{"fDefaultWorldFOV", row.fov}, std::pair{"bDisableAllGore", row.gore},
              std::pair{"fForegroundMouseMult", row.mouse}}) {
            EXPECT_EQ(game.Setting(key).current, value) << key << " in " << row.file;
            EXPECT_EQ(game.Setting(key).saved, value) << key << " in " << row.file;
        }
    }
}

TEST(ReadGameConfigSet, AFileWithoutASpecialKeyKeepsTheValueAnEarlierFileGave) {
    struct Row {
        const char* slot3;  // nullptr: the file does not exist
        const char* slot2;
        const char* slot1;
        float fov, mouse;
    };
    const Row rows[] = {
        // Fallout_default.ini holds the key, the two later files do not.
        {"fDefaultWorldFOV=90\r\nfForegroundMouseMult=0\r\n", "[Display]\r\n", "[Display]\r\n", 90,
         0},
        {"fDefaultWorldFOV=90\r\n", "[Display]\r\n", "fDefaultWorldFOV=100\r\n", 100, 1},
        {"[Display]\r\n", "fDefaultWorldFOV=80\r\n", "[Display]\r\n", 80, 1},
        {"fForegroundMouseMult=-1\r\n", "", "", 75, 1},
        {nullptr, "", "", 75, 1},
        {nullptr, nullptr, nullptr, 70, 0},  // no file opened: the catalogue's defaults stay
    };
    for (const Row& row : rows) {
        GameSetUp game = MakeSetUp();
        const char* files[] = {row.slot1, row.slot2, row.slot3};
        for (int slot = 1; slot <= 3; ++slot) {
            if (files[slot - 1]) game.PutFile(slot, files[slot - 1]);
        }
        ReadGameConfigSet(game.Files());
        EXPECT_EQ(game.Setting("fDefaultWorldFOV").current, row.fov)
            << (row.slot3 ? row.slot3 : "-");
        EXPECT_EQ(game.Setting("fDefaultWorldFOV").saved, row.fov);
        EXPECT_EQ(game.Setting("fForegroundMouseMult").current, row.mouse)
            << (row.slot3 ? row.slot3 : "-");
    }
}

TEST(ReadGameConfigSet, TheUsersValueSurvivesTheNextWrite) {
    // The player set the field of view in FalloutPrefs.ini only; Fallout.ini lacks it.
    GameSetUp game = MakeSetUp();
    game.PutFile(3, "[Display]\r\n");
    game.PutFile(2, "[Display]\r\nfDefaultWorldFOV=95.0000\r\n");
    game.PutFile(1, "[Display]\r\nfGamma=1.0000\r\n");
    ReadGameConfigSet(game.Files());
    for (int slot : {1, 2, 3}) WriteGameConfig(game.Files(), slot);
    EXPECT_EQ(game.FileBytes(2), "[Display]\r\nfDefaultWorldFOV=95.0000\r\n");
    EXPECT_TRUE(game.dialogs.shownMessages.empty());
}

TEST(ReadGameConfig, AKeyWithSpacesIsWrittenBackWithTheValueItHad) {
    GameSetUp game = MakeSetUp();
    game.PutFile(1, "[Display]\r\nfDefaultWorldFOV = 90\r\n");
    ReadGameConfig(game.Files(), 1);
    EXPECT_EQ(game.Setting("fDefaultWorldFOV").current, 90);
    WriteGameConfig(game.Files(), 1);
    EXPECT_EQ(game.FileBytes(1), "[Display]\r\nfDefaultWorldFOV=90.00\r\n");
}

TEST(ReadGameConfigSet, AMissingFileWarnsForSlotsOneAndTwoAndLeavesTheModel) {
    GameSetUp game = MakeSetUp();
    game.config[1] = "game\\Fallout.ini";
    game.config[2] = "";
    game.config[3] = "game\\Fallout_default.ini";
    ReadGameConfigSet(game.Files());
    EXPECT_EQ(game.dialogs.shownMessages, (std::vector<MessageBox>{Qz04(2), Qz04(1)}));
    // Not even the special settings changed.
    EXPECT_EQ(game.Setting("fDefaultWorldFOV").current, 70);
    EXPECT_EQ(game.Setting("bDisableAllGore").current, 1);
    EXPECT_EQ(game.Setting("fForegroundMouseMult").current, 0);
}

TEST(ReadGameConfigSet, ReadsTheGivenPathsInsteadOfTheConfiguredOnes) {
    GameSetUp game = MakeSetUp();
    game.PutFile(1, "fGamma=1.1\r\n");
    testing::WriteBytes(game.folder / "Presets/Mine.P1", "fGamma=1.3\r\n");
    shell::GameConfigSet preset;
    preset[1] = "presets\\mine.p1";  // found without regard to letter case
    preset[2] = "Presets\\Mine.P2";
    preset[3] = "Presets\\Mine.P3";
    ReadGameConfigSet(game.Files(), preset);
    EXPECT_EQ(game.Setting("fGamma").current, 1.3f);
    EXPECT_EQ(game.dialogs.shownMessages, (std::vector<MessageBox>{Qz04(2)}));
}

}  // namespace
}  // namespace quorvane::gameconfig
