#include "gameconfig/read_config.h"

#include <string>

#include "catalogue/decimal.h"
#include "gameconfig/ini_line.h"
#include "gameconfig/messages.h"
#include "platform/files.h"

namespace quorvane::gameconfig {

using catalogue::Catalogue;
using catalogue::Setting;
using catalogue::SettingRef;

namespace {

// The value the mouse setting holds while a file is read and has not named its key.
constexpr float kMouseNotFound = -1;

void SetValue(Setting& setting, float value) {
    setting.current = value;
    setting.saved = value;
}

}  // namespace

ReadingSequence::ReadingSequence(const Catalogue& catalogue)
    : index_(catalogue, KeyIndex::Purpose::Reading),
      specials_{Special{catalogue.fovSetting, kDefaultFov},
                Special{catalogue.goreSetting, kDefaultGore},
                Special{catalogue.mouseSetting, kMouseNotFound}} {}

void ReadingSequence::ApplySpecialDefaults(Catalogue& catalogue) const {
    for (const Special& special : specials_) {
        Setting* setting = catalogue.Find(special.ref);
        if (setting && !special.found) SetValue(*setting, special.startValue);
    }
}

void ReadingSequence::NoteValueFound(SettingRef ref) {
    for (Special& special : specials_) {
        if (special.ref.Present() && special.ref == ref) special.found = true;
    }
}

void ReadingSequence::FinishFile(Catalogue& catalogue) const {
    Setting* mouse = catalogue.Find(catalogue.mouseSetting);
    if (mouse && mouse->current == kMouseNotFound) SetValue(*mouse, kDefaultMouse);
}

void ReadGameConfig(GameFiles files, int slot, std::string_view path, ReadingSequence& sequence) {
    const std::string programPath(path.empty() ? std::string_view(files.config[slot]) : path);
    platform::LineReader reader;
    if (!reader.Open(files.Native(programPath))) {
        // Fallout_default.ini is often absent and never needed.
        if (slot != 3) files.dialogs.ShowMessage(ConfigUnreadableMessage(slot));
        return;
    }
    Catalogue& catalogue = files.catalogue;
    sequence.ApplySpecialDefaults(catalogue);
    for (std::string line; reader.Next(line);) {
        auto matches = sequence.index().Find(LineKey(line));
        if (matches.empty()) continue;
        const float value = catalogue::ReadDecimal(LineValue(line));
        for (SettingRef ref : matches) {
            SetValue(catalogue.At(ref.category, ref.setting), value);
            sequence.NoteValueFound(ref);
        }
    }
    sequence.FinishFile(catalogue);
}

void ReadGameConfig(GameFiles files, int slot, std::string_view path) {
    ReadingSequence sequence(files.catalogue);
    ReadGameConfig(files, slot, path, sequence);
}

void ReadGameConfig(shell::Program& program, int slot, std::string_view path) {
    ReadGameConfig(GameFiles::Of(program), slot, path);
}

void ReadGameConfigSet(GameFiles files, const shell::GameConfigSet& paths) {
    ReadingSequence sequence(files.catalogue);
    for (int slot : {3, 2, 1}) ReadGameConfig(files, slot, paths[slot], sequence);
}

void ReadGameConfigSet(shell::Program& program, const shell::GameConfigSet& paths) {
    ReadGameConfigSet(GameFiles::Of(program), paths);
}

}  // namespace quorvane::gameconfig
