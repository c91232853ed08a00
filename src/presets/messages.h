// The message boxes of the presets, word for word as the user sees them.
#pragma once

#include <string_view>

#include "platform/dialogs.h"

namespace quorvane::presets {

platform::MessageBox PresetNotSavedMessage();  // QZ07: no file could be copied
platform::MessageBox SavePresetQuestion();     // include unsaved changes?
platform::MessageBox CreatePresetQuestion();   // include unsaved changes?
platform::MessageBox DeletePresetQuestion(std::string_view name);
platform::MessageBox InvalidNameMessage();
platform::MessageBox NoFreeNameMessage(std::string_view name);  // all 100 candidates taken

}  // namespace quorvane::presets
