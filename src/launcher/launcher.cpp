#include "launcher/launcher.h"

#include <string>

#include "gameconfig/write_config.h"
#include "launcher/game_start.h"
#include "launcher/messages.h"
#include "platform/files.h"
#include "shell/program.h"
#include "ui/settings_list.h"

namespace quorvane::launcher {

namespace {

// A game path under five characters counts as never set; a longer one must name something
// that is there, a folder included.
constexpr std::size_t kShortestGamePath = 5;

bool ExecutablePresent(const shell::Program& program) {
    const std::string& path = program.prefs.gamePath;
    return path.size() >= kShortestGamePath && platform::QueryPath(program.Native(path)).Present();
}

// Writes the pending changes into the three game files. When the program is about to end
// after the start, the model is left as it is.
void ApplyBeforePlay(shell::Program& program, ui::MainWindow& main) {
    for (int slot : {1, 2, 3}) gameconfig::WriteGameConfig(program, slot);
    if (program.prefs.bpExit == 1) return;
    ui::CommitValues(program.catalogue);
    ui::RefreshSettingsList(program, main, program.catalogue.currentCategory);
}

// Asks for the executable; a readable choice is saved at once and started. Anything else
// leaves the game path empty, so the next Play asks again.
void FindAndStartGame(shell::Program& program) {
    auto& dialogs = program.services.dialogs;
    std::string& gamePath = program.prefs.gamePath;
    const platform::MessageBox question =
        gamePath.size() < kShortestGamePath ? ExecutableNotFoundQuestion() : ExecutableMissingQuestion();
    if (dialogs.ShowMessage(question) != platform::MessageAnswer::Yes) return;

    gamePath = dialogs.ChooseFileToOpen(FindExecutableDialog());
    if (!platform::CanOpenForReading(program.Native(gamePath))) {
        gamePath.clear();
        return;
    }
    shell::SaveProgramPrefs(program);
    StartGame(program);
}

}  // namespace

void StartGame(shell::Program& program) {
    const std::string& gamePath = program.prefs.gamePath;
    // The folder of a bare file name is the working folder its path is read from.
    const std::string_view folder = FolderPart(gamePath);
    const GameCommand command =
        GameStartCommand(gamePath, program.Native(gamePath),
                         folder.empty() ? program.workDir : program.Native(folder), platform::kHostSystem);
    if (!command.address.empty()) {
        program.services.browser.Open(command.address);
    } else {
        program.services.processes.Start(command.process);
    }
}

void PlayGame(shell::Program& program, ui::MainWindow& main) {
    // The click ends the hover look; the hover state stays, so the hover image returns only
    // once the mouse has left the button and come back.
    main.toolkit.SetPicture(main.playButton, main.playImageNormal);
    if (program.prefs.bpSave == 1) ApplyBeforePlay(program, main);

    if (!ExecutablePresent(program)) {
        // A start after finding the executable neither ends the program nor counts.
        FindAndStartGame(program);
        return;
    }
    StartGame(program);
    if (program.prefs.bpExit == 1) shell::EndProgram(program);
    ++program.state.gamesStarted;
}

}  // namespace quorvane::launcher
