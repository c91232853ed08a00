#include "game_setup.h"

#include <stdexcept>

#include "catalogue/catalogue_files.h"

namespace quorvane::testing {

catalogue::Catalogue MakeCatalogue(CategoryLines categories) {
    catalogue::Catalogue catalogue;
    catalogue.categoryCount = static_cast<int>(categories.size());
    catalogue.SizeSettingTables();
    int category = 0;
    for (const auto& lines : categories) {
        int current = 0;
        for (std::string_view line : lines)
            catalogue::ApplyCategoryLine(catalogue, category, current, line);
        catalogue.categories[category].settingCount = current;
        ++category;
    }
    return catalogue;
}

GameSetUp::GameSetUp(CategoryLines categories) : catalogue(MakeCatalogue(categories)) {
    std::filesystem::create_directories(folder / "tmp");
    environment.variables["TMPDIR"] = (folder / "tmp").string();
}

void GameSetUp::PutFile(int slot, std::string_view bytes) {
    const std::string name = "game/slot" + std::to_string(slot) + ".ini";
    WriteBytes(folder / name, bytes);
    config[slot] = name;
}

std::string GameSetUp::FileBytes(int slot) const {
    return ReadBytes(folder / config[slot]);
}

catalogue::Setting& GameSetUp::Setting(std::string_view iniKey) {
    for (int c = 0; c < catalogue.categoryCount; ++c) {
        for (int j = 1; j <= catalogue.categories[c].settingCount; ++j) {
            if (catalogue.At(c, j).iniKey == iniKey) return catalogue.At(c, j);
        }
    }
    throw std::logic_error("no setting " + std::string(iniKey));
}

gameconfig::GameFiles GameSetUp::Files() {
    return {catalogue, config, folder.path(), dialogs, environment};
}

}  // namespace quorvane::testing
