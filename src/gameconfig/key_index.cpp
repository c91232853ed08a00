#include "gameconfig/key_index.h"

#include "platform/text.h"

namespace quorvane::gameconfig {

using catalogue::Catalogue;
using catalogue::Setting;
using catalogue::SettingKind;
using catalogue::SettingRef;

std::size_t KeyIndex::FoldedHash::operator()(std::string_view key) const {
    std::size_t hash = 14695981039346656037ull;  // FNV-1a over the folded bytes
    for (char c : key) {
        hash ^= static_cast<unsigned char>(platform::AsciiLower(c));
        hash *= 1099511628211ull;
    }
    return hash;
}

bool KeyIndex::FoldedEqual::operator()(std::string_view a, std::string_view b) const {
    return platform::EqualsIgnoringCase(a, b);
}

KeyIndex::KeyIndex(const Catalogue& catalogue, Purpose purpose) {
    // ForEachSetting is not const; the scan order is the same.
    for (int c = 0; c < catalogue.categoryCount; ++c) {
        for (int j = 1; j <= catalogue.categories[c].settingCount; ++j) {
            const Setting& setting = catalogue.At(c, j);
            if (!setting.HasIniKey()) continue;
            if (purpose == Purpose::Writing && static_cast<int>(setting.kind) <= 0) continue;
            settings_[setting.iniKey].push_back(SettingRef{c, j});
        }
    }
}

std::span<const SettingRef> KeyIndex::Find(std::string_view key) const {
    auto it = settings_.find(key);
    if (it == settings_.end()) return {};
    return it->second;
}

}  // namespace quorvane::gameconfig
