#include "ui/layout.h"

#include <algorithm>
#include <limits>

#include "gameconfig/number_text.h"

namespace quorvane::ui {

int RoundToInt(double value) {
    const double rounded = gameconfig::RoundWhole(value);
    if (!(rounded == rounded)) return 0;
    return static_cast<int>(std::clamp<double>(rounded, std::numeric_limits<int>::min(),
                                               std::numeric_limits<int>::max()));
}

namespace {

int Round(double value) { return RoundToInt(value); }

LayoutMeasures Measures(int width, int height, float scale) {
    LayoutMeasures m;
    m.width = width;
    m.height = height;
    m.marginX = width / 70;
    m.marginY = height / 50;
    m.scale = scale;
    // Int() drops the fraction, towards zero.
    m.rightColumnX = static_cast<int>(width - 295.0 * scale) - m.marginX - 1;
    return m;
}

}  // namespace

LayoutMeasures MeasureLayout(int width, int height) {
    float s = static_cast<float>(width / 1000.0 + 0.2);
    if (height / 3.1 < 166.0 * s) s = static_cast<float>(height / 3.1 / 166.0);
    s = std::min(s, 2.0f);
    if (s > 0.96f && s < 1.04f) s = 1.0f;  // keep the picture at its design size near 1
    return Measures(width, height, s);
}

LayoutMeasures MeasureLayoutAtBuild(int width, int height) { return Measures(width, height, 1.0f); }

int PictureWidth(float scale) { return Round(295.0 * scale); }
int PictureHeight(float scale) { return Round(166.0 * scale); }

MainLayout LayoutMainWindow(const LayoutMeasures& m, int openingWidth) {
    const int W = m.width;
    const int H = m.height;
    const double s = m.scale;
    MainLayout l;
    l.buttonColumn = {m.marginX, 77, 124, H - 80};
    l.settingsButton = {2, H - 80 - m.marginY - 120, 120, 30};
    l.presetsButton = {2, H - 80 - m.marginY - 80, 120, 30};
    l.applyButton = {2, H - 80 - m.marginY - 40, 120, 40};
    l.settingsList = {2 * m.marginX + 123, 80, Round(W - 4.0 * m.marginX - 295.0 * s - 126), H - m.marginY - 84};
    l.editorFrame = {m.rightColumnX, 75, W - m.rightColumnX - m.marginX, 80};
    l.descriptionFrame = {m.rightColumnX, 160, W - m.rightColumnX - m.marginX,
                          Round(H - 166.0 * s - m.marginY - 175)};
    l.descriptionText = {Round(W - 295.0 * s - m.marginX + 8), 182, Round(295.0 * s - 16),
                         Round(H - 166.0 * s - m.marginY - 200)};
    l.pictureView = {m.rightColumnX, Round(H - m.marginY - 166.0 * s - 4), PictureWidth(m.scale),
                     PictureHeight(m.scale)};
    // Below the opening width the host is anchored at the window's own width instead, so the
    // Play button stays whole at the right edge rather than being clipped or vanishing.
    const int anchor = std::min(openingWidth, W);
    l.playHost = {anchor - 91, 0, W - anchor + 100, 62};
    l.playButtonX = (W - anchor + 100) - m.marginX - 85;
    return l;
}

MainLayout BuildLayout(const LayoutMeasures& m) {
    MainLayout l = LayoutMainWindow(m, m.width);
    l.settingsList.width = Round(m.width - m.width / 3.2 - 4.0 * m.marginX - 183);
    l.editorFrame.width = 295;
    l.descriptionFrame.width = 295;
    l.descriptionText.y = 180;
    l.descriptionText.height = 200;
    l.playHost = {m.width - 91, 0, m.width, 62};
    l.playButtonX = 0;
    return l;
}

Rect CategoryButtonBox(int index) { return {2, 2 + 40 * index, 120, 30}; }

bool IsOverPlayButton(const LayoutMeasures& m, int x, int y) {
    const int right = m.width - m.marginX;
    return right - 75 < x && x < right && 15 < y && y < 45;
}

}  // namespace quorvane::ui
