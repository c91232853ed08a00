// The main window's geometry: every position and size follows from the client size by the
// rules below, and the picture column grows with the window through a scale factor.
#pragma once

#include "platform/toolkit_types.h"

namespace quorvane::ui {

using platform::Rect;

// The nearest whole number, halves to even, held to the range of int (catalogue numbers can be
// anything; NaN gives 0).
int RoundToInt(double value);

// Measures recomputed from the client size W x H on every pass of the event loop.
struct LayoutMeasures {
    int width = 0;
    int height = 0;
    int marginX = 0;      // W div 70
    int marginY = 0;      // H div 50
    float scale = 1.0f;   // the picture's scale; 295 x 166 at 1.0
    int rightColumnX = 0;
};

// Measures for a client size, with the picture scale following the window.
LayoutMeasures MeasureLayout(int width, int height);
// Measures at build time, when the picture scale is 1.0.
LayoutMeasures MeasureLayoutAtBuild(int width, int height);

int PictureWidth(float scale);   // round(295 s)
int PictureHeight(float scale);  // round(166 s)

struct MainLayout {
    Rect buttonColumn;
    Rect settingsButton;  // inside the button column
    Rect presetsButton;
    Rect applyButton;
    Rect settingsList;
    Rect editorFrame;
    Rect descriptionFrame;
    Rect descriptionText;
    Rect pictureView;
    Rect playHost;
    int playButtonX = 0;  // inside the play host; y 15, 75 x 30
};

// The layout rule. openingWidth is the client width the window was opened with: the Play
// button's host is anchored there so that its colour continues the fixed-size header band.
MainLayout LayoutMainWindow(const LayoutMeasures& m, int openingWidth);
// Where the controls stand when the window is built, before the first relayout.
MainLayout BuildLayout(const LayoutMeasures& m);

// Category button i inside the button column.
Rect CategoryButtonBox(int index);

// True when the mouse at (x, y) in client coordinates is over the Play button.
bool IsOverPlayButton(const LayoutMeasures& m, int x, int y);

}  // namespace quorvane::ui
