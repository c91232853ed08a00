#include "ui/layout.h"

#include <gtest/gtest.h>

namespace quorvane::ui {
namespace {

TEST(Layout, WorkedExamplesAtTheOpeningWidth) {
    struct Column {
        int width, height;
        int marginX, marginY;
        float scale;
        int rightColumnX;
        Rect buttonColumn;
        int settingsY, presetsY, applyY;
        Rect list, editor, description, text, picture, playHost;
        int playButtonX;
    };
    const Column columns[] = {
        {800, 600, 11, 12, 1.0f, 493, {11, 77, 124, 520}, 388, 428, 468, {145, 80, 335, 504},
         {493, 75, 296, 80}, {493, 160, 296, 247}, {502, 182, 279, 222}, {493, 418, 295, 166},
         {709, 0, 100, 62}, 4},
        {1200, 800, 17, 16, 1.4f, 769, {17, 77, 124, 720}, 584, 624, 664, {157, 80, 593, 700},
         {769, 75, 414, 80}, {769, 160, 414, 377}, {778, 182, 397, 352}, {769, 548, 413, 232},
         {709, 0, 500, 62}, 398},
    };
    for (const Column& c : columns) {
        SCOPED_TRACE(c.width);
        const LayoutMeasures m = MeasureLayout(c.width, c.height);
        EXPECT_EQ(m.marginX, c.marginX);
        EXPECT_EQ(m.marginY, c.marginY);
        EXPECT_FLOAT_EQ(m.scale, c.scale);
        EXPECT_EQ(m.rightColumnX, c.rightColumnX);
        const MainLayout l = LayoutMainWindow(m, 800);
        EXPECT_EQ(l.buttonColumn, c.buttonColumn);
        EXPECT_EQ(l.settingsButton, (Rect{2, c.settingsY, 120, 30}));
        EXPECT_EQ(l.presetsButton, (Rect{2, c.presetsY, 120, 30}));
        EXPECT_EQ(l.applyButton, (Rect{2, c.applyY, 120, 40}));
        EXPECT_EQ(l.settingsList, c.list);
        EXPECT_EQ(l.editorFrame, c.editor);
        EXPECT_EQ(l.descriptionFrame, c.description);
        EXPECT_EQ(l.descriptionText, c.text);
        EXPECT_EQ(l.pictureView, c.picture);
        EXPECT_EQ(l.playHost, c.playHost);
        EXPECT_EQ(l.playButtonX, c.playButtonX);
    }
}

TEST(Layout, PictureScaleFollowsWidthAndHeight) {
    struct Row {
        int width, height;
        float scale;
    };
    const Row rows[] = {
        {800, 600, 1.0f},   {620, 440, 0.82f},  {1000, 700, 1.2f},
        {960, 600, 1.16f},  {790, 600, 1.0f},   {1600, 500, 1.0f},
        {1600, 450, static_cast<float>(450 / 3.1 / 166)}, {4000, 3000, 2.0f},
    };
    for (const Row& row : rows) {
        EXPECT_FLOAT_EQ(MeasureLayout(row.width, row.height).scale, row.scale) << row.width << "x" << row.height;
    }
    const LayoutMeasures smallest = MeasureLayout(620, 440);
    EXPECT_EQ(LayoutMainWindow(smallest, 620).pictureView, (Rect{369, 292, 242, 136}));
}

TEST(Layout, BuildPositionsBeforeTheFirstRelayout) {
    const MainLayout l = BuildLayout(MeasureLayoutAtBuild(800, 600));
    EXPECT_EQ(l.settingsList, (Rect{145, 80, 323, 504}));
    EXPECT_EQ(l.editorFrame.width, 295);
    EXPECT_EQ(l.descriptionFrame.width, 295);
    EXPECT_EQ(l.descriptionText.y, 180);
    EXPECT_EQ(l.descriptionText.height, 200);
    EXPECT_EQ(l.playHost, (Rect{709, 0, 800, 62}));
    EXPECT_EQ(l.playButtonX, 0);
    EXPECT_EQ(CategoryButtonBox(2), (Rect{2, 82, 120, 30}));
}

TEST(Layout, PlayButtonStaysWholeBelowTheOpeningWidth) {
    // Opened at 1200, shrunk to 800: the button keeps its place at the right edge.
    const MainLayout l = LayoutMainWindow(MeasureLayout(800, 600), 1200);
    EXPECT_EQ(l.playHost, (Rect{709, 0, 100, 62}));
    EXPECT_EQ(l.playButtonX, 4);
}

TEST(Layout, HoverBoundsAreExclusive) {
    const LayoutMeasures m = MeasureLayout(800, 600);  // button area: 714 < x < 789, 15 < y < 45
    const std::tuple<int, int, bool> rows[] = {
        {715, 16, true}, {788, 44, true}, {714, 30, false}, {789, 30, false},
        {750, 15, false}, {750, 45, false}, {-1, -1, false},
    };
    for (const auto& [x, y, over] : rows) EXPECT_EQ(IsOverPlayButton(m, x, y), over) << x << "," << y;
}

}  // namespace
}  // namespace quorvane::ui
