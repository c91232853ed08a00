// The presets window: lists the presets with their dates and loads, saves, deletes and creates
// them through the preset store. Not modal; the main window stays usable while it is open.
#pragma once

#include <string>
#include <vector>

#include "platform/toolkit.h"
#include "ui/main_window.h"

namespace quorvane::shell {
class Program;
}

namespace quorvane::presets {

// The window's controls, all 0 while it is closed.
struct PresetsWindow {
    int window = 0;
    int intro = 0;
    int list = 0;
    int nameField = 0;
    int loadButton = 0;
    int saveButton = 0;
    int deleteButton = 0;
    int createButton = 0;
    // The names of the listed rows as they are spelled on disk, so an operation is given the
    // file's own bytes rather than the text the list shows for them.
    std::vector<std::string> rowNames;
};

// Builds the window afresh, centred over the main window, replacing one that is open.
void OpenPresetsWindow(shell::Program& program, ui::MainWindow& main, PresetsWindow& presets);
void ClosePresetsWindow(platform::Toolkit& toolkit, PresetsWindow& presets);

// The list or the name field raised an event: Load, Save and Delete can be used only while a
// row is selected and the user is not at the name field.
void OnPresetSelection(ui::MainWindow& main, PresetsWindow& presets, const platform::Event& event);
void OnLoadPreset(shell::Program& program, ui::MainWindow& main, PresetsWindow& presets);
void OnSavePreset(shell::Program& program, ui::MainWindow& main, PresetsWindow& presets);
void OnCreatePreset(shell::Program& program, ui::MainWindow& main, PresetsWindow& presets);
void OnDeletePreset(shell::Program& program, ui::MainWindow& main, PresetsWindow& presets);

}  // namespace quorvane::presets
