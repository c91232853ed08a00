// The helper's files over time and its failures: a later run with nothing found keeps earlier
// hints, a run that finds the game replaces them, and a file that cannot be written is an error.
#include "install/install_helper.h"

#include <gtest/gtest.h>

#include <sstream>

#include "fake_steam.h"
#include "support/test_folder.h"
#include "support/unprivileged.h"

namespace quorvane::install {
namespace {

namespace fs = std::filesystem;
using testing::FakeSteam;
using testing::ReadBytes;
using testing::TestFolder;
using testing::WriteBytes;

int RunHelper(const std::vector<std::string>& args, FakeSteam& steam, std::string* out = nullptr,
              std::string* err = nullptr) {
    std::ostringstream o, e;
    const int code = RunInstallHelper(args, steam.environment, o, e);
    if (out) *out = o.str();
    if (err) *err = e.str();
    return code;
}

TEST(InstallHelper, RunWithNothingFoundKeepsTheEarlierHints) {
    TestFolder folder;
    FakeSteam steam(folder.path());
    const fs::path installed = folder / "installed";
    const std::string earlier = "[Setup]\r\nFO3InstallPath=/mnt/unplugged/Fallout New Vegas/\r\n";
    WriteBytes(installed / "SetupInfo.ini", earlier);

    std::string out;
    EXPECT_EQ(RunHelper({"setup-info", installed.string()}, steam, &out), 0);
    EXPECT_EQ(ReadBytes(installed / "SetupInfo.ini"), earlier);
    EXPECT_NE(out.find("as it was"), std::string::npos) << out;
}

TEST(InstallHelper, RunThatFindsTheGameReplacesTheHintsWhole) {
    TestFolder folder;
    FakeSteam steam(folder.path());
    steam.AddRoot(steam.NativeRoot());
    const fs::path game = steam.AddGame(steam.NativeRoot());
    const fs::path installed = folder / "installed";
    WriteBytes(installed / "SetupInfo.ini",
               "[Setup]\r\nFO3INILocation=/old/prefix/\r\nSteamPath=/old/\r\n");

    EXPECT_EQ(RunHelper({"setup-info", installed.string()}, steam), 0);
    const std::string text = ReadBytes(installed / "SetupInfo.ini");
    EXPECT_NE(text.find("FO3InstallPath=" + game.string() + "/\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("/old/"), std::string::npos) << text;  // no stale hint mixed with new ones
}

TEST(InstallHelper, HintsThatCannotBeWrittenAreAnError) {
    TestFolder folder;
    FakeSteam steam(folder.path());
    steam.AddRoot(steam.NativeRoot());
    steam.AddGame(steam.NativeRoot());

    std::string out, err;
    EXPECT_EQ(RunHelper({"setup-info", (folder / "no such folder").string()}, steam, &out, &err),
              1);
    EXPECT_NE(err.find("Could not write"), std::string::npos);
    EXPECT_EQ(out.find("Wrote"), std::string::npos) << out;

    const fs::path locked = folder / "locked";
    fs::create_directories(locked);
    // Under root the check runs as another user, who must still see the Steam tree.
    for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
        fs::permissions(entry.path(), fs::perms::others_read | fs::perms::others_exec,
                        fs::perm_options::add);
    }
    fs::permissions(folder.path(), fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::add);
    EXPECT_TRUE(testing::RunWithoutWriteAccess(locked, [&] {
        return RunHelper({"setup-info", locked.string()}, steam) == 1 &&
               !fs::exists(locked / "SetupInfo.ini");
    }));
}

TEST(InstallHelper, WritesTheDesktopEntryCreatingItsFolder) {
    TestFolder folder;
    FakeSteam steam(folder.path());
    const fs::path installed = folder / "data home/quorvane";
    const fs::path entry = folder / "data home/applications/quorvane.desktop";
    EXPECT_EQ(RunHelper({"desktop-entry", installed.string(), (installed / "quorvane").string(),
                         (installed / "quorvane.svg").string(), entry.string()},
                        steam),
              0);
    const std::string text = ReadBytes(entry);
    EXPECT_NE(text.find("\nPath=" + installed.string() + "\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nExec=\"" + (installed / "quorvane").string() + "\"\n"),
              std::string::npos)
        << text;
}

TEST(InstallHelper, WrongArgumentsAreRefused) {
    TestFolder folder;
    FakeSteam steam(folder.path());
    std::string err;
    EXPECT_EQ(RunHelper({}, steam, nullptr, &err), 2);
    EXPECT_EQ(RunHelper({"setup-info"}, steam, nullptr, &err), 2);
    EXPECT_EQ(RunHelper({"desktop-entry", "/a"}, steam, nullptr, &err), 2);
    EXPECT_NE(err.find("usage"), std::string::npos);
}

}  // namespace
}  // namespace quorvane::install
