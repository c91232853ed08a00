// Path text as the discovery builds it from the installer's hints: Windows spelling, exact
// string operations, nothing looked up on disk.
#pragma once

#include <string>
#include <string_view>

namespace quorvane::discovery {

// Every "/" becomes a backslash.
std::string Normalise(std::string_view path);

// The path with a backslash at its end (one is added only when missing).
std::string Sep(std::string_view path);

// The path ending in name + backslash: appended unless the path already ends with exactly that
// (letter case counts). Expects a path that ends with a backslash, as Sep gives.
std::string Folder(std::string_view path, std::string_view name);

// Every occurrence of `from` replaced by `to`, with `from` matched without regard to case.
std::string ReplaceIgnoringCase(std::string_view text, std::string_view from, std::string_view to);

}  // namespace quorvane::discovery
