// A game set-up for the tests of reading and writing: a catalogue made from category-file
// lines, the three configured files in a test folder, scripted dialogs, and a temporary folder
// of the test's own.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "catalogue/model.h"
#include "gameconfig/game_files.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "shell/program_prefs.h"
#include "support/test_folder.h"

namespace quorvane::testing {

// Category-file lines ("NAME|...", "CONFIG|...", ...) for each category, in order.
using CategoryLines = std::initializer_list<std::initializer_list<std::string_view>>;

catalogue::Catalogue MakeCatalogue(CategoryLines categories);

struct GameSetUp {
    explicit GameSetUp(CategoryLines categories);

    // Writes `bytes` as the file of `slot` (game/slotN.ini) and configures its path.
    void PutFile(int slot, std::string_view bytes);
    std::string FileBytes(int slot) const;
    // The setting with that INI key (the first in scan order).
    catalogue::Setting& Setting(std::string_view iniKey);
    gameconfig::GameFiles Files();

    TestFolder folder;
    catalogue::Catalogue catalogue;
    shell::GameConfigSet config;
    platform::ScriptedDialogs dialogs;
    platform::MapEnvironment environment;
};

}  // namespace quorvane::testing
