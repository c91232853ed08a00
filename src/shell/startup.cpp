#include "shell/startup.h"

#include <filesystem>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_files.h"
#include "discovery/discovery.h"
#include "discovery/setup_window.h"
#include "gameconfig/read_config.h"
#include "net/usage_reports.h"
#include "platform/curl_network.h"
#include "platform/files.h"
#include "platform/gui_application.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_processes.h"
#include "platform/qt_web_browser.h"
#include "platform/services.h"
#include "presets/preset_store.h"
#include "shell/event_loop.h"
#include "shell/messages.h"
#include "ui/main_window.h"
#include "ui/settings_list.h"

namespace quorvane::shell {

namespace {

// The preset that keeps the game's files as they were before the program first touched them.
constexpr const char* kFirstTimeBackup = "First-time backup";

bool AnyConfigMissing(const Program& program) {
    for (int flag : program.state.configMissing) {
        if (flag == 1) return true;
    }
    return false;
}

// Discovery, the setup window when needed, the executable, and a new QRZprefs.ini with the
// first-run values and a backup of the game's files. Read-only mode when it cannot be created.
void RunFirstRun(Program& program, platform::Toolkit& toolkit, const discovery::SetupWindowHook& atSetupWindow) {
    const discovery::SetupHints hints = discovery::DiscoverConfigFiles(program);
    if (AnyConfigMissing(program)) {
        discovery::RunSetupWindow(program, toolkit, atSetupWindow);
    } else {
        net::SendUsageReport(program, "OK");
    }
    discovery::FindGameExecutable(program, hints);
    if (program.prefs.gamePath.empty()) net::SendUsageReport(program, "PPFAIL");

    if (!program.prefsFile.Create(program.Native(kPrefsFileName))) {
        program.services.dialogs.ShowMessage(ReadOnlyModeMessage());
        return;
    }
    program.prefs = FirstRunPrefs(program.prefs.config, program.prefs.gamePath,
                                  program.services.random.Between(0, 999999));
    WriteProgramPrefs(program.prefsFile, program.prefs);
    presets::SavePreset(program, kFirstTimeBackup);
}

void LoadCatalogue(Program& program) {
    if (!catalogue::LoadCategoryIndex(program.catalogue, program.workDir)) {
        program.services.dialogs.ShowMessage(CategoryIndexMissingMessage());
        EndProgram(program);
    }
}

}  // namespace

void CheckConfigFiles(Program& program) {
    auto& missing = program.state.configMissing;
    missing = {0, 0, 0};
    program.state.prefsLoaded = 1;
    auto absent = [&](int slot) {
        return !platform::QueryPath(program.Native(program.prefs.config[slot])).Present();
    };
    missing[0] = absent(1) ? 1 : 0;
    missing[1] = absent(2) ? 1 : 0;
    const bool longPath = program.prefs.config[3].size() > 16;
    missing[2] = (absent(3) && (longPath || missing[0] == 1 || missing[1] == 1)) ? 1 : 0;
}

int RunProgram(Program& program, platform::Toolkit& toolkit, const LoopStartHook& atLoopStart,
               const discovery::SetupWindowHook& atSetupWindow) {
    try {
        program.state = StartupState{};
        program.state.programVersion = kProgramVersion;
        program.prefs.config = GameConfigSet{};
        program.prefs.gamePath.clear();

        if (!program.prefsFile.Open(program.Native(kPrefsFileName))) RunFirstRun(program, toolkit, atSetupWindow);
        LoadProgramPrefs(program.prefsFile, program.prefs);
        CheckConfigFiles(program);
        if (AnyConfigMissing(program)) {
            discovery::RunSetupWindow(program, toolkit, atSetupWindow);
            SaveProgramPrefs(program);  // the paths the user located
        }

        LoadCatalogue(program);
        Windows windows(toolkit);
        ui::MainWindow& main = windows.main;
        ui::BuildMainWindow(program, main);
        main.desktopSize = toolkit.DesktopSize();
        // One warning for each category file that could not be read; the rest loads.
        const std::vector<int> unreadable = catalogue::LoadCategoryFiles(program.catalogue, program.workDir);
        for (std::size_t i = 0; i < unreadable.size(); ++i) {
            program.services.dialogs.ShowMessage(CategoryFileUnreadableMessage());
        }
        gameconfig::ReadGameConfigSet(program);
        ui::RefreshSettingsList(program, main, program.catalogue.currentCategory);
        toolkit.SetEnabled(main.applyButton, false);
        toolkit.SetFocus(main.settingsList);
        program.state.runStartTime = program.services.clock.TickMs();
        if (atLoopStart) atLoopStart(windows);
        RunEventLoop(program, windows);
    } catch (const ProgramEnded& ended) {
        return ended.exitCode;
    }
}

int StartProgram(int argc, char** argv) {
    platform::GuiApplication application(argc, argv);
    platform::QtDialogs dialogs;
    platform::SystemClock clock;
    platform::SystemRandom random;
    platform::SystemEnvironment environment;
    platform::CurlNetwork network;
    platform::QtWebBrowser browser;
    platform::QtProcessStarter processes;
    std::error_code ec;
    Program program(Services{dialogs, clock, random, environment, network, browser, processes},
                    std::filesystem::current_path(ec));
    platform::Toolkit toolkit;
    return RunProgram(program, toolkit);
}

}  // namespace quorvane::shell
