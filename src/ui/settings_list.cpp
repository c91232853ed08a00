#include "ui/settings_list.h"

#include <string>

#include "gameconfig/value_text.h"
#include "shell/program.h"

namespace quorvane::ui {

using catalogue::Setting;
using catalogue::SettingKind;
using gameconfig::FormatSettingValue;
using gameconfig::ValueTextMode;

namespace {
constexpr int kNoGhost = 999;
}

bool RowIsChanged(const catalogue::Catalogue& catalogue, int category, int j) {
    const Setting& setting = catalogue.At(category, j);
    if (setting.IsChanged()) return true;
    return setting.kind == SettingKind::Resolution && j + 1 <= catalogue::kMaxSettingsPerCategory &&
           catalogue.At(category, j + 1).IsChanged();
}

void RefreshSettingsList(shell::Program& program, MainWindow& main, int category) {
    catalogue::Catalogue& c = program.catalogue;
    platform::Toolkit& tk = main.toolkit;
    c.currentCategory = category;
    main.ghostRow = kNoGhost;
    tk.ListClear(main.settingsList);
    const int count = (category >= 0 && category < c.categoryCount) ? c.categories[category].settingCount : 0;
    int row = 0;
    for (int j = 1; j <= count; ++j) {
        if (c.At(category, j).kind == SettingKind::Ghost) {
            main.ghostRow = j - 2;
            continue;
        }
        const std::string text = FormatSettingValue(c, j, ValueTextMode::Row);
        const std::size_t split = text.find('\n');
        const bool changed = RowIsChanged(c, category, j);
        tk.ListAddRow(main.settingsList,
                      {text.substr(0, split), (split == std::string::npos ? "" : text.substr(split + 1)) +
                                                  (changed ? kChangeMark : "")});
        MarkRow(main, row++, changed);
    }
    for (int i = 0; i < c.categoryCount; ++i) {
        tk.SetEnabled(main.categoryButtons[static_cast<std::size_t>(i)], i != category);
    }
}

void MarkRow(MainWindow& main, int row, bool changed) {
    main.toolkit.ListSetCellBackground(main.settingsList, row, 1,
                                       changed ? std::optional(kChangedTint) : std::nullopt);
}

void UpdateSettingRow(shell::Program& program, MainWindow& main, int j) {
    const catalogue::Catalogue& c = program.catalogue;
    const int row = RowForSetting(main, j);
    const bool changed = RowIsChanged(c, c.currentCategory, j);
    main.toolkit.ListSetCell(main.settingsList, row, 1,
                             FormatSettingValue(c, j, ValueTextMode::Value) + (changed ? kChangeMark : ""));
    MarkRow(main, row, changed);
}

int SettingForRow(const MainWindow& main, int row) { return row + 1 + (row > main.ghostRow ? 1 : 0); }

int RowForSetting(const MainWindow& main, int j) { return j - 1 - (j - 1 > main.ghostRow ? 1 : 0); }

void CommitValues(catalogue::Catalogue& catalogue) {
    catalogue.ForEachSetting([](int, int, Setting& setting) { setting.saved = setting.current; });
}

bool HasUnsavedChanges(catalogue::Catalogue& catalogue) {
    bool changed = false;
    catalogue.ForEachSetting([&](int, int, Setting& setting) { changed = changed || setting.IsChanged(); });
    return changed;
}

}  // namespace quorvane::ui
