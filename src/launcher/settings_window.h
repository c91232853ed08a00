// The settings window: the paths of the three game files and of the game's executable, the
// two Play options, and the button of the update check. Nothing is taken over until OK.
#pragma once

#include <array>

#include "platform/toolkit.h"

namespace quorvane::shell {
class Program;
}

namespace quorvane::launcher {

// The window edits four paths, in the order of their fields: Fallout.ini, FalloutPrefs.ini,
// Fallout_default.ini and FalloutNV.exe.
inline constexpr std::size_t kPathCount = 4;

// The window's controls; all 0 while it is closed.
struct SettingsWindow {
    int window = 0;
    std::array<int, kPathCount> pathFields{};
    std::array<int, kPathCount> browseButtons{};
    int applyChangesBox = 0;
    int exitBox = 0;
    int okButton = 0;
    int cancelButton = 0;
    int updateButton = 0;
};

// Builds the window from the current preferences, centred over the window `over`. A window
// already open is replaced, and what was typed into it is dropped.
void OpenSettingsWindow(shell::Program& program, platform::Toolkit& toolkit, SettingsWindow& settings, int over);
// A Browse button: asks for its file and puts a readable choice into the button's field.
void OnBrowsePath(shell::Program& program, platform::Toolkit& toolkit, SettingsWindow& settings, int browseButton);
// Takes over the fields and options, saves the preferences and closes the window; refuses
// while the Fallout.ini path cannot be read.
void OnSettingsOk(shell::Program& program, platform::Toolkit& toolkit, SettingsWindow& settings);
// Cancel and the close box: the window closes and nothing is stored.
void OnSettingsCancel(platform::Toolkit& toolkit, SettingsWindow& settings);

}  // namespace quorvane::launcher
