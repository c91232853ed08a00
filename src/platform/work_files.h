// Work files: the per-user folder the program keeps them in, creating them afresh, and the
// CR LF line form every text file the program writes uses.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/services.h"

namespace quorvane::platform {

// The system's folder for temporary files: TMPDIR when it names a folder, else /tmp (POSIX);
// the user's temporary folder in its long-name form (Windows). Empty when there is none.
std::filesystem::path SystemTempFolder(Environment& environment);

// A folder inside `temp` that only the user can enter. On POSIX it is "quorvane-" + user id,
// created with mode 0700; an existing one must be a real folder (not a link) of the user's
// own, and loses any group or other permission. Empty when no such folder can be had. On
// Windows the per-user temporary folder is private already and is returned as it is.
std::filesystem::path PrivateWorkFolder(const std::filesystem::path& temp);

// Creates the file at path anew with exactly `content`. Whatever had that name (a file, a
// link) is removed first and the file is created exclusively, so nothing planted under the
// name is written through. Readable and writable by the user only. False on any failure.
bool WriteFreshFile(const std::filesystem::path& path, std::string_view content);

// Appends the line and a CR LF.
inline void AppendCrLfLine(std::string& text, std::string_view line) {
    text.append(line);
    text.append("\r\n");
}

}  // namespace quorvane::platform
