#include <gtest/gtest.h>

#include <string>

#include "platform/picture.h"
#include "support/fake_run.h"
#include "support/test_folder.h"
#include "ui/main_window.h"
#include "ui/settings_list.h"

namespace quorvane::ui {
namespace {

using platform::Event;
using platform::EventKind;
using platform::EventType;
using platform::Rgb;
using testing::FakeRun;
using testing::ReadBytes;
using testing::TestFolder;
using testing::WriteBytes;

// A small installation: two categories and the three game files, all found.
void WriteInstallation(const TestFolder& folder, const std::string& fallout = "[General]\r\niTest=50\r\nbOn=1\r\n") {
    WriteBytes(folder / "Data/Categories.ini", "Display*\r\nGameplay\r\n");
    WriteBytes(folder / "Data/Display.txt",
               "NAME|Switch\r\nCONFIG|bOn\r\nFORMAT|ONOFF\r\nDEFAULT|1\r\nINFO|Shown at <res>.\xA7Twice: <res>\r\n"
               "IMAGE1|missing_a.jpg\r\nIMAGE2|missing_b.jpg\r\n"
               "NAME|Plain\r\nCONFIG|iPlain\r\nFORMAT|VALUE:1\r\nRANGE|0-10\r\n"
               "NAME|Other\r\nCONFIG|iOther\r\nFORMAT|VALUE:1\r\nRANGE|0-10\r\n"
               "NAME|Screen\r\nCONFIG|iSize W\r\nFORMAT|RESOLUTION\r\nDEFAULT|1280\r\n"
               "NAME|Height\r\nCONFIG|iSize H\r\nFORMAT|GHOST\r\nDEFAULT|720\r\n"
               "NAME|After\r\nCONFIG|iAfter\r\nFORMAT|VALUE:1\r\nRANGE|0-10\r\n");
    WriteBytes(folder / "Data/Gameplay.txt",
               "NAME|Slider\r\nCONFIG|iTest\r\nFORMAT|VALUE:5\r\nRANGE|0-100\r\nDEFAULT|50\r\n");
    WriteBytes(folder / "ini/Fallout.ini", fallout);
    WriteBytes(folder / "ini/FalloutPrefs.ini", "[Display]\r\niPlain=3\r\n");
    WriteBytes(folder / "ini/Fallout_default.ini", "[Display]\r\n");
    WriteBytes(folder / "QRZprefs.ini",
               "Width = 800\r\nHeight = 600\r\nUseFontName = 0\r\nUseFontSize = 0\r\n"
               "Config1 = ini\\Fallout.ini\r\nConfig2 = ini\\FalloutPrefs.ini\r\n"
               "Config3 = ini\\Fallout_default.ini\r\nGamePath = \r\nBP_Save = 0\r\nBP_Exit = 0\r\n"
               "Tip1Given = 0\r\nID = 1\r\n");
}

Event Control(int control, EventType type = EventType::LeftClick) {
    return {EventKind::Control, 0, control, type};
}

TEST(DrawnImages, HeaderStripesAndPlayImagesByPixel) {
    EXPECT_EQ(HeaderBandColour(-1), (Rgb{141, 158, 158}));
    EXPECT_EQ(HeaderBandColour(0), (Rgb{140, 157, 157}));
    EXPECT_EQ(HeaderBandColour(10), (Rgb{134, 151, 151}));
    EXPECT_EQ(HeaderBandColour(15), kHeaderColour);
    EXPECT_EQ(HeaderBandColour(20), kHeaderColour);

    const platform::Font font{"arial", 13};
    const platform::Picture header = DrawHeaderImage(710, font, 1.6f);
    ASSERT_EQ(header.Width(), 710);
    ASSERT_EQ(header.Height(), 62);
    EXPECT_EQ(header.PixelAt(5, 0), kHeaderColour);           // stripes start on the second row
    EXPECT_EQ(header.PixelAt(5, 31), HeaderBandColour(-1));
    EXPECT_EQ(header.PixelAt(10, 1), HeaderBandColour(0));
    EXPECT_EQ(header.PixelAt(410, 1), HeaderBandColour(10));
    EXPECT_EQ(header.PixelAt(25, 1), kHeaderColour);          // between bands 0 and 1

    const platform::Picture normal = DrawPlayImage(font, false);
    const platform::Picture hover = DrawPlayImage(font, true);
    ASSERT_EQ(normal.Width(), 75);
    ASSERT_EQ(normal.Height(), 30);
    EXPECT_EQ(normal.PixelAt(0, 0), kHeaderColour);  // outside the rounded corner
    EXPECT_EQ(normal.PixelAt(5, 22), (Rgb{32, 34, 34}));
    EXPECT_EQ(hover.PixelAt(5, 22), (Rgb{44, 47, 47}));
    EXPECT_EQ(normal.PixelAt(5, 9), (Rgb{48, 52, 52}));
    EXPECT_EQ(hover.PixelAt(5, 9), (Rgb{67, 72, 72}));
    EXPECT_EQ(normal.PixelAt(20, 2), (Rgb{56, 60, 60}));
    EXPECT_EQ(hover.PixelAt(20, 2), (Rgb{72, 78, 78}));
}

TEST(EventLoop, RelayoutTimingWithAFrozenClock) {
    TestFolder folder;
    WriteInstallation(folder);
    FakeRun run(folder.path());
    run.clock.now = 1000;
    EXPECT_EQ(run.Run([&](shell::Windows& windows) {
        MainWindow& main = windows.main;
        // The first pass lays the window out although nobody resized it.
        EXPECT_EQ(main.laidOutWidth, 0);
        run.Pass(windows);
        EXPECT_EQ(main.laidOutWidth, 800);
        EXPECT_EQ(run.toolkit.Geometry(main.settingsList), (platform::Rect{145, 80, 335, 504}));

        EXPECT_TRUE(main.smoothPending);
        run.clock.now = 1080;
        run.Pass(windows);
        EXPECT_TRUE(main.smoothPending);
        run.clock.now = 1081;
        run.Pass(windows);
        EXPECT_FALSE(main.smoothPending);
        EXPECT_EQ(shell::PassWaitMs(main, {800, 600}), -1);  // settled: wait for the next event

        // An 8-pixel step relayouts at once; 3 more pixels wait 150 ms after that step.
        run.toolkit.ResizeClient(main.window, 808, 600);
        run.clock.now = 3000;
        run.Pass(windows);
        EXPECT_EQ(main.laidOutWidth, 808);
        run.toolkit.ResizeClient(main.window, 811, 600);
        EXPECT_EQ(shell::PassWaitMs(main, {811, 600}), 1);
        for (std::uint32_t t : {3010u, 3150u}) {
            run.clock.now = t;
            run.Pass(windows);
            EXPECT_EQ(main.laidOutWidth, 808) << t;
        }
        run.clock.now = 3151;
        run.Pass(windows);
        EXPECT_EQ(main.laidOutWidth, 811);
        EXPECT_TRUE(main.smoothPending);
        run.clock.now = 3231;
        run.Pass(windows);
        EXPECT_TRUE(main.smoothPending);
        run.clock.now = 3232;
        run.Pass(windows);
        EXPECT_FALSE(main.smoothPending);
    }), 0);
}

TEST(EventLoop, PlayHoverChangesTheImageOnlyOnAChange) {
    TestFolder folder;
    WriteInstallation(folder);
    FakeRun run(folder.path());
    run.Run([&](shell::Windows& windows) {
        MainWindow& main = windows.main;
        run.Pass(windows);
        run.toolkit.OverrideMousePosition(platform::Point{750, 30});
        run.Pass(windows);
        EXPECT_TRUE(main.playHover);
        EXPECT_EQ(run.toolkit.PictureOf(main.playButton).PixelAt(5, 22), (Rgb{44, 47, 47}));
        run.toolkit.OverrideMousePosition(platform::Point{789, 30});
        run.Pass(windows);
        EXPECT_FALSE(main.playHover);
        EXPECT_EQ(run.toolkit.PictureOf(main.playButton).PixelAt(5, 22), (Rgb{32, 34, 34}));
        run.toolkit.OverrideMousePosition(std::nullopt);
    });
}

TEST(SettingsList, RowsMarksTintsAndTheHiddenHeight) {
    TestFolder folder;
    WriteInstallation(folder);
    FakeRun run(folder.path());
    run.Run([&](shell::Windows& windows) {
        MainWindow& main = windows.main;
        platform::Toolkit& tk = run.toolkit;
        catalogue::Catalogue& c = run.program.catalogue;
        EXPECT_EQ(main.ghostRow, 3);
        ASSERT_EQ(tk.ListRowCount(main.settingsList), 5);
        EXPECT_EQ(tk.ListCell(main.settingsList, 3, 0), "Screen");
        EXPECT_EQ(tk.ListCell(main.settingsList, 3, 1), "1280 x 720");
        EXPECT_EQ(tk.ListCell(main.settingsList, 4, 0), "After");
        EXPECT_EQ(tk.ListCell(main.settingsList, 1, 1), "3");  // read from FalloutPrefs.ini
        EXPECT_EQ(SettingForRow(main, 3), 4);
        EXPECT_EQ(SettingForRow(main, 4), 6);
        EXPECT_EQ(SettingForRow(main, -1), 0);
        EXPECT_FALSE(tk.IsEnabled(main.categoryButtons[0]));
        EXPECT_TRUE(tk.IsEnabled(main.categoryButtons[1]));
        EXPECT_FALSE(tk.IsEnabled(main.applyButton));
        EXPECT_FALSE(HasUnsavedChanges(c));

        // Editing only the hidden height marks the resolution row.
        c.currentSetting = 4;
        c.At(0, 5).current = 1024;
        UpdateSettingRow(run.program, main, 4);
        EXPECT_EQ(tk.ListCell(main.settingsList, 3, 1), "1280 x 1024 *");
        EXPECT_EQ(tk.ListCellBackground(main.settingsList, 3, 1), kChangedTint);
        EXPECT_EQ(tk.ListCellBackground(main.settingsList, 3, 0), std::nullopt);
        c.At(0, 5).current = 720;  // back to the saved value: mark and tint go on the same edit
        UpdateSettingRow(run.program, main, 4);
        EXPECT_EQ(tk.ListCell(main.settingsList, 3, 1), "1280 x 720");
        EXPECT_EQ(tk.ListCellBackground(main.settingsList, 3, 1), std::nullopt);

        // A change in a category that is not shown still counts.
        c.At(1, 1).current = 55;
        EXPECT_TRUE(HasUnsavedChanges(c));
        CommitValues(c);
        EXPECT_FALSE(HasUnsavedChanges(c));
    });
}

TEST(Editor, OnOffDescriptionPictureAndTip) {
    TestFolder folder;
    WriteInstallation(folder);
    FakeRun run(folder.path());
    run.Run([&](shell::Windows& windows) {
        MainWindow& main = windows.main;
        platform::Toolkit& tk = run.toolkit;
        run.Pass(windows);
        EXPECT_EQ(tk.Tooltip(main.pictureView), "Click to toggle between images.");
        tk.ListSelectRow(main.settingsList, 0);
        run.Pass(windows, Control(main.settingsList, EventType::Change));
        ASSERT_NE(main.valueControl1, 0);
        EXPECT_EQ(tk.Text(main.editorFrame), "Switch");
        EXPECT_TRUE(tk.IsChecked(main.valueControl1));
        EXPECT_FALSE(tk.IsChecked(main.valueControl2));
        const std::string size = std::to_string(main.desktopSize.width) + " x " + std::to_string(main.desktopSize.height);
        EXPECT_EQ(tk.Text(main.descriptionText), "Shown at " + size + ".\nTwice: " + size);
        EXPECT_EQ(tk.Text(main.descriptionFrame), "Description");
        // A missing picture shows a plain panel, not the previous picture.
        EXPECT_TRUE(tk.IsVisible(main.pictureView));
        EXPECT_EQ(tk.PictureOf(main.pictureView).PixelAt(10, 10), kHeaderColour);

        // A click on the pressed "ON" keeps it pressed and still enables Apply.
        run.Pass(windows, Control(main.valueControl1));
        EXPECT_TRUE(tk.IsChecked(main.valueControl1));
        EXPECT_TRUE(tk.IsEnabled(main.applyButton));
        run.Pass(windows, Control(main.valueControl2));
        EXPECT_FLOAT_EQ(run.program.catalogue.At(0, 1).current, 0);
        EXPECT_EQ(tk.ListCell(main.settingsList, 0, 1), "OFF *");

        // The first click on the picture retires its tooltip for good.
        run.Pass(windows, Control(main.pictureView));
        EXPECT_EQ(main.pictureIndex, 1);
        EXPECT_EQ(tk.Tooltip(main.pictureView), "");
        EXPECT_NE(ReadBytes(folder / "QRZprefs.ini").find("Tip1Given = 1\r\n"), std::string::npos);
        // Reopening the same setting (as a relayout does) keeps the picture toggled to.
        tk.ResizeClient(main.window, 900, 700);
        run.Pass(windows);
        EXPECT_EQ(main.pictureIndex, 1);
    });
}

TEST(Journey, SwitchCategorySelectMoveSliderAndApply) {
    TestFolder folder;
    WriteInstallation(folder);
    const std::string prefsBefore = ReadBytes(folder / "ini/FalloutPrefs.ini");
    FakeRun run(folder.path());
    EXPECT_EQ(run.Run([&](shell::Windows& windows) {
        MainWindow& main = windows.main;
        platform::Toolkit& tk = run.toolkit;
        run.Pass(windows);
        run.Pass(windows, Control(main.categoryButtons[1]));
        EXPECT_EQ(run.program.catalogue.currentCategory, 1);
        EXPECT_FALSE(tk.IsEnabled(main.categoryButtons[1]));
        tk.ListSelectRow(main.settingsList, 0);
        run.Pass(windows, Control(main.settingsList, EventType::Change));
        ASSERT_NE(main.valueControl1, 0);
        EXPECT_EQ(tk.SliderRange(main.valueControl1), (std::pair{0, 20}));
        EXPECT_EQ(tk.SliderPosition(main.valueControl1), 10);
        tk.SetSliderPosition(main.valueControl1, 14);
        run.Pass(windows, Control(main.valueControl1, EventType::Change));
        EXPECT_EQ(tk.Text(main.valueControl2), "70");
        EXPECT_EQ(tk.ListCell(main.settingsList, 0, 1), "70 *");
        EXPECT_TRUE(tk.IsEnabled(main.applyButton));

        run.Pass(windows, Control(main.applyButton));
        EXPECT_FALSE(tk.IsEnabled(main.applyButton));
        EXPECT_EQ(tk.ListCell(main.settingsList, 0, 1), "70");
        EXPECT_EQ(tk.ListSelectedRow(main.settingsList), -1);
    }), 0);
    EXPECT_EQ(ReadBytes(folder / "ini/Fallout.ini"), "[General]\r\niTest=70\r\nbOn=1\r\n");
    // Closing the main window sent the exit report, and it was the run's only report.
    ASSERT_EQ(run.network.requests.size(), 1u);
    EXPECT_NE(run.network.requests[0].find("TIME-"), std::string::npos) << run.network.requests[0];
    EXPECT_EQ(ReadBytes(folder / "ini/FalloutPrefs.ini"), prefsBefore);
    EXPECT_TRUE(run.dialogs.shownMessages.empty());
}

}  // namespace
}  // namespace quorvane::ui
