#include "platform/prefs_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/test_folder.h"
#include "support/unprivileged.h"

namespace quorvane::platform {
namespace {

using testing::ReadBytes;
using testing::TestFolder;
using testing::WriteBytes;

struct Read {
    std::string key;
    std::string expected;  // integers compared as decimal text
    bool asInt = false;
    std::string fallback = "<default>";
};

struct Case {
    const char* name;
    std::string input;
    std::string group;
    std::vector<Read> reads;
    std::vector<std::pair<std::string, std::string>> writes;
    std::optional<std::string> output;  // nothing: the file must stay byte for byte as it was
};

std::ostream& operator<<(std::ostream& out, const Case& c) { return out << c.name; }

class PrefsFileRules : public ::testing::TestWithParam<Case> {};

TEST_P(PrefsFileRules, ReadsAndRewrites) {
    const Case& c = GetParam();
    TestFolder folder;
    const auto path = folder / "prefs.ini";
    WriteBytes(path, c.input);

    PrefsFile set;
    ASSERT_TRUE(set.Open(path));
    set.SelectGroup(c.group);
    for (const Read& read : c.reads) {
        std::string got = read.asInt ? std::to_string(set.ReadInt(read.key, -777))
                                     : set.ReadString(read.key, read.fallback);
        EXPECT_EQ(got, read.expected) << "key " << read.key;
    }
    for (const auto& [key, value] : c.writes) set.WriteString(key, value);
    set.Close();
    EXPECT_EQ(ReadBytes(path), c.output.value_or(c.input));
}

INSTANTIATE_TEST_SUITE_P(
    Table, PrefsFileRules,
    ::testing::Values(
        Case{"Utf8MarkSkippedAndWrittenBackWithAnEmptyLine",
             "\xEF\xBB\xBFWidth=5\r\n",
             "",
             {{"Width", "5", true}},
             {{"Height", "7"}},
             "\xEF\xBB\xBF\r\nWidth = 5\r\nHeight = 7\r\n"},
        Case{"CrLfAndCrLfEndingsAllEndALine",
             "A=1\rB=2\nC=3\r\nD=4",
             "",
             {{"A", "1", true}, {"B", "2", true}, {"C", "3", true}, {"D", "4", true}},
             {{"A", "9"}},
             "A = 9\r\nB = 2\r\nC = 3\r\nD = 4\r\n"},
        Case{"CommentsNormalisedBlankLinesDroppedGroupsKept",
             ";c1\r\n;  c2\r\n\r\n  K=v\r\n\r\n[Grp] tail\r\nX=1\r\n",
             "",
             {{"K", "v"}},
             {{"K", "w"}},
             "; c1\r\n;  c2\r\nK = w\r\n[Grp]\r\nX = 1\r\n"},
        Case{"KeyCaseIgnoredAndRewrittenAsWritten",
             "width=1024\r\n",
             "",
             {{"WIDTH", "1024", true}},
             {{"Width", "1024"}},
             "Width = 1024\r\n"},
        Case{"KeyAfterFirstGroupNotFoundAndAddedAtTheTop",
             "[G]\r\nID=5\r\n",
             "",
             {{"ID", "-777", true}, {"ID", "<default>"}},
             {{"ID", "3"}},
             "ID = 3\r\n[G]\r\nID = 5\r\n"},
        Case{"NewKeyGoesAfterTheLastLineBeforeTheFirstGroup",
             "A=1\r\n; note\r\n[G]\r\nB=2\r\n",
             "",
             {},
             {{"C", "3"}},
             "A = 1\r\n; note\r\nC = 3\r\n[G]\r\nB = 2\r\n"},
        Case{"IntegersLeadingNumberSignAndSaturation",
             "W=abc\r\nH=20000x\r\nS=  -12\r\nBig=99999999999\r\nNeg=-99999999999\r\nP=+7\r\nE=\r\n",
             "",
             {{"W", "0", true},
              {"H", "20000", true},
              {"S", "-12", true},
              {"Big", "2147483647", true},
              {"Neg", "-2147483648", true},
              {"P", "7", true},
              {"E", "0", true},
              {"Absent", "-777", true}},
             {},
             std::nullopt},
        Case{"StringsTrimmedAndAnEmptyValueIsNotTheDefault",
             "Config1 =\r\n  \tName \t=  \tSegoe UI \t\r\nEq=a=b\r\nBare\r\n",
             "",
             {{"Config1", ""}, {"Name", "Segoe UI"}, {"Eq", "a=b"}, {"Bare", ""}, {"None", "<default>"}},
             {},
             std::nullopt},
        Case{"SelectedGroupReadsOnlyItsOwnLines",
             "Top=0\r\n[setup]\r\nPath = C:\\Games\\\r\nPath=second\r\n[Other]\r\nSteam=x\r\n",
             "Setup",
             {{"Path", "C:\\Games\\"}, {"Top", "<default>"}, {"Steam", "<default>"}},
             {},
             std::nullopt},
        Case{"MissingGroupReadsDefaults",
             "[Setup]\r\nA=1\r\n",
             "Nowhere",
             {{"A", "<default>"}},
             {},
             std::nullopt},
        Case{"ReplacementInPlaceKeepsOrder",
             "Width = 800\r\nHeight = 600\r\n[Group]\r\nWidth = 1\r\n",
             "",
             {},
             {{"Height", "700"}, {"Width", "640"}},
             "Width = 640\r\nHeight = 700\r\n[Group]\r\nWidth = 1\r\n"},
        Case{"NothingWrittenLeavesOddFileUntouched",
             "\r\n\r\n  ;x\r\nk=v\n\n",
             "",
             {{"k", "v"}},
             {},
             std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrefsFile, OpenFailsForMissingFileOrFolderAndCreateEmptiesAtOnce) {
    TestFolder folder;
    PrefsFile set;
    EXPECT_FALSE(set.Open(folder / "absent.ini"));
    EXPECT_FALSE(set.Open(folder.path()));

    WriteBytes(folder / "new.ini", "Old=1\r\n");
    ASSERT_TRUE(set.Create(folder / "new.ini"));
    EXPECT_EQ(ReadBytes(folder / "new.ini"), "");
    set.WriteInt("Width", -5);
    set.Close();
    EXPECT_EQ(ReadBytes(folder / "new.ini"), "Width = -5\r\n");
}

TEST(PrefsFile, OpeningAnotherSetWritesTheFirst) {
    TestFolder folder;
    WriteBytes(folder / "a.ini", "A=1\r\n");
    WriteBytes(folder / "b.ini", "B=1\r\n");
    PrefsFile set;
    ASSERT_TRUE(set.Open(folder / "a.ini"));
    set.WriteInt("A", 2);
    ASSERT_TRUE(set.Open(folder / "b.ini"));
    EXPECT_EQ(ReadBytes(folder / "a.ini"), "A = 2\r\n");
    EXPECT_EQ(set.ReadInt("B", 0), 1);
}

TEST(PrefsFile, WriteProtectedFileKeepsItsContentSilently) {
    TestFolder folder;
    const std::string original = "Width=1\r\n\r\n;c\r\n";
    WriteBytes(folder / "prefs.ini", original);
    const auto path = folder / "prefs.ini";
    EXPECT_TRUE(testing::RunWithoutWriteAccess(folder.path(), [&] {
        PrefsFile set;
        if (!set.Open(path) || set.ReadInt("Width", 0) != 1) return false;
        set.WriteInt("Width", 2);
        set.Close();
        return true;
    }));
    EXPECT_EQ(ReadBytes(path), original);
}

}  // namespace
}  // namespace quorvane::platform
