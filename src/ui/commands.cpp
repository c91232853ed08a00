#include "ui/commands.h"

#include "gameconfig/write_config.h"
#include "shell/program.h"
#include "ui/editor.h"
#include "ui/settings_list.h"

namespace quorvane::ui {

void SwitchCategory(shell::Program& program, MainWindow& main, int category) {
    RefreshSettingsList(program, main, category);
    OpenSettingEditor(program, main, -1);
}

void ApplyChanges(shell::Program& program, MainWindow& main) {
    // Each write reports its own failure; the values count as saved all the same, as the user
    // has been told which file could not be written.
    for (int slot : {1, 2, 3}) gameconfig::WriteGameConfig(program, slot);
    CommitValues(program.catalogue);
    RefreshSettingsList(program, main, program.catalogue.currentCategory);
    main.toolkit.SetEnabled(main.applyButton, false);
}

}  // namespace quorvane::ui
