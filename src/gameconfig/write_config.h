// Putting the model's current values into the game's INI files, or into a preset's copies.
#pragma once

#include <string_view>

#include "gameconfig/game_files.h"
#include "shell/program.h"

namespace quorvane::gameconfig {

// Copies the configured file of `slot` line by line, rewrites every line whose key names a
// catalogue setting with that setting's current value, drops or inserts the lines of the
// special settings, and puts the result in place of `destination` (a program path; empty:
// the slot's configured file). The source is always the slot's configured file. Lines the
// catalogue does not know pass through byte for byte; every line is written with CR LF.
//
// The destination is replaced whole (a crash leaves the old or the new file, nothing in
// between) and left writable for the user. Failures are shown to the user (QZ08, QZ05B,
// QZ06) and leave the destination as it was; the caller goes on either way.
void WriteGameConfig(GameFiles files, int slot, std::string_view destination = {});
void WriteGameConfig(shell::Program& program, int slot, std::string_view destination = {});

}  // namespace quorvane::gameconfig
