// The journey the installer exists for: install on a fake Steam tree, then the installed
// program's first start finds all three INI files and the executable without asking.
#include <gtest/gtest.h>

#include <sstream>

#include "fake_steam.h"
#include "install/install_helper.h"
#include "support/fake_run.h"
#include "support/test_folder.h"

namespace quorvane::install {
namespace {

namespace fs = std::filesystem;
using testing::FakeSteam;
using testing::TestFolder;

TEST(InstalledFirstStart, FindsTheGameInASecondLibraryAndItsPrefix) {
    TestFolder folder;
    FakeSteam steam(folder.path());
    const fs::path library = folder / "disk2/SteamLibrary";
    steam.AddRoot(steam.NativeRoot());
    steam.ListLibraries(steam.NativeRoot(), {library.string()});
    const fs::path game = steam.AddGame(library);
    const fs::path pfx =
        steam.AddPrefix(steam.NativeRoot(), "Documents", true, std::chrono::hours(24));
    const fs::path settings = pfx / "drive_c/users/steamuser/Documents/My Games/FalloutNV";

    const fs::path installed = folder / "data/quorvane";
    fs::create_directories(installed);
    fs::copy(fs::path(QUORVANE_SOURCE_DIR) / "data/Data", installed / "Data",
             fs::copy_options::recursive);
    std::ostringstream out, err;
    ASSERT_EQ(RunInstallHelper({"setup-info", installed.string()}, steam.environment, out, err), 0)
        << err.str();

    testing::FakeRun run(installed);
    bool setupWindowShown = false;
    run.atSetupWindow = [&](const discovery::SetupWindow& setup) {
        setupWindowShown = true;
        run.toolkit.PostEvent(
            {platform::EventKind::Close, setup.window, 0, platform::EventType::None});
    };
    EXPECT_EQ(run.Run(), 0);

    EXPECT_FALSE(setupWindowShown);
    EXPECT_TRUE(run.dialogs.shownMessages.empty());
    EXPECT_EQ(run.program.state.configMissing, (std::array<std::int32_t, 3>{0, 0, 0}));
    const auto native = [&](const std::string& path) { return run.program.Native(path); };
    EXPECT_EQ(native(run.program.prefs.config[1]), settings / "Fallout.ini");
    EXPECT_EQ(native(run.program.prefs.config[2]), settings / "FalloutPrefs.ini");
    EXPECT_EQ(native(run.program.prefs.config[3]).lexically_normal(), game / "Fallout_default.ini");
    EXPECT_EQ(native(run.program.prefs.gamePath), game / "FalloutNV.exe");
    EXPECT_TRUE(fs::exists(installed / "QRZprefs.ini"));
}

}  // namespace
}  // namespace quorvane::install
