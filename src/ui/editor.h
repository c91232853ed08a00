// The editor panel: the open setting's value controls, description and picture.
#pragma once

#include <filesystem>

#include "platform/toolkit.h"
#include "ui/main_window.h"

namespace quorvane::shell {
class Program;
}

namespace quorvane::ui {

// Opens setting r + 1 of the current category in the panel; r = -1 shows the empty panel.
void OpenSettingEditor(shell::Program& program, MainWindow& main, int r);
// A selection change in the settings list opens the selected row's setting.
void OnListSelection(shell::Program& program, MainWindow& main);
// An event of ValueControl1 or ValueControl2: the edit rule of the open setting's kind.
void OnValueControlEvent(shell::Program& program, MainWindow& main, const platform::Event& event);
// A click on the picture shows the setting's other picture; the first click ever also retires
// the picture's tooltip for good.
void TogglePicture(shell::Program& program, MainWindow& main);

// A picture file, or a plain panel in the header's colour when it is missing or broken.
Picture LoadPictureOrPlaceholder(const std::filesystem::path& path);

inline constexpr int kResolutionWidths[] = {2560, 1920, 1680, 1600, 1440, 1366, 1280, 1152, 1024};
inline constexpr int kResolutionHeights[] = {2048, 1600, 1200, 1080, 1050, 1024, 960, 900, 854, 800, 768, 720, 600};

}  // namespace quorvane::ui
