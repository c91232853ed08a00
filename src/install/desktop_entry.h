// The desktop entry that puts Quorvane into the desktop's menu, started in its install folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quorvane::install {

// The entry's text; none when a path cannot be written into an entry (a control character, or
// bytes that are not UTF-8, which desktop entries must be).
std::optional<std::string> DesktopEntryText(const std::filesystem::path& installFolder,
                                            const std::filesystem::path& program,
                                            const std::filesystem::path& icon);

// One argument of an Exec line, quoted where the desktop entry rules ask for it, with the
// string escapes of the entry format applied on top.
std::string ExecArgument(const std::string& argument);

}  // namespace quorvane::install
