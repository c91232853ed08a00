#include "gameconfig/key_index.h"

#include <bit>

#include "platform/text.h"

namespace quorvane::gameconfig {

using catalogue::Catalogue;
using catalogue::Setting;
using catalogue::SettingRef;

std::uint32_t KeyIndex::FoldedHash(std::string_view key) {
    std::uint32_t hash = 2166136261u;  // FNV-1a over the folded bytes
    for (char c : key) {
        hash ^= static_cast<unsigned char>(platform::AsciiLower(c));
        hash *= 16777619u;
    }
    return hash;
}

std::size_t KeyIndex::Shape(std::string_view key) {
    if (key.empty()) return 0;
    const auto first = static_cast<unsigned char>(platform::AsciiLower(key.front()));
    const auto last = static_cast<unsigned char>(platform::AsciiLower(key.back()));
    return (key.size() * 961 + first * 31 + last) % kShapes;
}

std::size_t KeyIndex::Probe(std::string_view key, std::uint32_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.key.empty()) return i;
        if (slot.hash == hash && platform::EqualsIgnoringCase(slot.key, key)) return i;
    }
}

KeyIndex::KeyIndex(const Catalogue& catalogue, Purpose purpose) {
    // The settings that take part, in scan order, each with the slot of its key.
    struct Member {
        SettingRef ref;
        std::size_t slot;
    };
    std::vector<Member> members;
    members.reserve(static_cast<std::size_t>(catalogue.categoryCount) *
                    catalogue::kMaxSettingsPerCategory);
    for (int c = 0; c < catalogue.categoryCount; ++c) {
        for (int j = 1; j <= catalogue.categories[c].settingCount; ++j) {
            const Setting& setting = catalogue.At(c, j);
            if (!setting.HasIniKey()) continue;
            if (purpose == Purpose::Writing && static_cast<int>(setting.kind) <= 0) continue;
            members.push_back({SettingRef{c, j}, 0});
        }
    }
    // At most half full, so that probes stay short.
    slots_.resize(std::bit_ceil(2 * members.size() + 1));
    for (Member& member : members) {
        const std::string_view key = catalogue.At(member.ref.category, member.ref.setting).iniKey;
        const std::uint32_t hash = FoldedHash(key);
        member.slot = Probe(key, hash);
        Slot& slot = slots_[member.slot];
        if (slot.key.empty()) slot = Slot{key, hash, 0, 0};
        ++slot.count;
        shapes_.set(Shape(key));
    }
    // Each key's settings side by side, still in scan order.
    std::uint32_t next = 0;
    for (Slot& slot : slots_) {
        slot.first = next;
        next += slot.count;
        slot.count = 0;
    }
    refs_.resize(members.size());
    for (const Member& member : members) {
        Slot& slot = slots_[member.slot];
        refs_[slot.first + slot.count++] = member.ref;
    }
}

std::span<const SettingRef> KeyIndex::Find(std::string_view key) const {
    if (key.empty() || !shapes_.test(Shape(key))) return {};
    const Slot& slot = slots_[Probe(key, FoldedHash(key))];
    if (slot.key.empty()) return {};
    return std::span<const SettingRef>(refs_).subspan(slot.first, slot.count);
}

}  // namespace quorvane::gameconfig
