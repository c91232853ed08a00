// The main window's own commands: switching category and applying the pending changes.
#pragma once

#include "ui/main_window.h"

namespace quorvane::shell {
class Program;
}

namespace quorvane::ui {

// Shows category i's settings and leaves the editor panel empty.
void SwitchCategory(shell::Program& program, MainWindow& main, int category);
// Writes the current values into the three game files, then everything counts as saved.
void ApplyChanges(shell::Program& program, MainWindow& main);

}  // namespace quorvane::ui
