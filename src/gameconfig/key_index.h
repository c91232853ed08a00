// Which catalogue settings a key of a game INI file names, looked up once per line instead of
// comparing the line with every setting.
#pragma once

#include <bitset>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "catalogue/model.h"

namespace quorvane::gameconfig {

// Built from the catalogue when a read or write starts, and valid while the catalogue's keys
// and kinds stay as they are (it refers to the catalogue's key texts).
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
    // One key and its settings: refs_[first] to refs_[first + count - 1].
    struct Slot {
        std::string_view key;  // empty: a free slot
        std::uint32_t hash = 0;
        std::uint32_t first = 0;
        std::uint32_t count = 0;
    };

    static std::uint32_t FoldedHash(std::string_view key);
    // The slot holding `key`, or the free slot where it would go.
    std::size_t Probe(std::string_view key, std::uint32_t hash) const;

    // Most lines name no catalogue key: a key whose length and folded first and last letters
    // no catalogue key shares is turned away before it is hashed in full.
    static constexpr std::size_t kShapes = 4096;
    static std::size_t Shape(std::string_view key);

    std::bitset<kShapes> shapes_;
    std::vector<Slot> slots_;  // open addressing; the size is a power of two
    std::vector<catalogue::SettingRef> refs_;
};

}  // namespace quorvane::gameconfig
