#include "shell/program_prefs.h"

#include <gtest/gtest.h>

#include "platform/prefs_file.h"
#include "support/test_folder.h"

namespace quorvane::shell {
namespace {

using testing::ReadBytes;
using testing::TestFolder;
using testing::WriteBytes;

ProgramPrefs LoadFrom(const std::string& bytes) {
    TestFolder folder;
    WriteBytes(folder / "QRZprefs.ini", bytes);
    platform::PrefsFile set;
    EXPECT_TRUE(set.Open(folder / "QRZprefs.ini"));
    ProgramPrefs prefs;
    LoadProgramPrefs(set, prefs);
    EXPECT_FALSE(set.IsOpen());
    return prefs;
}

TEST(ProgramPrefs, DefaultsWhenKeysAreAbsentOrNoSetIsOpen) {
    platform::PrefsFile none;
    ProgramPrefs prefs;
    LoadProgramPrefs(none, prefs);
    EXPECT_EQ(prefs.width, 800);
    EXPECT_EQ(prefs.height, 600);
    EXPECT_EQ(prefs.useFontName, "0");
    EXPECT_EQ(prefs.useFontSize, 0);
    EXPECT_EQ(prefs.config[1], "null");
    EXPECT_EQ(prefs.config[2], "null");
    EXPECT_EQ(prefs.config[3], "null");
    EXPECT_EQ(prefs.gamePath, "");
    EXPECT_EQ(prefs.bpSave + prefs.bpExit + prefs.tip1Given + prefs.id, 0);
    EXPECT_FALSE(prefs.HasOwnFont());
}

TEST(ProgramPrefs, ClampsAndOddValues) {
    struct Row {
        const char* file;
        std::int32_t width;
        std::int32_t height;
    };
    const Row rows[] = {
        {"Width=20000\r\nHeight=300\r\n", 9999, 300},
        {"Width=abc\r\nHeight=-40\r\n", 0, -40},
        {"width=1024\r\n", 1024, 600},
        {"Width=99999999999\r\nHeight=9999\r\n", 9999, 9999},
        {"[Group]\r\nWidth=1024\r\n", 800, 600},
    };
    for (const Row& row : rows) {
        ProgramPrefs prefs = LoadFrom(row.file);
        EXPECT_EQ(prefs.width, row.width) << row.file;
        EXPECT_EQ(prefs.height, row.height) << row.file;
    }
    EXPECT_EQ(LoadFrom("Config1 =\r\n").config[1], "");
}

TEST(ProgramPrefs, FontRule) {
    const std::tuple<const char*, int, bool> rows[] = {
        {"0", 0, false}, {"0", 1, false}, {"0", 12, true}, {"Tahoma", 0, true}, {"Segoe UI", 10, true},
    };
    for (const auto& [name, size, own] : rows) {
        ProgramPrefs prefs;
        prefs.useFontName = name;
        prefs.useFontSize = size;
        EXPECT_EQ(prefs.HasOwnFont(), own) << name << " " << size;
    }
}

TEST(ProgramPrefs, SaveKeepsHandWrittenLinesAndNormalisesTheRest) {
    TestFolder folder;
    WriteBytes(folder / "QRZprefs.ini",
               ";my note\r\n\r\nwidth=1024\r\nID = 7\r\n[Extra]\r\nGamePath=C:\\x\r\n");
    platform::PrefsFile set;
    ASSERT_TRUE(set.Open(folder / "QRZprefs.ini"));
    ProgramPrefs prefs;
    LoadProgramPrefs(set, prefs);
    ASSERT_TRUE(set.Open(folder / "QRZprefs.ini"));
    WriteProgramPrefs(set, prefs);
    set.Close();
    // Keys are written in place or added before the first group; the comment survives,
    // normalised, the blank line does not, and the group keeps its own lines.
    EXPECT_EQ(ReadBytes(folder / "QRZprefs.ini"),
              "; my note\r\nWidth = 1024\r\nID = 7\r\nHeight = 600\r\nUseFontName = 0\r\n"
              "UseFontSize = 0\r\nConfig1 = null\r\nConfig2 = null\r\nConfig3 = null\r\n"
              "GamePath = \r\nBP_Save = 0\r\nBP_Exit = 0\r\nTip1Given = 0\r\n[Extra]\r\n"
              "GamePath = C:\\x\r\n");
}

}  // namespace
}  // namespace quorvane::shell
