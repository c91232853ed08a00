// Writes PNG screenshots of the main window and the settings window from the offscreen platform:
//   quorvane_screenshots <working folder> <output folder>
// The working folder is used as the program's own (catalogue, QRZprefs.ini, game files).
#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/dialogs.h"
#include "platform/gui_application.h"
#include "platform/network.h"
#include "platform/processes.h"
#include "platform/services.h"
#include "platform/toolkit.h"
#include "platform/web_browser.h"
#include "shell/event_loop.h"
#include "shell/startup.h"

namespace fs = std::filesystem;
using namespace quorvane;

namespace {

struct Shooter {
    platform::ScriptedDialogs dialogs;
    platform::ManualClock clock;
    platform::SystemRandom random;
    platform::SystemEnvironment environment;
    platform::RecordingNetwork network;
    platform::RecordingWebBrowser browser;
    platform::RecordingProcessStarter processes;
    platform::Toolkit toolkit;

    // Lets the loop settle: relayout, then the smooth picture 80 ms later.
    void Settle(shell::Program& program, shell::Windows& windows) {
        ui::MainWindow& main = windows.main;
        for (int i = 0; i < 4; ++i) {
            clock.now += 200;
            toolkit.PostEvent({platform::EventKind::Other, main.window});
            shell::EventLoopPass(program, windows);
        }
    }

    void Shoot(shell::Program& program, shell::Windows& windows, int width, int height, int row,
               const fs::path& file) {
        ui::MainWindow& main = windows.main;
        toolkit.ResizeClient(main.window, width, height);
        Settle(program, windows);
        toolkit.ListSelectRow(main.settingsList, row);
        toolkit.PostEvent({platform::EventKind::Control, main.window, main.settingsList, platform::EventType::Change});
        shell::EventLoopPass(program, windows);
        Settle(program, windows);
        Save(main.window, file);
    }

    // The settings window, opened by its button in the main window.
    void ShootSettings(shell::Program& program, shell::Windows& windows, const fs::path& file) {
        toolkit.PostEvent({platform::EventKind::Control, windows.main.window, windows.main.settingsButton,
                           platform::EventType::LeftClick});
        shell::EventLoopPass(program, windows);
        Settle(program, windows);
        Save(windows.settings.window, file);
    }

    void Save(int window, const fs::path& file) {
        if (!toolkit.SaveScreenshot(window, file)) std::fprintf(stderr, "cannot write %s\n", file.c_str());
        else std::printf("%s\n", file.c_str());
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <working folder> <output folder>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    platform::UseMetricStandIns();
    const fs::path out = fs::absolute(argv[2]);
    fs::create_directories(out);
    Shooter shooter;
    shell::Program program(shell::Services{shooter.dialogs, shooter.clock, shooter.random, shooter.environment,
                                           shooter.network, shooter.browser, shooter.processes},
                           fs::absolute(argv[1]));
    return shell::RunProgram(program, shooter.toolkit, [&](shell::Windows& windows) {
        shooter.Shoot(program, windows, 800, 600, 3, out / "main-800x600.png");
        shooter.Shoot(program, windows, 1200, 800, 0, out / "main-1200x800.png");
        shooter.ShootSettings(program, windows, out / "settings.png");
        shooter.toolkit.PostEvent({platform::EventKind::Close, windows.main.window});
    });
}
