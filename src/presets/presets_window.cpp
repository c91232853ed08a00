#include "presets/presets_window.h"

#include <optional>

#include "presets/messages.h"
#include "presets/preset_names.h"
#include "presets/preset_store.h"
#include "shell/program.h"
#include "ui/settings_list.h"

namespace quorvane::presets {

using platform::MessageAnswer;
using platform::Rect;

namespace {

constexpr platform::Rgb kListBackground{255, 255, 255};

void EnableRowButtons(platform::Toolkit& tk, const PresetsWindow& presets, bool enabled) {
    for (int button : {presets.loadButton, presets.saveButton, presets.deleteButton})
        tk.SetEnabled(button, enabled);
}

// Rebuilds the list from the folder; afterwards no row is selected, so the row buttons wait
// for the user to pick one again.
void RefreshPresetList(shell::Program& program, platform::Toolkit& tk, PresetsWindow& presets) {
    tk.ListClear(presets.list);
    presets.rowNames.clear();
    for (const PresetEntry& entry : ListPresets(program.workDir)) {
        tk.ListAddRow(presets.list, {entry.name, entry.date});
        presets.rowNames.push_back(entry.name);
    }
    EnableRowButtons(tk, presets, false);
}

std::optional<std::string> SelectedPreset(platform::Toolkit& tk, const PresetsWindow& presets) {
    const int row = tk.ListSelectedRow(presets.list);
    if (row < 0 || row >= static_cast<int>(presets.rowNames.size())) return std::nullopt;
    return presets.rowNames[static_cast<std::size_t>(row)];
}

// With unsaved edits the user chooses: Yes writes them into the preset, No copies the game's
// files as they are, Cancel writes nothing.
void SaveAsUserChooses(shell::Program& program, const std::string& name,
                       const platform::MessageBox& question) {
    MessageAnswer answer = MessageAnswer::No;
    if (ui::HasUnsavedChanges(program.catalogue))
        answer = program.services.dialogs.ShowMessage(question);
    if (answer == MessageAnswer::Yes) SavePresetWithEdits(program, name);
    if (answer == MessageAnswer::No) SavePreset(program, name);
}

}  // namespace

void OpenPresetsWindow(shell::Program& program, ui::MainWindow& main, PresetsWindow& presets) {
    platform::Toolkit& tk = main.toolkit;
    ClosePresetsWindow(tk, presets);
    presets.window = tk.OpenWindow({"Presets", 490, 346, false, false, false, main.window});
    presets.intro =
        tk.CreateLabel(presets.window, Rect{25, 20, 480, 30},
                       "Use presets to save copies of your configuration for later use.");
    presets.list = tk.CreateList(presets.window, Rect{25, 50, 330, 229},
                                 {{"Name", 229}, {"Date", 80}}, kListBackground);
    presets.nameField =
        tk.CreateTextField(presets.window, Rect{25, 296, 330, 26}, "New preset", true);
    // Preset names are file names.
    tk.ShowFileNames(presets.list);
    tk.ShowFileNames(presets.nameField);
    presets.loadButton = tk.CreateButton(presets.window, Rect{371, 49, 95, 30}, "Load");
    presets.saveButton = tk.CreateButton(presets.window, Rect{371, 89, 95, 30}, "Save");
    presets.deleteButton = tk.CreateButton(presets.window, Rect{371, 130, 95, 30}, "Delete");
    presets.createButton = tk.CreateButton(presets.window, Rect{371, 294, 95, 30}, "Create");
    RefreshPresetList(program, tk, presets);
}

void ClosePresetsWindow(platform::Toolkit& toolkit, PresetsWindow& presets) {
    if (presets.window != 0) toolkit.CloseWindow(presets.window);
    presets = PresetsWindow{};
}

void OnPresetSelection(ui::MainWindow& main, PresetsWindow& presets, const platform::Event& event) {
    const bool rowChosen =
        event.control == presets.list && main.toolkit.ListSelectedRow(presets.list) >= 0;
    EnableRowButtons(main.toolkit, presets, rowChosen);
}

void OnLoadPreset(shell::Program& program, ui::MainWindow& main, PresetsWindow& presets) {
    const std::optional<std::string> name = SelectedPreset(main.toolkit, presets);
    if (!name) return;
    LoadPreset(program, *name);
    ui::RefreshSettingsList(program, main, program.catalogue.currentCategory);
    main.toolkit.SetEnabled(main.applyButton,
                            true);  // the loaded values can go to the game's files
    ClosePresetsWindow(main.toolkit, presets);
}

void OnSavePreset(shell::Program& program, ui::MainWindow& main, PresetsWindow& presets) {
    const std::optional<std::string> name = SelectedPreset(main.toolkit, presets);
    if (!name) return;
    SaveAsUserChooses(program, *name, SavePresetQuestion());
    RefreshPresetList(program, main.toolkit, presets);
}

void OnCreatePreset(shell::Program& program, ui::MainWindow& main, PresetsWindow& presets) {
    platform::Dialogs& dialogs = program.services.dialogs;
    const std::string typed = main.toolkit.Text(presets.nameField);
    if (!IsValidPresetName(typed)) {
        dialogs.ShowMessage(InvalidNameMessage());
        return;
    }
    const std::optional<std::string> name = FreePresetName(program.workDir, typed);
    if (!name) {
        dialogs.ShowMessage(NoFreeNameMessage(typed));
        return;
    }
    SaveAsUserChooses(program, *name, CreatePresetQuestion());
    RefreshPresetList(program, main.toolkit, presets);
}

void OnDeletePreset(shell::Program& program, ui::MainWindow& main, PresetsWindow& presets) {
    const std::optional<std::string> name = SelectedPreset(main.toolkit, presets);
    if (!name) return;
    if (program.services.dialogs.ShowMessage(DeletePresetQuestion(*name)) != MessageAnswer::Yes)
        return;
    DeletePreset(program.workDir, *name);
    main.toolkit.ListSelectRow(presets.list, -1);
    RefreshPresetList(program, main.toolkit, presets);
}

}  // namespace quorvane::presets
