// The dispatch table: which part of the program owns which control's events.
#include <functional>
#include <vector>

#include "launcher/launcher.h"
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
    return {
        {main.settingsList, ChangeOnly, [&] { ui::OnListSelection(program, main); }},
        {main.valueControl1, AnyType, [&] { ui::OnValueControlEvent(program, main, event); }},
        {main.valueControl2, AnyType, [&] { ui::OnValueControlEvent(program, main, event); }},
        {main.pictureView, NotDragStart, [&] { ui::TogglePicture(program, main); }},
        {main.applyButton, AnyType, [&] { ui::ApplyChanges(program, main); }},
        {main.presetsButton, AnyType, [] {}},   // the presets window
        {main.playButton, LeftClickOnly, [&] { launcher::PlayGame(program, main); }},
        {main.settingsButton, AnyType, [] {}},  // the settings window
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
