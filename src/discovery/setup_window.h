// The setup window: lets the user locate the configuration files the program did not find,
// before the main window exists. It runs its own loop; closing it ends the program.
#pragma once

#include <array>
#include <functional>

#include "platform/toolkit.h"
#include "shell/program.h"

namespace quorvane::discovery {

inline constexpr platform::Rgb kFoundColour{169, 241, 155};
inline constexpr platform::Rgb kMissingColour{255, 227, 170};

// The open window and its controls. Made by RunSetupWindow; tests drive it one event at a time.
class SetupWindow {
public:
    // Opens the window with the controls for the current paths and missing flags. From here on
    // the message font ("arial" 14) is the toolkit's default font for new controls.
    SetupWindow(shell::Program& program, platform::Toolkit& toolkit);
    ~SetupWindow();  // closes the window
    SetupWindow(const SetupWindow&) = delete;
    SetupWindow& operator=(const SetupWindow&) = delete;

    // Handles one event. True when Continue was accepted and the window is done; a close event
    // ends the program (shell::EndProgram).
    bool Handle(const platform::Event& event);

    struct FileBox {
        int box = 0;
        int label = 0;
        int browse = 0;
        int notFound = 0;  // 0 once the file is known
    };

    int window = 0;
    int greeting = 0;
    int message = 0;
    std::array<FileBox, 3> boxes{};  // slots 1 to 3
    int continueButton = 0;
    int note = 0;  // 0 unless Fallout_default.ini was missing when the window opened

private:
    bool Missing(int slot) const;
    void CreateFileBox(int slot, int y);
    void Browse(int slot);
    bool ContinueAccepted();
    void UpdateContinue();

    shell::Program& program_;
    platform::Toolkit& toolkit_;
};

// Called once the window is open and before its loop starts (scripted runs).
using SetupWindowHook = std::function<void(const SetupWindow&)>;

// Sends the "Miss-" report, opens the window and runs its loop until Continue is accepted; then
// Config1..Config3 and configMissing hold what the user located. Closing the window ends the
// program.
void RunSetupWindow(shell::Program& program, platform::Toolkit& toolkit, const SetupWindowHook& atOpen = nullptr);

}  // namespace quorvane::discovery
