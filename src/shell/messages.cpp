#include "shell/messages.h"

namespace quorvane::shell {

using platform::MessageBox;
using platform::MessageButtons;
using platform::MessageIcon;

MessageBox ReadOnlyModeMessage() {
    return {"Error",
            "Failed to write configuration file.\nProgram will start in read-only mode.\n\n"
            "Error code: QZ03",
            MessageIcon::Warning, MessageButtons::Ok};
}

MessageBox CategoryIndexMissingMessage() {
    // The text names Data\Category.ini although the file read is Data\Categories.ini; users
    // and support threads quote this text, so it stays as it is.
    return {"Error", "File missing: \"Data\\Category.ini\"\nReinstall the program.\n\nError code: QZ01",
            MessageIcon::Stop, MessageButtons::Ok};
}

MessageBox CategoryFileUnreadableMessage() {
    return {"Error", "Unable to read file.\n\nError code: QZ02", MessageIcon::Exclamation,
            MessageButtons::Ok};
}

}  // namespace quorvane::shell
