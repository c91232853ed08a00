#include "ui/main_window.h"

#include <cmath>
#include <numbers>

#include "gameconfig/number_text.h"
#include "ui/layout.h"
#include "shell/program.h"
#include "ui/editor.h"

namespace quorvane::ui {

using platform::Canvas;
using platform::Font;
using platform::Rect;
using platform::Rgb;

namespace {

constexpr const char* kWelcomePicture = "Data\\Readme\\mainw.jpg";
constexpr const char* kPictureTip = "Click to toggle between images.";
constexpr Rgb kListBackground{255, 255, 255};
constexpr Rgb kTitleColour{34, 34, 36};
constexpr Rgb kHaloColour{141, 157, 157};
const Font kTitleFont{"Verdana", 24};

int Round(double value) { return RoundToInt(value); }

Rect PlayButtonBox(int x) { return {x, 15, 75, 30}; }

void PlaceControls(MainWindow& main, const MainLayout& layout) {
    platform::Toolkit& tk = main.toolkit;
    tk.Move(main.buttonColumn, layout.buttonColumn);
    tk.Move(main.settingsButton, layout.settingsButton);
    tk.Move(main.presetsButton, layout.presetsButton);
    tk.Move(main.applyButton, layout.applyButton);
    tk.Move(main.settingsList, layout.settingsList);
    tk.Move(main.playHost, layout.playHost);
    tk.Move(main.pictureView, layout.pictureView);
    tk.Move(main.editorFrame, layout.editorFrame);
    tk.Move(main.descriptionFrame, layout.descriptionFrame);
    tk.Move(main.descriptionText, layout.descriptionText);
    tk.Move(main.playButton, PlayButtonBox(layout.playButtonX));
}

}  // namespace

Rgb HeaderBandColour(int band) {
    const float redFactor = std::max(1.06f - static_cast<float>(band) / 220.0f, 1.0f);
    const float greenFactor = std::max(1.07f - static_cast<float>(band) / 220.0f, 1.0f);
    const int green = Round(147.0 * greenFactor);
    return {Round(132.0 * redFactor), green, green};
}

Picture DrawPlayImage(const Font& font0, bool hover) {
    Canvas canvas(75, 30);
    canvas.FillBox({0, 0, 75, 30}, kHeaderColour);
    canvas.FillRoundedBox({0, 0, 75, 30}, 2, 2, hover ? Rgb{44, 47, 47} : Rgb{32, 34, 34});
    canvas.FillRoundedBox({0, 0, 75, 15}, 2, 2, hover ? Rgb{67, 72, 72} : Rgb{48, 52, 52});
    canvas.FillRoundedBox({1, 1, 73, 2}, 2, 2, hover ? Rgb{72, 78, 78} : Rgb{56, 60, 60});
    canvas.Text("Play", 25, 6, font0, {255, 255, 255});
    return canvas.Finish();
}

Picture DrawHeaderImage(int width, const Font& font0, float programVersion) {
    Canvas canvas(width, 62);
    if (!canvas.IsValid()) return {};
    canvas.FillBox({0, 0, width, 62}, kHeaderColour);
    // Diagonal stripes, 21 pixels wide every 40, fading into the background from the left.
    for (int band = -1; band <= 20; ++band) {
        const Rgb colour = HeaderBandColour(band);
        for (int offset = 0; offset <= 20; ++offset) {
            const int x = 40 * band + offset;
            canvas.Line(x, 1, x + 59, 60, colour);
        }
    }
    for (int degrees = 0; degrees < 360; degrees += 45) {
        const double angle = degrees * std::numbers::pi / 180.0;
        canvas.Text("Quorvane", Round(14 + 2 * std::cos(angle)), Round(12 - 2 * std::sin(angle)), kTitleFont,
                    kHaloColour);
    }
    canvas.Text("Quorvane", 14, 12, kTitleFont, kTitleColour);
    const int titleWidth = canvas.TextWidth("Quorvane", kTitleFont);
    canvas.Text(gameconfig::FormatFixed(programVersion, 1), titleWidth + 21,
                24 - canvas.TextHeight("1", font0) / 2, font0, kTitleColour);
    return canvas.Finish();
}

void BuildMainWindow(shell::Program& program, MainWindow& main) {
    platform::Toolkit& tk = main.toolkit;
    const shell::ProgramPrefs& prefs = program.prefs;
    main.openingWidth = prefs.width;
    main.window = tk.OpenWindow({"Quorvane", prefs.width, prefs.height, true, true, true});
    tk.SetMinimumClientSize(main.window, 620, 440);

    if (prefs.HasOwnFont()) {
        main.font0 = {prefs.useFontName, prefs.useFontSize};
        tk.SetDefaultFont(main.font0);
    } else {
        main.font0 = {"arial", 13};  // controls keep the default font in force
    }

    const platform::Size client = tk.ClientSize(main.window);
    main.measures = MeasureLayoutAtBuild(client.width, client.height);
    const MainLayout layout = BuildLayout(main.measures);

    main.buttonColumn = tk.CreateContainer(main.window, layout.buttonColumn, std::nullopt);
    const catalogue::Catalogue& catalogue = program.catalogue;
    for (int i = 0; i < catalogue.categoryCount; ++i) {
        main.categoryButtons[static_cast<std::size_t>(i)] =
            tk.CreateButton(main.buttonColumn, CategoryButtonBox(i), catalogue.categories[i].name);
    }
    main.settingsButton = tk.CreateButton(main.buttonColumn, layout.settingsButton, "Settings");
    main.presetsButton = tk.CreateButton(main.buttonColumn, layout.presetsButton, "Presets");
    main.applyButton = tk.CreateButton(main.buttonColumn, layout.applyButton, "Apply");

    main.pictureSource = LoadPictureOrPlaceholder(program.Native(kWelcomePicture));
    main.pictureView = tk.CreatePictureView(main.window, layout.pictureView);
    if (prefs.tip1Given == 0) tk.SetTooltip(main.pictureView, kPictureTip);

    main.settingsList =
        tk.CreateList(main.window, layout.settingsList, {{"Variable name", 218}, {"Value", 96}}, kListBackground);

    main.playImageNormal = DrawPlayImage(main.font0, false);
    main.playImageHover = DrawPlayImage(main.font0, true);

    main.editorFrame = tk.CreateFrame(main.window, layout.editorFrame, "");
    main.descriptionFrame = tk.CreateFrame(main.window, layout.descriptionFrame, "");
    main.descriptionText = tk.CreateLabel(main.window, layout.descriptionText, "");

    main.playHost = tk.CreateContainer(main.window, layout.playHost, kHeaderColour);
    main.playButton = tk.CreatePictureView(main.playHost, PlayButtonBox(layout.playButtonX));
    tk.SetPicture(main.playButton, main.playImageNormal);

    Picture header = DrawHeaderImage(client.width - 90, main.font0, program.state.programVersion);
    if (!header.IsNull()) {
        main.headerView = tk.CreatePictureView(main.window, {0, 0, header.Width(), 62});
        tk.SetPicture(main.headerView, header);
    }
}

void RelayoutMainWindow(shell::Program& program, MainWindow& main) {
    ShowScaledPicture(main, platform::Scaling::Fast);
    PlaceControls(main, LayoutMainWindow(main.measures, main.openingWidth));
    OpenSettingEditor(program, main, program.catalogue.currentSetting - 1);
    main.laidOutWidth = main.measures.width;
    main.laidOutHeight = main.measures.height;
}

void ShowScaledPicture(MainWindow& main, platform::Scaling scaling) {
    main.toolkit.SetPicture(main.pictureView,
                            platform::ScalePicture(main.pictureSource, PictureWidth(main.measures.scale),
                                                   PictureHeight(main.measures.scale), scaling));
}

void UpdatePlayHover(MainWindow& main, platform::Point mouse) {
    const bool over = IsOverPlayButton(main.measures, mouse.x, mouse.y);
    if (over == main.playHover) return;
    main.playHover = over;
    main.toolkit.SetPicture(main.playButton, over ? main.playImageHover : main.playImageNormal);
}

}  // namespace quorvane::ui
