// Reading Steam's KeyValues text files (libraryfolders.vdf): quoted or bare keys, each followed
// by a string or by a block in braces. Only what the installer needs; anything it cannot read
// with certainty is refused as a whole rather than half-read.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::install {

struct VdfNode {
    std::string key;
    std::string value;              // for a string entry
    std::vector<VdfNode> children;  // for a block entry
    bool isBlock = false;

    // The first child whose key equals `name` without regard to letter case.
    const VdfNode* Child(std::string_view name) const;
};

// The entries of the text as the children of one block; none when the text is malformed
// (an unterminated string or block, a stray brace, a key without a value, nesting too deep).
std::optional<VdfNode> ParseVdf(std::string_view text);

// The library folders listed in a parsed libraryfolders.vdf, in file order: the current form
// ("libraryfolders" { "0" { "path" "..." } }) and the older one ("LibraryFolders" { "1" "..." }).
std::vector<std::string> LibraryFolderPaths(const VdfNode& file);

}  // namespace quorvane::install
