#include "catalogue/model.h"

namespace quorvane::catalogue {

void Catalogue::SizeSettingTables() {
    settings_.assign(static_cast<std::size_t>(categoryCount), {});
}

Setting* Catalogue::Find(SettingRef ref) {
    if (!ref.Present() || ref.category < 0 || ref.category >= categoryCount) return nullptr;
    if (ref.setting > categories[ref.category].settingCount) return nullptr;
    return &At(ref.category, ref.setting);
}

}  // namespace quorvane::catalogue
