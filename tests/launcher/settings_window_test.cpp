#include "launcher/settings_window.h"

#include <gtest/gtest.h>

#include <string>

#include "installation.h"
#include "launcher/messages.h"
#include "support/fake_run.h"

namespace quorvane::launcher {
namespace {

using platform::Event;
using platform::EventKind;
using platform::MessageAnswer;
using platform::Rect;
using testing::Control;
using testing::FakeRun;
using testing::GameExecutable;
using testing::LaunchPrefs;
using testing::PrefsText;
using testing::ReadBytes;
using testing::TestFolder;
using testing::WriteBytes;
using testing::WriteInstallation;

// Opens the settings window from the main window's button.
SettingsWindow& Open(FakeRun& run, shell::Windows& windows) {
    run.Pass(windows, Control(windows.main.settingsButton));
    EXPECT_NE(windows.settings.window, 0);
    return windows.settings;
}

TEST(SettingsWindow, LayoutCreationOrderAndInitialValues) {
    TestFolder folder;
    const LaunchPrefs prefs{GameExecutable(folder), 1, 0};
    WriteInstallation(folder, prefs);
    FakeRun run(folder.path());
    run.Run([&](shell::Windows& windows) {
        platform::Toolkit& tk = run.toolkit;
        const SettingsWindow& s = Open(run, windows);
        EXPECT_EQ(tk.Text(s.window), "Settings");
        EXPECT_EQ(tk.ClientSize(s.window), (platform::Size{660, 400}));

        // Controls by creation order (ids follow it), with their boxes and texts.
        struct Expected {
            int id;
            Rect box;
            std::string text;
        };
        const int w = s.window;
        const std::string ini = (folder / "ini/").string();
        const Expected controls[] = {
            {w + 1, {30, 40, 200, 28}, "Fallout.ini"},
            {w + 2, {30, 90, 200, 28}, "FalloutPrefs.ini"},
            {w + 3, {30, 140, 200, 28}, "Fallout_default.ini"},
            {w + 4, {20, 18, 620, 181}, "Configuration files"},
            {w + 5, {20, 226, 620, 88}, "Play -button"},
            {w + 6, {30, 60, 522, 24}, ini + "Fallout.ini"},
            {w + 7, {30, 110, 522, 24}, ini + "FalloutPrefs.ini"},
            {w + 8, {30, 160, 522, 24}, ini + "Fallout_default.ini"},
            {w + 9, {564, 58, 66, 27}, "Browse"},
            {w + 10, {564, 108, 66, 27}, "Browse"},
            {w + 11, {564, 158, 66, 27}, "Browse"},
            {w + 12, {30, 250, 522, 24}, prefs.gamePath},
            {w + 13, {564, 248, 66, 27}, "Browse"},
            {w + 14, {30, 284, 200, 28}, "When starting the game:"},
            {w + 15, {185, 282, 108, 24}, "Apply changes"},
            {w + 16, {299, 282, 130, 24}, "Exit the Quorvane"},
            {w + 17, {448, 347, 90, 30}, "OK"},
            {w + 18, {550, 347, 90, 30}, "Cancel"},
            {w + 19, {20, 347, 130, 30}, "Check for updates"},
        };
        for (const Expected& c : controls) {
            EXPECT_EQ(tk.Geometry(c.id), c.box) << c.text;
            EXPECT_EQ(tk.Text(c.id), c.text) << c.box.y;
        }
        EXPECT_EQ(s.pathFields, (std::array{w + 6, w + 7, w + 8, w + 12}));
        EXPECT_EQ(s.browseButtons, (std::array{w + 9, w + 10, w + 11, w + 13}));
        EXPECT_EQ(s.updateButton, w + 19);
        EXPECT_TRUE(tk.IsChecked(s.applyChangesBox));
        EXPECT_FALSE(tk.IsChecked(s.exitBox));
    });
}

TEST(SettingsWindow, OkStoresFieldsAsTypedAndBothOptions) {
    TestFolder folder;
    WriteInstallation(folder, {GameExecutable(folder), 0, 0});
    FakeRun run(folder.path());
    run.Run([&](shell::Windows& windows) {
        platform::Toolkit& tk = run.toolkit;
        SettingsWindow& s = Open(run, windows);
        const int window = s.window;
        tk.SetText(s.pathFields[1], "no such folder\\FalloutPrefs.ini");
        tk.SetText(s.pathFields[2], "");
        tk.SetText(s.pathFields[3], "");
        tk.SetChecked(s.applyChangesBox, true);
        tk.SetChecked(s.exitBox, true);
        run.Pass(windows, Control(s.okButton));
        EXPECT_EQ(s.window, 0);
        EXPECT_FALSE(tk.Exists(window));
        EXPECT_TRUE(run.dialogs.shownMessages.empty());
        const std::string ini = (folder / "ini/").string();
        EXPECT_EQ(ReadBytes(folder / "QRZprefs.ini"),
                  "Width = 800\r\nHeight = 600\r\nUseFontName = 0\r\nUseFontSize = 0\r\n"
                  "Config1 = " + ini + "Fallout.ini\r\nConfig2 = no such folder\\FalloutPrefs.ini\r\n"
                  "Config3 = \r\nGamePath = \r\nBP_Save = 1\r\nBP_Exit = 1\r\nTip1Given = 0\r\nID = 1\r\n");

        // The cleared game path makes the next Play ask for the executable from scratch (after
        // "Apply changes" has reported that FalloutPrefs.ini now names no file).
        run.dialogs.answers = {MessageAnswer::Ok, MessageAnswer::No};
        run.Pass(windows, Control(windows.main.playButton));
        ASSERT_FALSE(run.dialogs.shownMessages.empty());
        EXPECT_EQ(run.dialogs.shownMessages.back(), ExecutableNotFoundQuestion());

        // Reopening shows what was stored.
        Open(run, windows);
        EXPECT_TRUE(tk.IsChecked(s.applyChangesBox));
        EXPECT_TRUE(tk.IsChecked(s.exitBox));
        EXPECT_EQ(tk.Text(s.pathFields[2]), "");
    });
}

TEST(SettingsWindow, OkRefusesAFalloutIniPathThatCannotBeRead) {
    TestFolder folder;
    WriteInstallation(folder, {});
    const std::string prefsFile = ReadBytes(folder / "QRZprefs.ini");
    FakeRun run(folder.path());
    run.Run([&](shell::Windows& windows) {
        platform::Toolkit& tk = run.toolkit;
        SettingsWindow& s = Open(run, windows);
        const shell::GameConfigSet before = run.program.prefs.config;
        for (const std::string& path : {std::string(), (folder / "ini/Missing.ini").string(), (folder / "ini").string()}) {
            run.dialogs.shownMessages.clear();
            tk.SetText(s.pathFields[0], path);
            tk.SetText(s.pathFields[3], "typed");
            tk.SetChecked(s.exitBox, true);
            run.Pass(windows, Control(s.okButton));
            ASSERT_EQ(run.dialogs.shownMessages.size(), 1u) << path;
            EXPECT_EQ(run.dialogs.shownMessages[0], CantApplyMessage());
            // The window stays open with everything typed into it; nothing is stored.
            ASSERT_NE(s.window, 0);
            EXPECT_EQ(tk.Text(s.pathFields[0]), path);
            EXPECT_EQ(tk.Text(s.pathFields[3]), "typed");
            EXPECT_TRUE(tk.IsChecked(s.exitBox));
            EXPECT_EQ(run.program.prefs.config[1], before[1]);
            EXPECT_EQ(run.program.prefs.gamePath, "");
            EXPECT_EQ(run.program.prefs.bpExit, 0);
        }
    });
    EXPECT_EQ(ReadBytes(folder / "QRZprefs.ini"), prefsFile);
}

TEST(SettingsWindow, CancelAndTheCloseBoxDiscardWhatWasTyped) {
    TestFolder folder;
    const LaunchPrefs prefs{GameExecutable(folder), 1, 0};
    WriteInstallation(folder, prefs);
    FakeRun run(folder.path());
    run.Run([&](shell::Windows& windows) {
        platform::Toolkit& tk = run.toolkit;
        for (bool closeBox : {false, true}) {
            SettingsWindow& s = Open(run, windows);
            const int window = s.window;
            tk.SetText(s.pathFields[0], (folder / "ini/FalloutPrefs.ini").string());
            tk.SetText(s.pathFields[3], "");
            tk.SetChecked(s.applyChangesBox, false);
            tk.SetChecked(s.exitBox, true);
            run.Pass(windows, closeBox ? Event{EventKind::Close, window} : Control(s.cancelButton));
            EXPECT_EQ(s.window, 0) << closeBox;
            EXPECT_FALSE(tk.Exists(window)) << closeBox;

            Open(run, windows);
            EXPECT_EQ(tk.Text(s.pathFields[0]), (folder / "ini/Fallout.ini").string());
            EXPECT_EQ(tk.Text(s.pathFields[3]), prefs.gamePath);
            EXPECT_TRUE(tk.IsChecked(s.applyChangesBox));
            EXPECT_FALSE(tk.IsChecked(s.exitBox));
            run.Pass(windows, Control(s.cancelButton));
        }
    });
    EXPECT_EQ(ReadBytes(folder / "QRZprefs.ini"), PrefsText(folder, prefs));
}

TEST(SettingsWindow, ReopeningReplacesTheOpenWindow) {
    TestFolder folder;
    WriteInstallation(folder, {});
    FakeRun run(folder.path());
    run.Run([&](shell::Windows& windows) {
        platform::Toolkit& tk = run.toolkit;
        SettingsWindow& s = Open(run, windows);
        const int first = s.window;
        const int firstOk = s.okButton;
        tk.SetText(s.pathFields[3], "typed");
        Open(run, windows);
        EXPECT_FALSE(tk.Exists(first));
        EXPECT_NE(s.window, first);
        EXPECT_EQ(tk.Text(s.pathFields[3]), "");
        // A click still queued for the replaced window's OK does nothing.
        run.Pass(windows, Control(firstOk));
        EXPECT_NE(s.window, 0);
    });
}

TEST(SettingsWindow, BrowseFillsItsFieldOnlyWithAReadableChoice) {
    TestFolder folder;
    WriteInstallation(folder, {GameExecutable(folder), 0, 0});
    WriteBytes(folder / "other/Chosen.ini", "[Display]\r\n");
    const std::string prefsFile = ReadBytes(folder / "QRZprefs.ini");
    const std::string chosen = (folder / "other/Chosen.ini").string();
    struct Case {
        std::string title;
        std::string filters;
    };
    const Case cases[] = {
        {"Fallout.ini", "Configuration files (.ini)|*.ini|All files|*.*"},
        {"FalloutPrefs.ini", "Configuration files (.ini)|*.ini|All files|*.*"},
        {"Fallout_default.ini", "Configuration files (.ini)|*.ini|All files|*.*"},
        {"FalloutNV.exe", "Executables|*.exe|All files|*.*"},
    };
    FakeRun run(folder.path());
    run.Run([&](shell::Windows& windows) {
        platform::Toolkit& tk = run.toolkit;
        SettingsWindow& s = Open(run, windows);
        for (std::size_t i = 0; i < kPathCount; ++i) {
            const std::string before = tk.Text(s.pathFields[i]);
            // A cancelled dialog, then a file that cannot be read, leave the field alone.
            run.dialogs.chosenFiles = {"", (folder / "other/Missing.ini").string(), chosen};
            for (int click = 0; click < 2; ++click) run.Pass(windows, Control(s.browseButtons[i]));
            EXPECT_EQ(tk.Text(s.pathFields[i]), before) << i;
            run.Pass(windows, Control(s.browseButtons[i]));
            EXPECT_EQ(tk.Text(s.pathFields[i]), chosen) << i;
            ASSERT_EQ(run.dialogs.shownFileDialogs.size(), 3 * (i + 1));
            EXPECT_EQ(run.dialogs.shownFileDialogs.back(), (platform::FileDialog{cases[i].title, "", cases[i].filters, 0}));
        }
        EXPECT_TRUE(run.dialogs.shownMessages.empty());
        // Nothing is stored until OK, so Cancel keeps the stored paths.
        run.Pass(windows, Control(s.cancelButton));
        EXPECT_EQ(run.program.prefs.config[1], (folder / "ini/Fallout.ini").string());
    });
    EXPECT_EQ(ReadBytes(folder / "QRZprefs.ini"), prefsFile);
}

TEST(SettingsWindow, ANewFalloutIniPathServesTheNextApplyWithTheValuesShown) {
    TestFolder folder;
    WriteInstallation(folder, {});
    WriteBytes(folder / "other/Fallout.ini", "[Display]\r\niPlain=9\r\n");
    FakeRun run(folder.path());
    run.Run([&](shell::Windows& windows) {
        ui::MainWindow& main = windows.main;
        SettingsWindow& s = Open(run, windows);
        run.toolkit.SetText(s.pathFields[0], (folder / "other/Fallout.ini").string());
        run.Pass(windows, Control(s.okButton));
        ASSERT_EQ(s.window, 0);
        EXPECT_EQ(run.toolkit.ListCell(main.settingsList, 0, 1), "3");  // not read again
        run.Pass(windows, Control(main.applyButton));
    });
    EXPECT_EQ(ReadBytes(folder / "other/Fallout.ini"), "[Display]\r\niPlain=3\r\n");
}

TEST(SettingsWindow, CheckForUpdatesAsksTheReportServer) {
    TestFolder folder;
    WriteInstallation(folder, {});
    FakeRun run(folder.path());
    run.network.reply = "HTTP/1.1 200 OK\r\nQRZ-upd: 1\r\n\r\n";
    run.Run([&](shell::Windows& windows) {
        SettingsWindow& s = Open(run, windows);
        run.Pass(windows, Control(s.updateButton));
        ASSERT_EQ(run.network.requests.size(), 1u);
        EXPECT_NE(run.network.requests[0].find("u=update&s=1.60"), std::string::npos) << run.network.requests[0];
        ASSERT_EQ(run.dialogs.shownMessages.size(), 1u);
        EXPECT_EQ(run.dialogs.shownMessages[0].text, "You already have the latest version.");
        EXPECT_NE(s.window, 0);  // the window stays open
    });
}

}  // namespace
}  // namespace quorvane::launcher
