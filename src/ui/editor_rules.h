// The editor's arithmetic between a setting's value, its slider position and the text of its
// field. Plain functions of the setting, so that every rule can be checked without a window.
#pragma once

#include <string>
#include <string_view>

#include "catalogue/model.h"

namespace quorvane::ui {

struct SliderSetup {
    int minimum = 0;
    int maximum = 0;
    bool tickMarks = false;
    int position = 0;
    std::string text;  // what the text field shows
};

// The slider and field of a VALUE, FLOAT or VALUE2 setting as it opens.
SliderSetup SliderFor(const catalogue::Setting& setting);

// The setting's value after the user moved the slider to `position`, and the field's new text.
struct SliderEdit {
    float current = 0;
    std::string text;
};
SliderEdit EditFromSlider(const catalogue::Setting& setting, int position);

// The setting's value after the user typed `text`, and where the slider then stands.
struct TextEdit {
    float current = 0;
    int position = 0;
};
TextEdit EditFromText(const catalogue::Setting& setting, std::string_view text);

// A resolution box's field read as a whole number: leading blanks skipped, an optional sign,
// digits up to the first other character; 0 without digits.
int ReadWholeNumber(std::string_view text);

// "<res>" replaced by the desktop size, e.g. "1920 x 1080".
std::string WithDesktopSize(std::string info, int width, int height);

}  // namespace quorvane::ui
