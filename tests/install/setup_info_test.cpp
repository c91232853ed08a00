// The installer's search on fake Steam trees: the SetupInfo.ini it writes, what the program's
// first start then finds through those hints, and what the user is told.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sstream>
#include <string>

#include "fake_steam.h"
#include "first_start.h"
#include "install/install_helper.h"
#include "platform/prefs_file.h"
#include "support/test_folder.h"

namespace quorvane::install {
namespace {

namespace fs = std::filesystem;
using testing::FakeSteam;
using testing::TestFolder;

// The hints expected in SetupInfo.ini, as folders; none means the key must be absent.
struct Expected {
    std::optional<fs::path> installPath, installPath2, iniLocation, steamPath;
    bool firstStartFindsAll = true;
    std::string told;  // a piece of what the user is told
};

struct Case {
    const char* name;
    std::function<Expected(const fs::path& folder, FakeSteam& steam)> build;
};

fs::path User(const fs::path& pfx) {
    return pfx / "drive_c/users/steamuser";
}
fs::path Game(const fs::path& library, const char* steamapps = "steamapps") {
    return library / steamapps / "common/Fallout New Vegas";
}

const Case kCases[] = {
    {"GameInASecondLibrary",
     [](const fs::path& folder, FakeSteam& steam) {
         const fs::path library = folder / "disk2/SteamLibrary";
         steam.AddRoot(steam.NativeRoot());
         steam.ListLibraries(steam.NativeRoot(), {library.string()});
         steam.AddGame(library);
         const fs::path pfx = steam.AddPrefix(steam.NativeRoot());
         return Expected{Game(library), {},   User(pfx),
                         library,       true, "Game: " + Game(library).string()};
     }},
    {"PrefixInAnotherLibraryThanTheGame",
     [](const fs::path& folder, FakeSteam& steam) {
         const fs::path library = folder / "disk2/SteamLibrary";
         steam.AddRoot(steam.NativeRoot());
         steam.ListLibraries(steam.NativeRoot(), {library.string()});
         steam.AddGame(steam.NativeRoot());
         const fs::path pfx = steam.AddPrefix(library);
         return Expected{Game(steam.NativeRoot()), {},   User(pfx),
                         steam.NativeRoot(),       true, "Proton prefix: " + pfx.string()};
     }},
    {"MostRecentlyUsedOfTwoPrefixes",
     [](const fs::path& folder, FakeSteam& steam) {
         const fs::path library = folder / "disk2/SteamLibrary";
         steam.AddRoot(steam.NativeRoot());
         steam.ListLibraries(steam.NativeRoot(), {library.string()});
         steam.AddGame(steam.NativeRoot());
         steam.AddPrefix(steam.NativeRoot(), "Documents", true, std::chrono::hours(24 * 30));
         const fs::path recent = steam.AddPrefix(library, "Documents", true, std::chrono::hours(2));
         return Expected{Game(steam.NativeRoot()), {},   User(recent),
                         steam.NativeRoot(),       true, "most recently used of 2"};
     }},
    {"SteamAppsSpelledTheOlderWay",
     [](const fs::path&, FakeSteam& steam) {
         steam.AddRoot(steam.NativeRoot());
         steam.AddGame(steam.NativeRoot(), "SteamApps");
         const fs::path pfx = steam.AddPrefix(steam.NativeRoot(), "Documents", true,
                                              std::chrono::hours(1), "SteamApps");
         return Expected{
             Game(steam.NativeRoot(), "SteamApps"), {}, User(pfx), steam.NativeRoot(), true, ""};
     }},
    {"PrefixWithMyDocuments",
     [](const fs::path&, FakeSteam& steam) {
         steam.AddRoot(steam.NativeRoot());
         steam.AddGame(steam.NativeRoot());
         const fs::path pfx = steam.AddPrefix(steam.NativeRoot(), "My Documents");
         return Expected{Game(steam.NativeRoot()), {},   User(pfx) / "My Documents",
                         steam.NativeRoot(),       true, ""};
     }},
    {"PrefixWithBothDocumentsFoldersUsesTheOneWithTheSettings",
     [](const fs::path&, FakeSteam& steam) {
         steam.AddRoot(steam.NativeRoot());
         steam.AddGame(steam.NativeRoot());
         const fs::path pfx = steam.AddPrefix(steam.NativeRoot(), "My Documents");
         fs::create_directories(User(pfx) / "Documents");
         return Expected{Game(steam.NativeRoot()), {},   User(pfx) / "My Documents",
                         steam.NativeRoot(),       true, ""};
     }},
    {"FlatpakSteam",
     [](const fs::path&, FakeSteam& steam) {
         const fs::path root = steam.home / ".var/app/com.valvesoftware.Steam/.local/share/Steam";
         steam.AddRoot(root);
         steam.ListLibraries(root, {});
         steam.AddGame(root);
         const fs::path pfx = steam.AddPrefix(root);
         return Expected{Game(root), {}, User(pfx), root, true, "Steam: " + root.string()};
     }},
    {"DotSteamLinkAndItsTargetCountOnce",
     [](const fs::path&, FakeSteam& steam) {
         steam.AddRoot(steam.NativeRoot(), true);
         steam.ListLibraries(steam.NativeRoot(), {});
         const fs::path linked = steam.home / ".steam/steam";
         steam.AddGame(steam.NativeRoot());
         steam.AddPrefix(steam.NativeRoot());
         return Expected{
             Game(linked), {},   User(linked / "steamapps/compatdata/22380/pfx"),
             linked,       true, "Steam: " + linked.string() + " (1 library searched)."};
     }},
    {"SteamDirFromTheEnvironment",
     [](const fs::path& folder, FakeSteam& steam) {
         const fs::path root = folder / "opt/steam";
         steam.environment.variables["STEAM_DIR"] = root.string();
         steam.AddRoot(root);
         steam.AddGame(root);
         const fs::path pfx = steam.AddPrefix(root);
         return Expected{Game(root), {}, User(pfx), root, true, ""};
     }},
    {"LeftoverGameFolderWithoutTheExecutable",
     [](const fs::path& folder, FakeSteam& steam) {
         const fs::path library = folder / "disk2/SteamLibrary";
         steam.AddRoot(steam.NativeRoot());
         steam.ListLibraries(steam.NativeRoot(), {library.string()});
         steam.AddGame(steam.NativeRoot(), "steamapps", false);
         steam.AddGame(library);
         const fs::path pfx = steam.AddPrefix(library);
         return Expected{Game(library), {}, User(pfx), library, true, ""};
     }},
    {"TwoCopiesOfTheGame",
     [](const fs::path& folder, FakeSteam& steam) {
         const fs::path library = folder / "disk2/SteamLibrary";
         steam.AddRoot(steam.NativeRoot());
         steam.ListLibraries(steam.NativeRoot(), {library.string()});
         steam.AddGame(steam.NativeRoot());
         steam.AddGame(library);
         const fs::path pfx = steam.AddPrefix(steam.NativeRoot());
         return Expected{Game(steam.NativeRoot()),
                         Game(library),
                         User(pfx),
                         steam.NativeRoot(),
                         true,
                         "Also installed in: " + Game(library).string()};
     }},
    {"MalformedLibraryListStillSearchesTheRoot",
     [](const fs::path& folder, FakeSteam& steam) {
         steam.AddRoot(steam.NativeRoot());
         testing::WriteBytes(
             steam.NativeRoot() / "steamapps/libraryfolders.vdf",
             "\"libraryfolders\" { \"1\" { \"path\" \"" + (folder / "disk2").string());
         steam.AddGame(steam.NativeRoot());
         const fs::path pfx = steam.AddPrefix(steam.NativeRoot());
         return Expected{Game(steam.NativeRoot()), {},   User(pfx),
                         steam.NativeRoot(),       true, "Could not read the Steam library list"};
     }},
    {"RelativeLibraryPathIsIgnored",
     [](const fs::path&, FakeSteam& steam) {
         steam.AddRoot(steam.NativeRoot());
         steam.ListLibraries(steam.NativeRoot(), {"../../disk2"});
         return Expected{{}, {}, {}, {}, false, "Ignored the library \"../../disk2\""};
     }},
    {"BackslashInALibraryPathGivesNoGameHint",
     [](const fs::path& folder, FakeSteam& steam) {
         const fs::path library = folder / "odd\\name";
         steam.AddRoot(steam.NativeRoot());
         steam.ListLibraries(steam.NativeRoot(), {library.string()});
         steam.AddGame(library);
         const fs::path pfx = steam.AddPrefix(steam.NativeRoot());
         return Expected{{}, {}, User(pfx), {}, false, "which Quorvane cannot name"};
     }},
    {"GameNeverStartedSoThePrefixHasNoSettings",
     [](const fs::path&, FakeSteam& steam) {
         steam.AddRoot(steam.NativeRoot());
         steam.AddGame(steam.NativeRoot());
         const fs::path pfx = steam.AddPrefix(steam.NativeRoot(), "Documents", false);
         return Expected{
             Game(steam.NativeRoot()), {},    User(pfx),
             steam.NativeRoot(),       false, "Start Fallout: New Vegas once through Steam"};
     }},
    {"NoGameAtAll",
     [](const fs::path&, FakeSteam& steam) {
         steam.AddRoot(steam.NativeRoot());
         steam.ListLibraries(steam.NativeRoot(), {});
         return Expected{{}, {},    {},
                         {}, false, "Fallout: New Vegas was not found in any Steam library."};
     }},
    {"NoSteamAtAll",
     [](const fs::path&, FakeSteam&) {
         return Expected{{}, {}, {}, {}, false, "No Steam installation was found"};
     }},
};

std::string Hint(const std::optional<fs::path>& folder) {
    if (!folder) return ":non:";
    const std::string text = folder->string();
    return text.ends_with('/') ? text : text + "/";
}

// Cases print as their names in test output.
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class SetupInfo : public ::testing::TestWithParam<Case> {};

TEST_P(SetupInfo, HintsLeadTheFirstStartToTheGame) {
    TestFolder folder;
    FakeSteam steam(folder.path());
    const Expected expected = GetParam().build(folder.path(), steam);
    const fs::path installed = folder / "installed";
    fs::create_directories(installed);

    std::ostringstream out, err;
    ASSERT_EQ(RunInstallHelper({"setup-info", installed.string()}, steam.environment, out, err), 0)
        << err.str();
    EXPECT_NE(out.str().find(expected.told), std::string::npos) << out.str();

    const bool anyHint = expected.installPath || expected.iniLocation || expected.steamPath;
    platform::PrefsFile file;  // read as the program reads it
    ASSERT_EQ(file.Open(installed / "SetupInfo.ini"), anyHint) << out.str();
    file.SelectGroup("Setup");
    EXPECT_EQ(file.ReadString("FO3InstallPath", ":non:"), Hint(expected.installPath));
    EXPECT_EQ(file.ReadString("FO3InstallPath2", ":non:"), Hint(expected.installPath2));
    EXPECT_EQ(file.ReadString("FO3INILocation", ":non:"), Hint(expected.iniLocation));
    EXPECT_EQ(file.ReadString("SteamPath", ":non:"), Hint(expected.steamPath));
    file.Close();

    const testing::FirstStartFinds finds = testing::FindFromHints(installed);
    EXPECT_EQ(finds.All(), expected.firstStartFindsAll)
        << finds.falloutIni << finds.falloutPrefsIni << finds.falloutDefaultIni << finds.executable;
    if (expected.firstStartFindsAll) {
        EXPECT_EQ(out.str().find("Start Fallout: New Vegas once"), std::string::npos) << out.str();
    }
}

INSTANTIATE_TEST_SUITE_P(FakeSteamTrees, SetupInfo, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvane::install
