#include "discovery/setup_window.h"

#include <string>

#include "discovery/setup_messages.h"
#include "net/report_texts.h"
#include "net/usage_reports.h"
#include "platform/files.h"

namespace quorvane::discovery {

namespace {

using platform::Event;
using platform::EventKind;
using platform::Font;
using platform::Rect;

const Font kHeadingFont{"Verdana", 36};
const Font kMessageFont{"arial", 14};
const Font kSmallFont{"arial", 12};

// Tall enough for three lines of the message font: the longest message wraps onto a third line
// at its width of 450 pixels, which a height of 50 would cut off. Box 1 starts below it.
constexpr int kMessageHeight = 66;

constexpr const char* kFileNames[] = {"Fallout.ini", "FalloutPrefs.ini", "Fallout_default.ini"};

const platform::MessageBox kContinueWithoutDefaultIni{
    "Warning",
    "Do you want to continue with a configuration file missing?\nYou may run into issues when using the "
    "launcher or presets.",
    platform::MessageIcon::Warning, platform::MessageButtons::YesNo, platform::MessageAnswer::No};

std::size_t Index(int slot) { return static_cast<std::size_t>(slot - 1); }

}  // namespace

SetupWindow::SetupWindow(shell::Program& program, platform::Toolkit& toolkit)
    : program_(program), toolkit_(toolkit) {
    window = toolkit.OpenWindow({"Quorvane", 640, 420});
    toolkit.SetDefaultFont(kHeadingFont);
    greeting = toolkit.CreateLabel(window, {25, 15, 246, 50}, "Welcome!");
    toolkit.SetDefaultFont(kMessageFont);
    const SetupMessage chosen = ChooseSetupMessage(program.state.configMissing, program.state.prefsLoaded);
    message = toolkit.CreateLabel(window, {28, 80, chosen.width, kMessageHeight}, chosen.text);
    CreateFileBox(1, 150);
    CreateFileBox(2, 205);
    CreateFileBox(3, 260);
    continueButton = toolkit.CreateButton(window, {500, 344, 110, 36}, "Continue");
    UpdateContinue();
    if (Missing(3)) {
        note = toolkit.CreateLabel(window, {29, 343, 420, 50},
                                   "Fallout_default.ini is needed if you ever use the game launcher to start "
                                   "the game. Best to have it just in case.");
        toolkit.SetFont(note, kSmallFont);
    }
}

SetupWindow::~SetupWindow() { toolkit_.CloseWindow(window); }

bool SetupWindow::Missing(int slot) const { return program_.state.configMissing[Index(slot)] == 1; }

void SetupWindow::CreateFileBox(int slot, int y) {
    FileBox& file = boxes[Index(slot)];
    const platform::Rgb colour = Missing(slot) ? kMissingColour : kFoundColour;
    file.box = toolkit_.CreateContainer(window, {29, y, 580, 42}, colour, true);
    file.label = toolkit_.CreateLabel(file.box, {10, 8, 180, 30}, kFileNames[Index(slot)], false, colour);
    file.browse = toolkit_.CreateButton(file.box, {476, 5, 90, 30}, "Browse");
    toolkit_.SetFont(file.browse, kSmallFont);
    if (Missing(slot)) {
        file.notFound = toolkit_.CreateLabel(file.box, {300, 8, 160, 26}, "NOT FOUND", true, kMissingColour);
    }
}

bool SetupWindow::Handle(const Event& event) {
    if (event.kind == EventKind::Close && event.window == window) shell::EndProgram(program_);
    if (event.kind != EventKind::Control) return false;
    for (int slot = 1; slot <= 3; ++slot) {
        if (event.control == boxes[Index(slot)].browse) Browse(slot);
    }
    if (event.control == continueButton && ContinueAccepted()) return true;
    UpdateContinue();
    return false;
}

void SetupWindow::Browse(int slot) {
    const std::string name = kFileNames[Index(slot)];
    const std::string chosen =
        program_.services.dialogs.ChooseFileToOpen({name, "", name + "|" + name + "|All files|*.*", 0});
    if (chosen.empty() || !platform::CanOpenForReading(program_.Native(chosen))) return;

    program_.prefs.config[slot] = chosen;
    program_.state.configMissing[Index(slot)] = 0;
    FileBox& file = boxes[Index(slot)];
    toolkit_.SetBackground(file.box, kFoundColour);
    toolkit_.SetBackground(file.label, kFoundColour);
    if (file.notFound != 0) toolkit_.Destroy(file.notFound);
    file.notFound = 0;
}

// The window is never left with Fallout.ini or FalloutPrefs.ini unknown, whatever the event.
bool SetupWindow::ContinueAccepted() {
    if (Missing(1) || Missing(2)) return false;
    if (!Missing(3)) return true;
    return program_.services.dialogs.ShowMessage(kContinueWithoutDefaultIni) == platform::MessageAnswer::Yes;
}

void SetupWindow::UpdateContinue() { toolkit_.SetEnabled(continueButton, !Missing(1) && !Missing(2)); }

void RunSetupWindow(shell::Program& program, platform::Toolkit& toolkit, const SetupWindowHook& atOpen) {
    net::SendUsageReport(program, net::MissReportText(program.state.configMissing));
    SetupWindow setup(program, toolkit);
    if (atOpen) atOpen(setup);
    // Nothing in this window is timed, so the loop sleeps until the next event.
    while (!setup.Handle(toolkit.WaitEvent(-1))) {
    }
}

}  // namespace quorvane::discovery
