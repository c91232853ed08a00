// Play: starts the game, optionally writing the pending changes first and ending the program
// afterwards, and asks for the executable when it is not set or has gone.
#pragma once

#include "ui/main_window.h"

namespace quorvane::shell {
class Program;
}

namespace quorvane::launcher {

// The Play button's left click.
void PlayGame(shell::Program& program, ui::MainWindow& main);

// Starts the executable named by the preferences' game path in its own folder, without
// waiting for it.
void StartGame(shell::Program& program);

}  // namespace quorvane::launcher
