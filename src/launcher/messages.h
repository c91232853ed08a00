// The message boxes and file dialogs of Play and of the settings window, word for word as the
// user sees them.
#pragma once

#include <string_view>

#include "platform/dialogs.h"

namespace quorvane::launcher {

// Play found no executable: never set (a path under five characters) or gone.
platform::MessageBox ExecutableNotFoundQuestion();
platform::MessageBox ExecutableMissingQuestion();
platform::FileDialog FindExecutableDialog();

// OK in the settings window with a Fallout.ini path that cannot be read.
platform::MessageBox CantApplyMessage();

inline constexpr const char* kConfigFileFilters = "Configuration files (.ini)|*.ini|All files|*.*";
inline constexpr const char* kExecutableFilters = "Executables|*.exe|All files|*.*";

// A Browse button's dialog: titled with the file sought, no proposed file, first filter chosen.
platform::FileDialog BrowseDialog(std::string_view fileName, std::string_view filters);

}  // namespace quorvane::launcher
