// Conversion between the program's 8-bit text (Windows-1252) and the toolkit's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quorvane::platform {

QString FromCp1252(std::string_view text);
// Characters that Windows-1252 cannot hold become "?".
std::string ToCp1252(const QString& text);

}  // namespace quorvane::platform
