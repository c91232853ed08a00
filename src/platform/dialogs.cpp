#include "platform/dialogs.h"

namespace quorvane::platform {

MessageAnswer ScriptedDialogs::ShowMessage(const MessageBox& box) {
    shownMessages.push_back(box);
    if (answers.empty()) return box.defaultAnswer;
    MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::string ScriptedDialogs::ChooseFileToOpen(const FileDialog& dialog) {
    shownFileDialogs.push_back(dialog);
    if (chosenFiles.empty()) return {};
    std::string path = std::move(chosenFiles.front());
    chosenFiles.pop_front();
    return path;
}

}  // namespace quorvane::platform
