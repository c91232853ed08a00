#include "ui/editor.h"

#include <string>
#include <vector>

#include "gameconfig/number_text.h"
#include "shell/program.h"
#include "ui/editor_rules.h"
#include "ui/settings_list.h"

namespace quorvane::ui {

using catalogue::Setting;
using catalogue::SettingKind;
using catalogue::SettingRef;

namespace {

constexpr const char* kImagesFolder = "Data\\Images\\";

Setting* OpenSetting(shell::Program& program) {
    catalogue::Catalogue& c = program.catalogue;
    if (c.currentCategory < 0 || c.currentCategory >= c.categoryCount) return nullptr;
    if (c.currentSetting < 0 || c.currentSetting > catalogue::kMaxSettingsPerCategory) return nullptr;
    return &c.At(c.currentCategory, c.currentSetting);
}

// The hidden height that follows a resolution setting, when the catalogue has that slot.
Setting* HeightOf(shell::Program& program, int j) {
    if (j + 1 > catalogue::kMaxSettingsPerCategory) return nullptr;
    return &program.catalogue.At(program.catalogue.currentCategory, j + 1);
}

std::vector<std::string> AsText(const int* begin, const int* end) {
    std::vector<std::string> items;
    for (const int* v = begin; v != end; ++v) items.push_back(std::to_string(*v));
    return items;
}

void DestroyValueControls(MainWindow& main) {
    for (int* control : {&main.valueControl1, &main.valueControl2}) {
        if (*control != 0) main.toolkit.Destroy(*control);
        *control = 0;
    }
}

void BuildValueControls(shell::Program& program, MainWindow& main, const Setting& setting, int j) {
    platform::Toolkit& tk = main.toolkit;
    const LayoutMeasures& m = main.measures;
    const int centre = (m.width + m.rightColumnX - m.marginX) / 2;
    const int half = m.marginX / 2;
    switch (setting.kind) {
        case SettingKind::OnOff: {
            const bool on = gameconfig::RoundWhole(setting.current) != 0;
            main.valueControl1 = tk.CreateButton(main.window, {centre - half - 80, 105, 80, 30}, "ON", true);
            main.valueControl2 = tk.CreateButton(main.window, {centre + half, 105, 80, 30}, "OFF", true);
            tk.SetChecked(main.valueControl1, on);
            tk.SetChecked(main.valueControl2, !on);
            break;
        }
        case SettingKind::Value:
        case SettingKind::Float:
        case SettingKind::Value2: {
            const SliderSetup setup = SliderFor(setting);
            const double s = m.scale;
            main.valueControl1 = tk.CreateSlider(
                main.window,
                {m.rightColumnX + 3, 109, RoundToInt(295.0 * s - 68), 28},
                setup.minimum, setup.maximum, setup.tickMarks);
            tk.SetSliderPosition(main.valueControl1, setup.position);
            main.valueControl2 = tk.CreateTextField(
                main.window, {RoundToInt(295.0 * s + m.rightColumnX - 62), 110, 50, 24},
                setup.text);
            break;
        }
        case SettingKind::Resolution: {
            main.valueControl1 =
                tk.CreateComboBox(main.window, {centre - half - 90, 108, 90, 24},
                                  AsText(std::begin(kResolutionWidths), std::end(kResolutionWidths)), true);
            main.valueControl2 =
                tk.CreateComboBox(main.window, {centre + half, 108, 90, 24},
                                  AsText(std::begin(kResolutionHeights), std::end(kResolutionHeights)), true);
            tk.SetText(main.valueControl1, gameconfig::FormatWhole(setting.current));
            const Setting* height = HeightOf(program, j);
            tk.SetText(main.valueControl2, gameconfig::FormatWhole(height ? height->current : 0.0f));
            break;
        }
        default: break;
    }
}

void ShowPictureOf(shell::Program& program, MainWindow& main, const Setting& setting, int j) {
    platform::Toolkit& tk = main.toolkit;
    if (setting.image1.empty()) {
        tk.SetVisible(main.pictureView, false);
        return;
    }
    const SettingRef ref{program.catalogue.currentCategory, j};
    if (main.loadedPicture != ref) {
        // The same setting opened again keeps the picture the user toggled to.
        main.pictureIndex = 0;
        main.loadedPicture = ref;
        main.pictureSource = LoadPictureOrPlaceholder(program.Native(kImagesFolder + setting.image1));
        ShowScaledPicture(main, platform::Scaling::Fast);
        main.smoothPending = true;
        main.smoothArmedAt = program.services.clock.TickMs();
    }
    tk.SetVisible(main.pictureView, true);
}

void EnableApplyWhen(MainWindow& main, bool changed) {
    if (changed) main.toolkit.SetEnabled(main.applyButton, true);
}

}  // namespace

Picture LoadPictureOrPlaceholder(const std::filesystem::path& path) {
    Picture picture = platform::LoadPicture(path, kLargestPictureSize);
    if (!picture.IsNull()) return picture;
    platform::Canvas canvas(295, 166);
    canvas.FillBox({0, 0, 295, 166}, kHeaderColour);
    return canvas.Finish();
}

void OpenSettingEditor(shell::Program& program, MainWindow& main, int r) {
    DestroyValueControls(main);
    catalogue::Catalogue& c = program.catalogue;
    const int j = r + 1;
    if (c.currentCategory < 0 || c.currentCategory >= c.categoryCount || j < 0 ||
        j > catalogue::kMaxSettingsPerCategory) {
        return;
    }
    const Setting& setting = c.At(c.currentCategory, j);
    BuildValueControls(program, main, setting, j);
    ShowPictureOf(program, main, setting, j);
    platform::Toolkit& tk = main.toolkit;
    tk.SetText(main.editorFrame, setting.name);
    const std::string description =
        WithDesktopSize(setting.info, main.desktopSize.width, main.desktopSize.height);
    tk.SetText(main.descriptionText, description);
    tk.SetText(main.descriptionFrame, description.empty() ? "" : "Description");
    c.currentSetting = j;
}

void OnListSelection(shell::Program& program, MainWindow& main) {
    OpenSettingEditor(program, main, SettingForRow(main, main.toolkit.ListSelectedRow(main.settingsList)) - 1);
}

void OnValueControlEvent(shell::Program& program, MainWindow& main, const platform::Event& event) {
    Setting* setting = OpenSetting(program);
    if (!setting) return;
    platform::Toolkit& tk = main.toolkit;
    const int j = program.catalogue.currentSetting;
    const bool first = event.control == main.valueControl1;
    const float old = setting->current;
    switch (setting->kind) {
        case SettingKind::OnOff:
            setting->current = first ? 1.0f : 0.0f;
            tk.SetChecked(main.valueControl1, first);
            tk.SetChecked(main.valueControl2, !first);
            EnableApplyWhen(main, true);  // every click, even on the pressed button
            break;
        case SettingKind::Value:
        case SettingKind::Float:
        case SettingKind::Value2:
            if (first) {
                const SliderEdit edit = EditFromSlider(*setting, tk.SliderPosition(main.valueControl1));
                setting->current = edit.current;
                tk.SetText(main.valueControl2, edit.text);
            } else {
                const TextEdit edit = EditFromText(*setting, tk.Text(main.valueControl2));
                setting->current = edit.current;
                tk.SetSliderPosition(main.valueControl1, edit.position);
            }
            EnableApplyWhen(main, setting->current != old);
            break;
        case SettingKind::Resolution: {
            // An edited resolution can be applied like any other change.
            Setting* target = first ? setting : HeightOf(program, j);
            if (!target) return;
            const float before = target->current;
            target->current = static_cast<float>(ReadWholeNumber(tk.Text(first ? main.valueControl1 : main.valueControl2)));
            EnableApplyWhen(main, target->current != before);
            break;
        }
        default: return;
    }
    UpdateSettingRow(program, main, j);
}

void TogglePicture(shell::Program& program, MainWindow& main) {
    if (Setting* setting = OpenSetting(program)) {
        const std::string* next = nullptr;
        if (main.pictureIndex == 0 && !setting->image2.empty()) next = &setting->image2;
        else if (main.pictureIndex == 1 && !setting->image1.empty()) next = &setting->image1;
        if (next) {
            main.pictureSource = LoadPictureOrPlaceholder(program.Native(kImagesFolder + *next));
            ShowScaledPicture(main, platform::Scaling::Smooth);
            main.pictureIndex = 1 - main.pictureIndex;
        }
    }
    if (program.prefs.tip1Given == 0) {
        program.prefs.tip1Given = 1;
        shell::SaveProgramPrefs(program);
        main.toolkit.SetTooltip(main.pictureView, "");
    }
}

}  // namespace quorvane::ui
