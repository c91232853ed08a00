#include "presets/messages.h"

#include <string>

#include "presets/preset_names.h"

namespace quorvane::presets {

using platform::MessageAnswer;
using platform::MessageBox;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {

MessageBox UnsavedChangesQuestion(const char* title, const char* question) {
    return {title, std::string("You have unsaved changes.\n") + question, MessageIcon::Warning,
            MessageButtons::YesNoCancel, MessageAnswer::Yes};
}

}  // namespace

MessageBox PresetNotSavedMessage() {
    return {"Error", "The preset did not save correctly.\nError code: QZ07", MessageIcon::None,
            MessageButtons::Ok};
}

MessageBox SavePresetQuestion() {
    return UnsavedChangesQuestion("Save preset",
                                  "Do you want to include them into the saved preset?");
}

MessageBox CreatePresetQuestion() {
    return UnsavedChangesQuestion("Create preset", "Do you want to save them into this preset?");
}

MessageBox DeletePresetQuestion(std::string_view name) {
    return {"Delete preset", "Do you want to delete\n\"" + std::string(name) + "\"?",
            MessageIcon::Warning, MessageButtons::YesNo, MessageAnswer::Yes};
}

MessageBox InvalidNameMessage() {
    return {"Error", "The name can't contain these characters:\n\\ / : * ? \" < > |",
            MessageIcon::Warning, MessageButtons::Ok};
}

MessageBox NoFreeNameMessage(std::string_view name) {
    const std::string first(name);
    return {"Error",
            "The names \"" + first + "\" to \"" + NameCandidate(name, kNameCandidates) +
                "\" are all taken.\nPlease choose another name.",
            MessageIcon::Warning, MessageButtons::Ok};
}

}  // namespace quorvane::presets
