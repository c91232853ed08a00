#include "launcher/messages.h"

#include <string>

namespace quorvane::launcher {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

platform::MessageBox ExecutableNotFoundQuestion() {
    return {"Play", "The game executable was not found.\nWant to go ahead and find the .exe?",
            MessageIcon::Information, MessageButtons::YesNo, MessageAnswer::Yes};
}

platform::MessageBox ExecutableMissingQuestion() {
    return {"Play", "The game can't be started. The executable is missing.\nWant to go ahead and find the exe?",
            MessageIcon::Information, MessageButtons::YesNo, MessageAnswer::Yes};
}

platform::FileDialog FindExecutableDialog() {
    return {"Find FalloutNV.exe", "FalloutNV.exe", "Executables | *.exe", 0};
}

platform::MessageBox CantApplyMessage() {
    return {"Error", "Can't apply: The path for Fallout.ini is not correct.", MessageIcon::Warning,
            MessageButtons::Ok, MessageAnswer::Ok};
}

platform::FileDialog BrowseDialog(std::string_view fileName, std::string_view filters) {
    return {std::string(fileName), "", std::string(filters), 0};
}

}  // namespace quorvane::launcher
