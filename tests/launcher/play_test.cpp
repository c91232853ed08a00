#include <gtest/gtest.h>

#include <string>

#include "installation.h"
#include "launcher/messages.h"
#include "platform/files.h"
#include "support/fake_run.h"
#include "ui/settings_list.h"

namespace quorvane::launcher {
namespace {

using platform::EventType;
using platform::MessageAnswer;
using testing::Control;
using testing::FakeRun;
using testing::GameExecutable;
using testing::LaunchPrefs;
using testing::ReadBytes;
using testing::TestFolder;
using testing::WriteInstallation;

// What Play starts for the stand-in executable on this system, in the stand-in's folder.
platform::ProcessStart StandInStart(const TestFolder& folder) {
    const auto exe = platform::NativePath(GameExecutable(folder), folder.path());
    const auto dir = platform::NativePath((folder / "Game/").string(), folder.path());
    if (platform::kHostSystem == platform::HostSystem::Windows) return {exe, {}, dir};
    return {"wine", {exe.string()}, dir};
}

// Moves the first row's slider to 7 through the editor, as the user would; Apply is enabled.
void EditPlainTo7(FakeRun& run, shell::Windows& windows) {
    ui::MainWindow& main = windows.main;
    run.toolkit.ListSelectRow(main.settingsList, 0);
    run.Pass(windows, Control(main.settingsList, EventType::Change));
    ASSERT_NE(main.valueControl1, 0);
    run.toolkit.SetSliderPosition(main.valueControl1, 7);
    run.Pass(windows, Control(main.valueControl1, EventType::Change));
    ASSERT_EQ(run.toolkit.ListCell(main.settingsList, 0, 1), "7 *");
}

TEST(Play, ApplyChangesWritesBeforeTheExecutableIsLookedFor) {
    TestFolder folder;
    WriteInstallation(folder, {"", 1, 0});
    FakeRun run(folder.path());
    run.dialogs.answers = {MessageAnswer::No};
    run.Run([&](shell::Windows& windows) {
        ui::MainWindow& main = windows.main;
        run.Pass(windows);
        EditPlainTo7(run, windows);
        run.Pass(windows, Control(main.playButton));
        // Written and committed although the game then turned out to be missing.
        EXPECT_EQ(ReadBytes(folder / "ini/Fallout.ini"), "[Display]\r\niPlain=7\r\n");
        EXPECT_FALSE(ui::HasUnsavedChanges(run.program.catalogue));
        EXPECT_EQ(run.toolkit.ListCell(main.settingsList, 0, 1), "7");
        EXPECT_TRUE(run.toolkit.IsEnabled(main.applyButton));  // Play leaves Apply as it was
        ASSERT_EQ(run.dialogs.shownMessages.size(), 1u);
        EXPECT_EQ(run.dialogs.shownMessages[0], ExecutableNotFoundQuestion());
    });
    EXPECT_TRUE(run.dialogs.shownFileDialogs.empty());
    EXPECT_TRUE(run.processes.started.empty());
}

TEST(Play, ExitAfterStartEndsTheRunWithoutCommitOrExitReport) {
    TestFolder folder;
    WriteInstallation(folder, {GameExecutable(folder), 1, 1});
    FakeRun run(folder.path());
    EXPECT_EQ(run.Run([&](shell::Windows& windows) {
        run.Pass(windows);
        EditPlainTo7(run, windows);
        run.Pass(windows, Control(windows.main.playButton));
        ADD_FAILURE() << "the run should have ended with the start";
    }), 0);
    EXPECT_EQ(ReadBytes(folder / "ini/Fallout.ini"), "[Display]\r\niPlain=7\r\n");
    EXPECT_TRUE(ui::HasUnsavedChanges(run.program.catalogue));
    ASSERT_EQ(run.processes.started.size(), 1u);
    EXPECT_EQ(run.processes.started[0], StandInStart(folder));
    EXPECT_TRUE(run.network.requests.empty());
    EXPECT_TRUE(run.dialogs.shownMessages.empty());
}

TEST(Play, LeftClicksStartAndCountOtherClicksAreIgnored) {
    TestFolder folder;
    WriteInstallation(folder, {GameExecutable(folder), 0, 0});
    const std::string fallout = ReadBytes(folder / "ini/Fallout.ini");
    FakeRun run(folder.path());
    run.Run([&](shell::Windows& windows) {
        ui::MainWindow& main = windows.main;
        run.toolkit.OverrideMousePosition(platform::Point{750, 30});
        run.Pass(windows);
        ASSERT_TRUE(main.playHover);
        for (EventType type : {EventType::RightClick, EventType::LeftDoubleClick, EventType::RightDoubleClick}) {
            run.Pass(windows, Control(main.playButton, type));
        }
        EXPECT_TRUE(run.processes.started.empty());
        EditPlainTo7(run, windows);
        run.Pass(windows, Control(main.playButton));
        // The click shows the normal image at once; the hover state stays until the mouse leaves.
        EXPECT_EQ(run.toolkit.PictureOf(main.playButton).PixelAt(5, 22), (platform::Rgb{32, 34, 34}));
        EXPECT_TRUE(main.playHover);
        run.Pass(windows, Control(main.playButton));
        EXPECT_EQ(run.program.state.gamesStarted, 2);
        // Without "Apply changes" nothing is written or committed.
        EXPECT_TRUE(ui::HasUnsavedChanges(run.program.catalogue));
        run.toolkit.OverrideMousePosition(std::nullopt);
    });
    EXPECT_EQ(ReadBytes(folder / "ini/Fallout.ini"), fallout);
    ASSERT_EQ(run.processes.started.size(), 2u);
    EXPECT_EQ(run.processes.started[1], StandInStart(folder));
    ASSERT_EQ(run.network.requests.size(), 1u);
    EXPECT_NE(run.network.requests[0].find("-PB-2"), std::string::npos) << run.network.requests[0];
}

TEST(Play, WhichQuestionAMissingExecutableAsks) {
    TestFolder folder;
    WriteInstallation(folder, {});
    const std::string prefs = ReadBytes(folder / "QRZprefs.ini");
    struct Case {
        std::string gamePath;
        bool asks;
        bool notFoundText;  // else the "can't be started" text
    };
    const Case cases[] = {
        {"", true, true},
        {"Game", true, true},  // four characters, though it names a folder
        {"abcde", true, false},
        {(folder / "Game/nothing.exe").string(), true, false},
        {(folder / "Game").string(), false, false},  // a folder counts as present
    };
    FakeRun run(folder.path());
    run.Run([&](shell::Windows& windows) {
        for (const Case& c : cases) {
            run.dialogs.shownMessages.clear();
            run.processes.started.clear();
            run.program.prefs.gamePath = c.gamePath;
            run.dialogs.answers = {MessageAnswer::No};
            run.Pass(windows, Control(windows.main.playButton));
            if (c.asks) {
                ASSERT_EQ(run.dialogs.shownMessages.size(), 1u) << c.gamePath;
                EXPECT_EQ(run.dialogs.shownMessages[0],
                          c.notFoundText ? ExecutableNotFoundQuestion() : ExecutableMissingQuestion())
                    << c.gamePath;
            }
            EXPECT_EQ(run.processes.started.size(), c.asks ? 0u : 1u) << c.gamePath;
            EXPECT_EQ(run.program.prefs.gamePath, c.gamePath);  // declining changes nothing
        }
    });
    EXPECT_TRUE(run.dialogs.shownFileDialogs.empty());
    EXPECT_EQ(ReadBytes(folder / "QRZprefs.ini"), prefs);
}

TEST(Play, AFoundExecutableIsSavedAndStartedButNeitherEndsNorCounts) {
    TestFolder folder;
    WriteInstallation(folder, {"", 0, 1});
    FakeRun run(folder.path());
    run.dialogs.answers = {MessageAnswer::Yes};
    run.dialogs.chosenFiles = {GameExecutable(folder)};
    run.Run([&](shell::Windows& windows) {
        run.Pass(windows, Control(windows.main.playButton));
        EXPECT_EQ(run.program.state.gamesStarted, 0);
    });
    ASSERT_EQ(run.dialogs.shownFileDialogs.size(), 1u);
    const platform::FileDialog& dialog = run.dialogs.shownFileDialogs[0];
    EXPECT_EQ(dialog.title, "Find FalloutNV.exe");
    EXPECT_EQ(dialog.proposedPath, "FalloutNV.exe");
    EXPECT_EQ(dialog.filters, "Executables | *.exe");
    // Saved before the start, so it stays saved whatever the start does.
    EXPECT_EQ(ReadBytes(folder / "QRZprefs.ini"), testing::PrefsText(folder, {GameExecutable(folder), 0, 1}));
    ASSERT_EQ(run.processes.started.size(), 1u);
    EXPECT_EQ(run.processes.started[0], StandInStart(folder));
    // The run went on to the main window's close, and its report counts no game.
    ASSERT_EQ(run.network.requests.size(), 1u);
    EXPECT_EQ(run.network.requests[0].find("-PB-"), std::string::npos) << run.network.requests[0];
}

TEST(Play, AnUnreadableOrCancelledChoiceClearsTheGamePathInMemoryOnly) {
    TestFolder folder;
    WriteInstallation(folder, {"abcde", 0, 0});
    const std::string prefs = ReadBytes(folder / "QRZprefs.ini");
    FakeRun run(folder.path());
    run.Run([&](shell::Windows& windows) {
        ui::MainWindow& main = windows.main;
        for (const std::string& choice : {(folder / "Game/other.exe").string(), (folder / "Game").string(),
                                          std::string()}) {
            run.program.prefs.gamePath = "abcde";
            run.dialogs.answers = {MessageAnswer::Yes};
            run.dialogs.chosenFiles = {choice};
            run.Pass(windows, Control(main.playButton));
            EXPECT_EQ(run.program.prefs.gamePath, "") << choice;
        }
        // The next click asks the "not found" question.
        run.dialogs.shownMessages.clear();
        run.dialogs.answers = {MessageAnswer::No};
        run.Pass(windows, Control(main.playButton));
        ASSERT_EQ(run.dialogs.shownMessages.size(), 1u);
        EXPECT_EQ(run.dialogs.shownMessages[0], ExecutableNotFoundQuestion());
    });
    EXPECT_TRUE(run.processes.started.empty());
    EXPECT_EQ(ReadBytes(folder / "QRZprefs.ini"), prefs);
}

}  // namespace
}  // namespace quorvane::launcher
