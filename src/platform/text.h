// Small helpers for 8-bit text, shared by every reader of the program's text files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane::platform {

// Inline: key lookups fold every byte of every line.
inline char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
inline char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// Folds the letters a-z to upper case; other bytes stay as they are.
std::string ToUpperAscii(std::string_view text);
// Removes spaces and tabs at both ends.
std::string_view TrimBlanks(std::string_view text);
// The decimal whole number at the start of text (optional sign, then digits); 0 when text does
// not start with one; text after the number is ignored. Values beyond 32 bits give the nearest
// 32-bit value.
std::int32_t LeadingInt32(std::string_view text);

}  // namespace quorvane::platform
