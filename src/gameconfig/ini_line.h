// How a line of a game INI file is seen: a key, an "=" and a value. Sections do not matter.
#pragma once

#include <string_view>

namespace quorvane::gameconfig {

// The text before the first "=" (the whole line when there is none), without the spaces at
// either end (spaces only: a tab stays part of the key). Keys are compared without regard to
// letter case, as the game itself reads them: see KeyIndex.
std::string_view LineKey(std::string_view line);

// The text between the first and the second "="; empty when the line has no "=".
std::string_view LineValue(std::string_view line);

}  // namespace quorvane::gameconfig
