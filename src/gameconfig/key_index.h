// Which catalogue settings a key of a game INI file names, looked up once per line instead of
// comparing the line with every setting.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/model.h"

namespace quorvane::gameconfig {

class KeyIndex {
public:
    enum class Purpose {
        Reading,  // every setting with an INI key takes the value, whatever its kind
        Writing,  // only settings with a kind (above 0) rewrite their lines
    };

    KeyIndex(const catalogue::Catalogue& catalogue, Purpose purpose);

    // The settings whose INI key equals `key` without regard to letter case, in scan order
    // (categories from the first, settings from index 1). A setting without an INI key is in
    // no entry, so it never matches anything, not even a blank line.
    std::span<const catalogue::SettingRef> Find(std::string_view key) const;

private:
    struct FoldedHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const;
    };
    struct FoldedEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };

    std::unordered_map<std::string, std::vector<catalogue::SettingRef>, FoldedHash, FoldedEqual>
        settings_;
};

}  // namespace quorvane::gameconfig
