#include "install/setup_hints.h"

#include "platform/text.h"

namespace fs = std::filesystem;

namespace quorvane::install {

namespace {

// Sets `hint` from `folder`, or notes why it cannot be given.
void Plan(std::optional<std::string>& hint, const fs::path& folder, const char* what,
          std::vector<std::string>& problems) {
    hint = HintFolderText(folder);
    if (!hint) {
        problems.push_back(
            std::string("The ") + what + " " + folder.string() +
            " has a backslash or a line break in its path, which Quorvane cannot name;"
            " locate the files in Quorvane's setup window instead.");
    }
}

// The hint for the game's settings: the folder above "Documents", as the program appends that
// name itself; for an older prefix whose documents folder is "My Documents", that folder
// itself, which the program takes as it stands since its name ends in "Documents".
fs::path IniLocationFolder(const fs::path& pfx) {
    const fs::path user = PrefixUserFolder(pfx);
    const std::optional<fs::path> documents = PrefixDocuments(pfx);
    if (documents && platform::EqualsIgnoringCase(documents->filename().string(), "My Documents")) {
        return user / "My Documents";  // spelled as the program compares it; the disk's case is
                                       // found again
    }
    return user;
}

}  // namespace

std::optional<std::string> HintFolderText(const fs::path& folder) {
    std::string text = folder.string();
    if (text.empty() || !folder.is_absolute()) return std::nullopt;
    if (text.find_first_of("\\\r\n") != std::string::npos) return std::nullopt;
    if (!text.ends_with('/')) text += '/';
    return text;
}

SetupPlan PlanSetupHints(const SteamSurvey& survey) {
    SetupPlan plan;
    if (const GameFolder* game = MainGame(survey)) {
        Plan(plan.hints.installPath, game->folder, "game folder", plan.problems);
        Plan(plan.hints.steamPath, game->library.folder, "Steam library", plan.problems);
    }
    if (const GameFolder* second = SecondGame(survey)) {
        Plan(plan.hints.installPath2, second->folder, "game folder", plan.problems);
    }
    if (const ProtonPrefix* prefix = MostRecentPrefix(survey)) {
        Plan(plan.hints.iniLocation, IniLocationFolder(prefix->pfx), "Proton prefix folder",
             plan.problems);
    }
    return plan;
}

std::string SetupInfoText(const SetupHints& hints) {
    std::string text =
        "; Where Quorvane finds Fallout: New Vegas on its first start, written by "
        "scripts/install.\r\n"
        "[Setup]\r\n";
    auto line = [&text](const char* key, const std::optional<std::string>& value) {
        if (value) text += std::string(key) + "=" + *value + "\r\n";
    };
    line("FO3InstallPath", hints.installPath);
    line("FO3InstallPath2", hints.installPath2);
    line("FO3INILocation", hints.iniLocation);
    line("SteamPath", hints.steamPath);
    return text;
}

}  // namespace quorvane::install
