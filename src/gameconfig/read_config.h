// Taking the catalogue settings' values from the game's INI files (or from a preset's copies).
#pragma once

#include <array>
#include <string_view>

#include "catalogue/model.h"
#include "gameconfig/game_files.h"
#include "gameconfig/key_index.h"
#include "gameconfig/special_lines.h"
#include "shell/program.h"

namespace quorvane::gameconfig {

// One reading sequence: the files of slots 3, 2 and 1 read one after the other, at start-up or
// when a preset is loaded. It builds the key index once for all files and remembers which
// special settings (field of view, gore, mouse acceleration) some file has given a value, so
// that a later file without the key does not reset that value to the game's default.
class ReadingSequence {
public:
    explicit ReadingSequence(const catalogue::Catalogue& catalogue);

    // Before a file's lines: the special settings no file has given a value yet take the game's
    // defaults (the mouse setting a marker of -1 first, as a file may hold -1 itself).
    void ApplySpecialDefaults(catalogue::Catalogue& catalogue) const;
    // For every setting a line gave a value.
    void NoteValueFound(catalogue::SettingRef ref);
    // After a file's lines: the mouse setting still at -1 means acceleration on.
    void FinishFile(catalogue::Catalogue& catalogue) const;

    const KeyIndex& index() const { return index_; }

private:
    struct Special {
        catalogue::SettingRef ref;
        float startValue;
        bool found = false;
    };

    KeyIndex index_;
    std::array<Special, 3> specials_;
};

// Reads the file of `slot` (1 Fallout.ini, 2 FalloutPrefs.ini, 3 Fallout_default.ini): the
// configured path when `path` is empty, else `path`. Every setting whose key a line names
// takes the line's value as current and saved value; a later line wins over an earlier one.
// A file that cannot be opened leaves the model as it is and shows QZ04 for slots 1 and 2.
void ReadGameConfig(GameFiles files, int slot, std::string_view path, ReadingSequence& sequence);

// Reads one file as a sequence of its own.
void ReadGameConfig(GameFiles files, int slot, std::string_view path = {});
void ReadGameConfig(shell::Program& program, int slot, std::string_view path = {});

// Reads slots 3, 2 and 1 as one sequence, so that a later file overrides an earlier one. An
// empty path in `paths` stands for the slot's configured path.
void ReadGameConfigSet(GameFiles files, const shell::GameConfigSet& paths = {});
void ReadGameConfigSet(shell::Program& program, const shell::GameConfigSet& paths = {});

}  // namespace quorvane::gameconfig
