#include "discovery/discovery.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "discovery/hint_paths.h"
#include "support/fake_run.h"
#include "support/test_folder.h"

namespace quorvane::discovery {
namespace {

using testing::FakeRun;
using testing::TestFolder;
using testing::WriteBytes;
using Missing = std::array<std::int32_t, 3>;

TEST(HintPaths, FolderNameIsAddedOnlyWhenTheExactEndingIsMissing) {
    struct Row {
        std::string path, name, expected;
    };
    const Row rows[] = {
        {"C:\\Users\\Ann\\", "Documents", "C:\\Users\\Ann\\Documents\\"},
        {"C:\\Users\\Ann\\Documents\\", "Documents", "C:\\Users\\Ann\\Documents\\"},
        {"D:\\Data\\My Documents\\", "Documents", "D:\\Data\\My Documents\\"},
        {"C:\\Users\\Ann\\documents\\", "Documents", "C:\\Users\\Ann\\documents\\Documents\\"},
        {"C:\\Ann\\Documents\\", "My Documents", "C:\\Ann\\Documents\\My Documents\\"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Folder(row.path, row.name), row.expected) << row.path;
    }
    EXPECT_EQ(Sep("C:\\Games"), "C:\\Games\\");
    EXPECT_EQ(Sep("C:\\Games\\"), "C:\\Games\\");
    EXPECT_EQ(Sep(""), "\\");
    EXPECT_EQ(Normalise("C:/Users/Ann"), "C:\\Users\\Ann");
    EXPECT_EQ(ReplaceIgnoringCase("X\\FALLOUT.INI\\a\\Fallout.ini", "\\fallout.ini", "\\falloutprefs.ini"),
              "X\\falloutprefs.ini\\a\\falloutprefs.ini");
}

TEST(Discovery, CandidatesInTheirOrder) {
    const SetupHints hints{"C:\\Games\\Wasteland", "E:\\FNV\\", "C:/Users/Ann", "C:/Steam"};
    const std::string tail = "My Games\\FalloutNV\\Fallout.ini";
    EXPECT_EQ(ConfigCandidates(1, hints, "C:\\Documents and Settings\\Ann", ""),
              (std::vector<Candidate>{{"C:\\Users\\Ann\\Documents\\" + tail},
                                      {"C:\\Documents and Settings\\Ann\\Documents\\" + tail},
                                      {"C:\\Documents and Settings\\Ann\\My Documents\\" + tail}}));
    // The profile is not normalised; Fallout.ini's own folder is tried last, in lower case.
    EXPECT_EQ(ConfigCandidates(2, hints, "C:/Users/Bob", "X\\Fallout.ini"),
              (std::vector<Candidate>{{"C:\\Users\\Ann\\Documents\\My Games\\FalloutNV\\FalloutPrefs.ini"},
                                      {"C:/Users/Bob\\Documents\\My Games\\FalloutNV\\FalloutPrefs.ini"},
                                      {"C:/Users/Bob\\My Documents\\My Games\\FalloutNV\\FalloutPrefs.ini"},
                                      {"X\\falloutprefs.ini"}}));
    // The Steam copy is decided by its size; the install paths keep their slashes.
    const SetupHints slashes{"C:/Games/FNV", ":non:", ":non:", ":non:"};
    EXPECT_EQ(ConfigCandidates(3, slashes, "", ""),
              (std::vector<Candidate>{{":non:\\steamapps\\common\\fallout new vegas\\fallout_default.ini", true},
                                      {"C:/Games/FNV\\fallout_default.ini"},
                                      {":non:\\fallout_default.ini"}}));
    // No separator before the executable's name.
    EXPECT_EQ(ExecutableCandidates(hints),
              (std::vector<std::string>{"C:\\Games\\WastelandFalloutNV.exe", "E:\\FNV\\FalloutNV.exe"}));
}

// A fake tree in the working folder; "{root}" in any text stands for the folder's absolute path.
struct DiscoveryRow {
    const char* name;
    const char* setupInfo;  // nullptr: no SetupInfo.ini
    std::string userProfile;
    std::vector<std::pair<std::string, std::size_t>> files;  // native path, size in bytes
    std::array<std::string, 3> config;
    Missing missing;
    std::string gamePath;
};

std::string WithRoot(std::string text, const std::string& root) {
    for (auto at = text.find("{root}"); at != std::string::npos; at = text.find("{root}")) {
        text.replace(at, 6, root);
    }
    return text;
}

TEST(Discovery, FindsTheFilesInAFakeTree) {
    const std::string ini = "My Games\\FalloutNV\\";
    const std::string nativeIni = "My Games/FalloutNV/";
    const DiscoveryRow rows[] = {
        {"forward slashes and no trailing separator in the documents hint",
         "[Setup]\r\nFO3INILocation=C:/Users/Ann\r\n",
         "",
         {{"C:/Users/Ann/Documents/" + nativeIni + "Fallout.ini", 1},
          {"C:/Users/Ann/Documents/" + nativeIni + "FalloutPrefs.ini", 1}},
         {"C:\\Users\\Ann\\Documents\\" + ini + "Fallout.ini", "C:\\Users\\Ann\\Documents\\" + ini + "FalloutPrefs.ini", ""},
         {0, 0, 1},
         ""},
        {"a hint that is the documents folder itself gets no second Documents",
         "[Setup]\r\nFO3INILocation=C:\\Users\\Ann\\Documents\\\r\n",
         "",
         {{"C:/Users/Ann/Documents/" + nativeIni + "Fallout.ini", 1}},
         {"C:\\Users\\Ann\\Documents\\" + ini + "Fallout.ini", "", ""},
         {0, 1, 1},
         ""},
        {"a My Documents hint ends with the folder name Documents",
         "[Setup]\r\nFO3INILocation=D:\\Data\\My Documents\r\n",
         "",
         {{"D:/Data/My Documents/" + nativeIni + "Fallout.ini", 1}},
         {"D:\\Data\\My Documents\\" + ini + "Fallout.ini", "", ""},
         {0, 1, 1},
         ""},
        {"the profile's My Documents after its Documents",
         "[Setup]\r\nFO3INILocation=C:\\Nowhere\r\n",
         "C:\\Documents and Settings\\Ann",
         {{"C:/Documents and Settings/Ann/My Documents/" + nativeIni + "Fallout.ini", 1},
          {"C:/Documents and Settings/Ann/My Documents/" + nativeIni + "FalloutPrefs.ini", 1}},
         {"C:\\Documents and Settings\\Ann\\My Documents\\" + ini + "Fallout.ini",
          "C:\\Documents and Settings\\Ann\\My Documents\\" + ini + "FalloutPrefs.ini", ""},
         {0, 0, 1},
         ""},
        {"without the group Setup every hint is :non: and the profile is still tried",
         "FO3INILocation=C:\\Users\\Ann\r\n",
         "C:\\Users\\Bob",
         {{"C:/Users/Ann/Documents/" + nativeIni + "Fallout.ini", 1},
          {"C:/Users/Bob/Documents/" + nativeIni + "Fallout.ini", 1}},
         {"C:\\Users\\Bob\\Documents\\" + ini + "Fallout.ini", "", ""},
         {0, 1, 1},
         ""},
        {"a Steam copy of 5000 bytes is a stub: the install folder's copy is taken",
         "[Setup]\r\nSteamPath=Steam\r\nFO3InstallPath=Game\\\r\n",
         "",
         {{"Steam/steamapps/common/fallout new vegas/fallout_default.ini", 5000},
          {"Game/Fallout_default.ini", 10},
          {"Game/FalloutNV.exe", 1}},
         {"", "", "Game\\fallout_default.ini"},
         {1, 1, 0},
         "Game\\FalloutNV.exe"},
        {"a Steam copy of 5001 bytes is taken",
         "[Setup]\r\nSteamPath=Steam\r\nFO3InstallPath=Game\\\r\n",
         "",
         {{"Steam/steamapps/common/fallout new vegas/fallout_default.ini", 5001},
          {"Game/Fallout_default.ini", 10}},
         {"", "", "Steam\\steamapps\\common\\fallout new vegas\\fallout_default.ini"},
         {1, 1, 0},
         ""},
        {"an install path without a trailing separator misses the executable",
         "[Setup]\r\nFO3InstallPath=C:\\Games\\Wasteland\r\n",
         "",
         {{"C:/Games/Wasteland/Fallout_default.ini", 10}, {"C:/Games/Wasteland/FalloutNV.exe", 1}},
         {"", "", "C:\\Games\\Wasteland\\fallout_default.ini"},
         {1, 1, 0},
         ""},
        {"the second install path",
         "[Setup]\r\nFO3InstallPath=C:\\Gone\\\r\nFO3InstallPath2=E:\\FNV\\\r\n",
         "",
         {{"E:/FNV/Fallout_default.ini", 10}, {"E:/FNV/FalloutNV.exe", 1}},
         {"", "", "E:\\FNV\\fallout_default.ini"},
         {1, 1, 0},
         "E:\\FNV\\FalloutNV.exe"},
        {"a folder named like the file is not found",
         "[Setup]\r\nFO3INILocation=Profile\r\n",
         "",
         {{"Profile/Documents/" + nativeIni + "Fallout.ini/inside", 1}},
         {"", "", ""},
         {1, 1, 1},
         ""},
        {"a Proton prefix and Steam's folder, in other letter case",
         "[Setup]\r\nFO3INILocation={root}/pfx/drive_c/users/steamuser\r\nSteamPath={root}/steam\r\n",
         "",
         {{"pfx/drive_c/users/steamuser/Documents/" + nativeIni + "Fallout.ini", 1},
          {"pfx/drive_c/users/steamuser/Documents/" + nativeIni + "FalloutPrefs.ini", 1},
          {"steam/steamapps/common/Fallout New Vegas/Fallout_default.ini", 6000}},
         {"{root}\\pfx\\drive_c\\users\\steamuser\\Documents\\" + ini + "Fallout.ini",
          "{root}\\pfx\\drive_c\\users\\steamuser\\Documents\\" + ini + "FalloutPrefs.ini",
          "{root}\\steam\\steamapps\\common\\fallout new vegas\\fallout_default.ini"},
         {0, 0, 0},
         ""},
        {"no SetupInfo.ini: nothing is looked for, only the executable beside the program",
         nullptr,
         "Profile",
         {{"Profile/Documents/" + nativeIni + "Fallout.ini", 1},
          {"Profile/Documents/" + nativeIni + "FalloutPrefs.ini", 1},
          {"FalloutNV.exe", 1}},
         {"", "", ""},
         {1, 1, 1},
         "FalloutNV.exe"},
    };
    for (const DiscoveryRow& row : rows) {
        SCOPED_TRACE(row.name);
        TestFolder folder;
        // The hints speak Windows: an absolute folder is given with backslashes, like "\tmp\x".
        const std::string root = Normalise(folder.path().string());
        if (row.setupInfo) WriteBytes(folder / "SetupInfo.ini", WithRoot(row.setupInfo, folder.path().string()));
        for (const auto& [path, size] : row.files) WriteBytes(folder / path, std::string(size, 'x'));
        FakeRun run(folder.path());
        run.environment.variables["USERPROFILE"] = row.userProfile;

        const SetupHints hints = DiscoverConfigFiles(run.program);
        FindGameExecutable(run.program, hints);

        for (int slot = 1; slot <= 3; ++slot) {
            EXPECT_EQ(run.program.prefs.config[slot], WithRoot(row.config[slot - 1], root)) << "slot " << slot;
        }
        EXPECT_EQ(run.program.state.configMissing, row.missing);
        EXPECT_EQ(run.program.prefs.gamePath, row.gamePath);
    }
}

}  // namespace
}  // namespace quorvane::discovery
