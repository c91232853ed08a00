#include "launcher/settings_window.h"

#include <string>

#include "launcher/messages.h"
#include "platform/files.h"
#include "shell/program.h"

namespace quorvane::launcher {

namespace {

using platform::Rect;

// One path of the window: the file it names (the label above its field and the title of its
// Browse dialog), the dialog's filters and where its field sits.
struct PathRow {
    const char* fileName;
    const char* filters;
    int fieldY;
};

constexpr std::array<PathRow, kPathCount> kPathRows{{
    {"Fallout.ini", kConfigFileFilters, 60},
    {"FalloutPrefs.ini", kConfigFileFilters, 110},
    {"Fallout_default.ini", kConfigFileFilters, 160},
    {"FalloutNV.exe", kExecutableFilters, 250},
}};
constexpr std::size_t kConfigPaths = 3;  // the first three rows have a label; the executable has its frame

constexpr Rect LabelBox(const PathRow& row) { return {30, row.fieldY - 20, 200, 28}; }
constexpr Rect FieldBox(const PathRow& row) { return {30, row.fieldY, 522, 24}; }
constexpr Rect BrowseBox(const PathRow& row) { return {564, row.fieldY - 2, 66, 27}; }

// The preference that path i of the window edits.
std::string& PathPreference(shell::Program& program, std::size_t i) {
    return i < kConfigPaths ? program.prefs.config[static_cast<int>(i) + 1] : program.prefs.gamePath;
}

void CloseSettingsWindow(platform::Toolkit& toolkit, SettingsWindow& settings) {
    if (settings.window != 0) toolkit.CloseWindow(settings.window);
    settings = SettingsWindow{};
}

}  // namespace

void OpenSettingsWindow(shell::Program& program, platform::Toolkit& toolkit, SettingsWindow& settings, int over) {
    CloseSettingsWindow(toolkit, settings);
    platform::WindowOptions options;
    options.title = "Settings";
    options.clientWidth = 660;
    options.clientHeight = 400;
    const int w = settings.window = toolkit.OpenWindow(options);
    toolkit.CentreOver(w, over);  // over the main window, which does not own it

    // Created in the order the keyboard visits them.
    for (std::size_t i = 0; i < kConfigPaths; ++i) toolkit.CreateLabel(w, LabelBox(kPathRows[i]), kPathRows[i].fileName);
    toolkit.CreateFrame(w, {20, 18, 620, 181}, "Configuration files");
    toolkit.CreateFrame(w, {20, 226, 620, 88}, "Play -button");
    for (std::size_t i = 0; i < kConfigPaths; ++i) {
        settings.pathFields[i] = toolkit.CreateTextField(w, FieldBox(kPathRows[i]), PathPreference(program, i));
        toolkit.ShowFileNames(settings.pathFields[i]);
    }
    for (std::size_t i = 0; i < kConfigPaths; ++i) {
        settings.browseButtons[i] = toolkit.CreateButton(w, BrowseBox(kPathRows[i]), "Browse");
    }
    const std::size_t game = kPathCount - 1;
    settings.pathFields[game] = toolkit.CreateTextField(w, FieldBox(kPathRows[game]), PathPreference(program, game));
    toolkit.ShowFileNames(settings.pathFields[game]);
    settings.browseButtons[game] = toolkit.CreateButton(w, BrowseBox(kPathRows[game]), "Browse");
    toolkit.CreateLabel(w, {30, 284, 200, 28}, "When starting the game:");
    settings.applyChangesBox = toolkit.CreateCheckBox(w, {185, 282, 108, 24}, "Apply changes");
    toolkit.SetChecked(settings.applyChangesBox, program.prefs.bpSave == 1);
    settings.exitBox = toolkit.CreateCheckBox(w, {299, 282, 130, 24}, "Exit the Quorvane");
    toolkit.SetChecked(settings.exitBox, program.prefs.bpExit == 1);
    settings.okButton = toolkit.CreateButton(w, {448, 347, 90, 30}, "OK");
    settings.cancelButton = toolkit.CreateButton(w, {550, 347, 90, 30}, "Cancel");
    settings.updateButton = toolkit.CreateButton(w, {20, 347, 130, 30}, "Check for updates");
}

void OnBrowsePath(shell::Program& program, platform::Toolkit& toolkit, SettingsWindow& settings, int browseButton) {
    for (std::size_t i = 0; i < kPathCount; ++i) {
        if (settings.browseButtons[i] != browseButton) continue;
        const std::string chosen = program.services.dialogs.ChooseFileToOpen(
            BrowseDialog(kPathRows[i].fileName, kPathRows[i].filters));
        // A cancelled dialog or a file that cannot be read leaves the field as it was.
        if (!chosen.empty() && platform::CanOpenForReading(program.Native(chosen))) {
            toolkit.SetText(settings.pathFields[i], chosen);
        }
        return;
    }
}

void OnSettingsOk(shell::Program& program, platform::Toolkit& toolkit, SettingsWindow& settings) {
    // Only Fallout.ini is required: the other paths may be empty or name files made later.
    if (!platform::CanOpenForReading(program.Native(toolkit.Text(settings.pathFields[0])))) {
        program.services.dialogs.ShowMessage(CantApplyMessage());
        return;
    }
    for (std::size_t i = 0; i < kPathCount; ++i) PathPreference(program, i) = toolkit.Text(settings.pathFields[i]);
    program.prefs.bpSave = toolkit.IsChecked(settings.applyChangesBox) ? 1 : 0;
    program.prefs.bpExit = toolkit.IsChecked(settings.exitBox) ? 1 : 0;
    shell::SaveProgramPrefs(program);
    CloseSettingsWindow(toolkit, settings);
}

void OnSettingsCancel(platform::Toolkit& toolkit, SettingsWindow& settings) { CloseSettingsWindow(toolkit, settings); }

}  // namespace quorvane::launcher
