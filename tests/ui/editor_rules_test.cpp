#include "ui/editor_rules.h"

#include <gtest/gtest.h>

namespace quorvane::ui {
namespace {

using catalogue::Setting;
using catalogue::SettingKind;

Setting Make(SettingKind kind, float min, float max, float step, float divide, float current) {
    Setting s;
    s.kind = kind;
    s.rangeMin = min;
    s.rangeMax = max;
    s.step = step;
    s.divide = divide;
    s.current = s.saved = current;
    return s;
}

TEST(EditorRules, SliderAsTheSettingOpens) {
    struct Row {
        const char* name;
        Setting setting;
        int minimum, maximum;
        bool ticks;
        int position;
        const char* text;
    };
    const Row rows[] = {
        {"value, step 5: ticks", Make(SettingKind::Value, 0, 100, 5, 1, 75), 0, 20, true, 15, "75"},
        {"value, step 1: too many for ticks", Make(SettingKind::Value, 0, 100, 1, 1, 42), 0, 100, false, 42, "42"},
        {"59 positions still tick", Make(SettingKind::Value, 0, 59, 1, 1, 0), 0, 59, true, 0, "0"},
        {"60 do not", Make(SettingKind::Value, 0, 60, 1, 1, 0), 0, 60, false, 0, "0"},
        {"float with divide", Make(SettingKind::Float, 0, 10, 0.5f, 10, 25), 0, 20, true, 5, "2.5"},
        {"percent shown", Make(SettingKind::Float, 0, 100, 1, 0.01f, 0.75f), 0, 100, false, 75, "75.0"},
        {"value2 in the middle", Make(SettingKind::Value2, 64, 4096, 0, 1, 512), 0, 6, true, 3, "512"},
        {"value2 at the top", Make(SettingKind::Value2, 64, 4096, 0, 1, 8192), 0, 6, true, 6, "8192"},
        {"value2 at the bottom", Make(SettingKind::Value2, 64, 4096, 0, 1, 64), 0, 6, true, 0, "64"},
        {"value2 from zero", Make(SettingKind::Value2, 0, 8, 0, 1, 2), 0, 3, true, 1, "2"},
        {"no step and no divide edit the plain value", Make(SettingKind::Value, 0, 10, 0, 0, 4), 0, 10, true, 4, "4"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const SliderSetup setup = SliderFor(row.setting);
        EXPECT_EQ(setup.minimum, row.minimum);
        EXPECT_EQ(setup.maximum, row.maximum);
        EXPECT_EQ(setup.tickMarks, row.ticks);
        EXPECT_EQ(setup.position, row.position);
        EXPECT_EQ(setup.text, row.text);
    }
}

TEST(EditorRules, SliderMovesAndTypedText) {
    const Setting floatSetting = Make(SettingKind::Float, 0, 10, 0.5f, 10, 25);
    EXPECT_FLOAT_EQ(EditFromSlider(floatSetting, 3).current, 15);
    EXPECT_EQ(EditFromSlider(floatSetting, 3).text, "1.5");

    const Setting value = Make(SettingKind::Value, 0, 100, 5, 2, 10);
    EXPECT_FLOAT_EQ(EditFromSlider(value, 4).current, 40);
    EXPECT_EQ(EditFromSlider(value, 4).text, "20");
    // Typed text is stored as read, outside the range too; the slider stands at its end.
    EXPECT_FLOAT_EQ(EditFromText(value, "150").current, 300);
    EXPECT_EQ(EditFromText(value, "150").position, 30);

    const Setting value2 = Make(SettingKind::Value2, 64, 4096, 0, 1, 512);
    const std::pair<int, float> moves[] = {{0, 64}, {1, 128}, {3, 512}, {6, 4096}};
    for (const auto& [position, stored] : moves) {
        EXPECT_FLOAT_EQ(EditFromSlider(value2, position).current, stored) << position;
    }
    EXPECT_EQ(EditFromSlider(value2, 6).text, "4096");
    EXPECT_FLOAT_EQ(EditFromText(value2, "3000").current, 3000);
    EXPECT_EQ(EditFromText(value2, "3000").position, 6);
    EXPECT_EQ(EditFromText(value2, "999999999").position, 6);
    EXPECT_EQ(EditFromText(value2, "10").position, 0);

    const Setting fromZero = Make(SettingKind::Value2, 0, 8, 0, 1, 2);
    EXPECT_FLOAT_EQ(EditFromSlider(fromZero, 0).current, 0);
    EXPECT_FLOAT_EQ(EditFromSlider(fromZero, 1).current, 2);

    // A huge range cannot make the doubling overflow.
    const Setting huge = Make(SettingKind::Value2, 1, 3.0e38f, 0, 1, 1);
    EXPECT_EQ(SliderFor(huge).maximum, 30);
}

TEST(EditorRules, ResolutionFieldsAndDesktopSize) {
    EXPECT_EQ(ReadWholeNumber(" \t1920x"), 1920);
    EXPECT_EQ(ReadWholeNumber("-5"), -5);
    EXPECT_EQ(ReadWholeNumber("wide"), 0);
    EXPECT_EQ(WithDesktopSize("Use <res> or <res>.", 1920, 1080), "Use 1920 x 1080 or 1920 x 1080.");
    EXPECT_EQ(WithDesktopSize("No size here", 1, 2), "No size here");
    EXPECT_EQ(WithDesktopSize("<RES>", 1, 2), "<RES>");
}

}  // namespace
}  // namespace quorvane::ui
