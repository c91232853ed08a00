// The program's one event loop for the main window and the windows opened from it.
#pragma once

#include "launcher/settings_window.h"
#include "platform/toolkit.h"
#include "presets/presets_window.h"
#include "shell/program.h"
#include "ui/main_window.h"

namespace quorvane::shell {

// Every window the event loop serves. The main window lives for the whole run; the windows
// opened from it are added here by the parts that own them.
struct Windows {
    explicit Windows(platform::Toolkit& toolkit) : main(toolkit) {}
    ui::MainWindow main;
    presets::PresetsWindow presets;
    launcher::SettingsWindow settings;
};

// Runs passes until the program ends; never returns normally.
[[noreturn]] void RunEventLoop(Program& program, Windows& windows);

// One pass: waits for an event (at most 1 ms while a timed update is due, otherwise until the
// next event), keeps the layout in step with the window's size, dispatches the event, runs the
// smooth re-scaling and the Play button's hover, and turns close events into window closes.
void EventLoopPass(Program& program, Windows& windows);

// How long a pass may wait: 1 ms while a relayout or the smooth re-scaling is due, else for ever.
int PassWaitMs(const ui::MainWindow& main, platform::Size client);

// Routes a control event to the part of the program that owns the control.
void DispatchControlEvent(Program& program, Windows& windows, const platform::Event& event);

}  // namespace quorvane::shell
