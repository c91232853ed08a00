// The real dialogs: Qt message boxes and file-open dialogs.
#pragma once

#include <QString>

#include "platform/dialogs.h"

namespace quorvane::platform {

class QtDialogs : public Dialogs {
public:
    MessageAnswer ShowMessage(const MessageBox& box) override;
    std::string ChooseFileToOpen(const FileDialog& dialog) override;
};

// "Name|pattern|Name|pattern" as a Qt filter list; "*.*" means every file, as on Windows.
QStringList QtFilterList(const std::string& filters);

}  // namespace quorvane::platform
