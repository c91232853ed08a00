// The main window: its controls, its drawn header and Play images, the picture, and the state
// the event loop keeps between passes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "catalogue/model.h"
#include "platform/picture.h"
#include "platform/toolkit.h"
#include "ui/layout.h"

namespace quorvane::shell {
class Program;
}

namespace quorvane::ui {

using platform::Picture;

inline constexpr platform::Rgb kHeaderColour{132, 147, 147};

struct MainWindow {
    explicit MainWindow(platform::Toolkit& toolkit) : toolkit(toolkit) {}

    platform::Toolkit& toolkit;

    // Controls.
    int window = 0;
    int buttonColumn = 0;
    std::array<int, catalogue::kMaxCategories> categoryButtons{};
    int settingsButton = 0;
    int presetsButton = 0;
    int applyButton = 0;
    int settingsList = 0;
    int editorFrame = 0;
    int descriptionFrame = 0;
    int descriptionText = 0;
    int pictureView = 0;
    int headerView = 0;
    int playHost = 0;
    int playButton = 0;
    int valueControl1 = 0;  // 0 when absent
    int valueControl2 = 0;

    // Drawing.
    platform::Font font0;
    Picture pictureSource;
    Picture playImageNormal;
    Picture playImageHover;

    // Layout, recomputed on every pass of the event loop.
    int openingWidth = 0;
    LayoutMeasures measures;
    int laidOutWidth = 0;
    int laidOutHeight = 0;
    std::uint32_t lastStepRelayoutAt = 0;
    bool smoothPending = false;
    std::uint32_t smoothArmedAt = 0;
    bool playHover = false;

    // Settings list: the row index of the resolution row before the hidden height, or 999.
    int ghostRow = 999;

    // Editor panel.
    int pictureIndex = 0;
    std::optional<catalogue::SettingRef> loadedPicture;
    platform::Size desktopSize;  // as examined at start-up, for "<res>" in descriptions
};

// The largest size the picture is ever shown at (scale 2.0); pictures are decoded for it.
inline constexpr platform::Size kLargestPictureSize{590, 332};

// Opens the main window with its controls, fonts and drawn images.
void BuildMainWindow(shell::Program& program, MainWindow& main);
// Places every control by the layout rule for the measures of this pass.
void RelayoutMainWindow(shell::Program& program, MainWindow& main);
// Shows the picture source stretched to the picture size, fast or smooth.
void ShowScaledPicture(MainWindow& main, platform::Scaling scaling);
// Shows the hover or the normal Play image for the mouse at (x, y), changing it only when needed.
void UpdatePlayHover(MainWindow& main, platform::Point mouse);

Picture DrawPlayImage(const platform::Font& font0, bool hover);
Picture DrawHeaderImage(int width, const platform::Font& font0, float programVersion);
// The colour of diagonal stripe band i of the header.
platform::Rgb HeaderBandColour(int band);

}  // namespace quorvane::ui
