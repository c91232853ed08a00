#include "shell/event_loop.h"

#include "net/usage_reports.h"
#include "ui/layout.h"
#include "ui/main_window.h"

namespace quorvane::shell {

namespace {

constexpr int kLayoutStep = 8;             // pixels of size change that relayout at once
constexpr std::uint32_t kSettleMs = 150;   // a smaller change waits this long after the last step
constexpr std::uint32_t kSmoothDelayMs = 80;

bool SizeDiffers(const ui::MainWindow& main, platform::Size client) {
    return client.width != main.laidOutWidth || client.height != main.laidOutHeight;
}

void TrackSize(Program& program, ui::MainWindow& main) {
    const platform::Size client = main.toolkit.ClientSize(main.window);
    main.measures = ui::MeasureLayout(client.width, client.height);
    const std::uint32_t now = program.services.clock.TickMs();
    if (client.width / kLayoutStep != main.laidOutWidth / kLayoutStep ||
        client.height / kLayoutStep != main.laidOutHeight / kLayoutStep) {
        main.smoothArmedAt = main.lastStepRelayoutAt = now;
        main.smoothPending = true;
        ui::RelayoutMainWindow(program, main);
    } else if (SizeDiffers(main, client) && now - main.lastStepRelayoutAt > kSettleMs) {
        ui::RelayoutMainWindow(program, main);
        main.smoothArmedAt = now;
        main.smoothPending = true;
    }
}

void SmoothPictureWhenSettled(Program& program, ui::MainWindow& main) {
    if (main.smoothPending && program.services.clock.TickMs() - main.smoothArmedAt > kSmoothDelayMs) {
        main.smoothPending = false;
        ui::ShowScaledPicture(main, platform::Scaling::Smooth);
    }
}

// Closing the main window ends the program: the window goes at once, then the exit report.
// The windows opened from the main window go with it, so nothing is left on screen while the
// exit report waits for the server.
[[noreturn]] void ExitFromMainWindow(Program& program, Windows& windows) {
    ui::MainWindow& main = windows.main;
    if (windows.presets.window != 0) presets::ClosePresetsWindow(main.toolkit, windows.presets);
    if (windows.settings.window != 0) launcher::OnSettingsCancel(main.toolkit, windows.settings);
    main.toolkit.CloseWindow(main.window);
    net::SendExitReport(program, program.state.gamesStarted);
    EndProgram(program);
}

}  // namespace

int PassWaitMs(const ui::MainWindow& main, platform::Size client) {
    return (main.smoothPending || SizeDiffers(main, client)) ? 1 : -1;
}

void EventLoopPass(Program& program, Windows& windows) {
    ui::MainWindow& main = windows.main;
    platform::Toolkit& tk = main.toolkit;
    const platform::Event event = tk.WaitEvent(PassWaitMs(main, tk.ClientSize(main.window)));
    TrackSize(program, main);
    if (event.kind == platform::EventKind::Control) DispatchControlEvent(program, windows, event);
    SmoothPictureWhenSettled(program, main);
    ui::UpdatePlayHover(main, tk.MousePosition(main.window));
    if (event.kind == platform::EventKind::Close && event.window == main.window) {
        ExitFromMainWindow(program, windows);
    }
    // The presets window's close box closes it; nothing is asked or saved.
    if (event.kind == platform::EventKind::Close && windows.presets.window != 0 &&
        event.window == windows.presets.window) {
        presets::ClosePresetsWindow(tk, windows.presets);
    }
    // The settings window's close box acts as its Cancel.
    if (event.kind == platform::EventKind::Close && windows.settings.window != 0 &&
        event.window == windows.settings.window) {
        launcher::OnSettingsCancel(tk, windows.settings);
    }
}

void RunEventLoop(Program& program, Windows& windows) {
    for (;;) EventLoopPass(program, windows);
}

}  // namespace quorvane::shell
