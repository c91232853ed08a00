// Message boxes and file-open dialogs go through this one interface, so that every box the
// program shows can be recorded and answered by a script in tests.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace quorvane::platform {

enum class MessageIcon { None, Information, Exclamation, Warning, Stop };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct MessageBox {
    std::string title;
    std::string text;  // "\n" breaks lines
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;

    bool operator==(const MessageBox&) const = default;
};

struct FileDialog {
    std::string title;
    std::string proposedPath;  // folder and/or file name shown first; "" for none
    // Filter list as one text: shown name, pattern, shown name, pattern ... separated by "|".
    std::string filters;
    int selectedFilter = 0;

    bool operator==(const FileDialog&) const = default;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MessageAnswer ShowMessage(const MessageBox& box) = 0;
    // The chosen file's full path, or "" when the user cancelled.
    virtual std::string ChooseFileToOpen(const FileDialog& dialog) = 0;
};

// Records every dialog and answers from queues; an empty queue answers the box's default
// button, or "" for a file dialog.
class ScriptedDialogs : public Dialogs {
public:
    MessageAnswer ShowMessage(const MessageBox& box) override;
    std::string ChooseFileToOpen(const FileDialog& dialog) override;

    std::deque<MessageAnswer> answers;
    std::deque<std::string> chosenFiles;
    std::vector<MessageBox> shownMessages;
    std::vector<FileDialog> shownFileDialogs;
};

}  // namespace quorvane::platform
