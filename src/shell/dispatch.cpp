// The dispatch table: which part of the program owns which control's events.
#include <functional>
#include <vector>

#include "launcher/launcher.h"
#include "net/update_check.h"
#include "presets/presets_window.h"
#include "shell/event_loop.h"
#include "ui/commands.h"
#include "ui/editor.h"

namespace quorvane::shell {

namespace {

using platform::EventType;

bool AnyType(EventType) { return true; }
bool ChangeOnly(EventType type) { return type == EventType::Change; }
bool LeftClickOnly(EventType type) { return type == EventType::LeftClick; }
bool NotDragStart(EventType type) { return type != EventType::DragStart; }

struct Route {
    int control;
    bool (*accepts)(EventType);
    std::function<void()> handle;
};

std::vector<Route> Routes(Program& program, Windows& windows, const platform::Event& event) {
    ui::MainWindow& main = windows.main;
    launcher::SettingsWindow& settings = windows.settings;
    presets::PresetsWindow& presetsWindow = windows.presets;
    platform::Toolkit& tk = main.toolkit;
    return {
        {main.settingsList, ChangeOnly, [&] { ui::OnListSelection(program, main); }},
        {main.valueControl1, AnyType, [&] { ui::OnValueControlEvent(program, main, event); }},
        {main.valueControl2, AnyType, [&] { ui::OnValueControlEvent(program, main, event); }},
        {main.pictureView, NotDragStart, [&] { ui::TogglePicture(program, main); }},
        {main.applyButton, AnyType, [&] { ui::ApplyChanges(program, main); }},
        {main.presetsButton, AnyType, [&] { presets::OpenPresetsWindow(program, main, presetsWindow); }},
        {main.playButton, LeftClickOnly, [&] { launcher::PlayGame(program, main); }},
        {main.settingsButton, AnyType, [&] { launcher::OpenSettingsWindow(program, tk, settings, main.window); }},
        {presetsWindow.list, AnyType, [&] { presets::OnPresetSelection(main, presetsWindow, event); }},
        {presetsWindow.nameField, AnyType, [&] { presets::OnPresetSelection(main, presetsWindow, event); }},
        {presetsWindow.loadButton, AnyType, [&] { presets::OnLoadPreset(program, main, presetsWindow); }},
        {presetsWindow.saveButton, AnyType, [&] { presets::OnSavePreset(program, main, presetsWindow); }},
        {presetsWindow.createButton, AnyType, [&] { presets::OnCreatePreset(program, main, presetsWindow); }},
        {presetsWindow.deleteButton, AnyType, [&] { presets::OnDeletePreset(program, main, presetsWindow); }},
        {settings.browseButtons[0], AnyType, [&] { launcher::OnBrowsePath(program, tk, settings, event.control); }},
        {settings.browseButtons[1], AnyType, [&] { launcher::OnBrowsePath(program, tk, settings, event.control); }},
        {settings.browseButtons[2], AnyType, [&] { launcher::OnBrowsePath(program, tk, settings, event.control); }},
        {settings.browseButtons[3], AnyType, [&] { launcher::OnBrowsePath(program, tk, settings, event.control); }},
        {settings.okButton, AnyType, [&] { launcher::OnSettingsOk(program, tk, settings); }},
        {settings.cancelButton, AnyType, [&] { launcher::OnSettingsCancel(tk, settings); }},
        {settings.updateButton, AnyType, [&] { net::CheckForUpdates(program); }},
    };
}

}  // namespace

void DispatchControlEvent(Program& program, Windows& windows, const platform::Event& event) {
    ui::MainWindow& main = windows.main;
    for (int i = 0; i < program.catalogue.categoryCount; ++i) {
        if (event.control == main.categoryButtons[static_cast<std::size_t>(i)]) ui::SwitchCategory(program, main, i);
    }
    for (const Route& route : Routes(program, windows, event)) {
        if (route.control != 0 && route.control == event.control && route.accepts(event.type)) {
            route.handle();
            return;
        }
    }
}

}  // namespace quorvane::shell
