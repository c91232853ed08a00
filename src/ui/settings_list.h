// The settings list: one row per visible setting of the current category, with change marks,
// and the two model-wide operations of change tracking.
#pragma once

#include "catalogue/model.h"
#include "ui/main_window.h"

namespace quorvane::shell {
class Program;
}

namespace quorvane::ui {

inline constexpr platform::Rgb kChangedTint{220, 232, 232};
inline constexpr const char* kChangeMark = " *";

// Shows the settings of `category`, which becomes the current one; its button is disabled.
void RefreshSettingsList(shell::Program& program, MainWindow& main, int category);
// Tints the Value cell of a changed row; an unchanged row gets the list's own colour.
void MarkRow(MainWindow& main, int row, bool changed);
// Rewrites the Value cell and the mark of setting j's row after an edit.
void UpdateSettingRow(shell::Program& program, MainWindow& main, int j);

// The setting index shown in `row` (-1, no selection, gives 0), skipping the hidden height.
int SettingForRow(const MainWindow& main, int row);
int RowForSetting(const MainWindow& main, int j);
// True when setting j's row carries the change mark: it, or for a resolution its height, changed.
bool RowIsChanged(const catalogue::Catalogue& catalogue, int category, int j);

// Every setting's saved value becomes its current value.
void CommitValues(catalogue::Catalogue& catalogue);
// True when some setting of any category, hidden ones included, has an edit not yet saved.
bool HasUnsavedChanges(catalogue::Catalogue& catalogue);

}  // namespace quorvane::ui
