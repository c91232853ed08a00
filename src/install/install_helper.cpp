#include "install/install_helper.h"

#include "install/desktop_entry.h"
#include "platform/files.h"

namespace fs = std::filesystem;

namespace quorvane::install {

namespace {

bool HasGameSettings(const ProtonPrefix& prefix) {
    const std::optional<fs::path> documents = PrefixDocuments(prefix.pfx);
    return documents && platform::CanOpenForReading(platform::ResolveLetterCase(
                            GameSettingsFolder(*documents) / "Fallout.ini"));
}

int WriteSetupInfo(const fs::path& installFolder, platform::Environment& environment,
                   std::ostream& out, std::ostream& err) {
    const SteamSurvey survey = SurveySteam(SteamRootCandidates(environment));
    const SetupPlan plan = PlanSetupHints(survey);
    for (const std::string& line : SurveyReport(survey, plan)) out << line << '\n';

    const fs::path file = installFolder / kSetupInfoFileName;
    if (!plan.hints.Any()) {
        // Hints found by an earlier run (say, on a library disk that is not mounted now) stay.
        if (platform::QueryPath(file).Present()) out << "Left " << file.string() << " as it was.\n";
        return 0;
    }
    if (!platform::ReplaceFileContent(file, SetupInfoText(plan.hints),
                                      platform::Attributes::MakeWritable)) {
        err << "Could not write " << file.string() << ".\n";
        return 1;
    }
    out << "Wrote the hints for Quorvane's first start to " << file.string() << ".\n";
    return 0;
}

int WriteDesktopEntry(const fs::path& installFolder, const fs::path& program, const fs::path& icon,
                      const fs::path& entryFile, std::ostream& err) {
    const std::optional<std::string> text = DesktopEntryText(installFolder, program, icon);
    if (!text) {
        err << "Cannot write a menu entry for " << installFolder.string()
            << ": its path is not plain UTF-8 text. Start " << program.string()
            << " from that folder instead.\n";
        return 1;
    }
    std::error_code ec;
    fs::create_directories(entryFile.parent_path(), ec);
    if (ec || !platform::ReplaceFileContent(entryFile, *text, platform::Attributes::MakeWritable)) {
        err << "Could not write " << entryFile.string() << ".\n";
        return 1;
    }
    return 0;
}

}  // namespace

std::vector<std::string> SurveyReport(const SteamSurvey& survey, const SetupPlan& plan) {
    std::vector<std::string> lines;
    if (survey.roots.empty()) {
        lines.push_back(
            "No Steam installation was found (looked in ~/.steam, ~/.local/share/Steam, "
            "the Flatpak Steam and $STEAM_DIR).");
    } else {
        std::string roots;
        for (const fs::path& root : survey.roots)
            roots += (roots.empty() ? "" : ", ") + root.string();
        lines.push_back("Steam: " + roots + " (" + std::to_string(survey.libraries.size()) + " " +
                        (survey.libraries.size() == 1 ? "library" : "libraries") + " searched).");
    }
    const GameFolder* game = MainGame(survey);
    lines.push_back(game ? "Game: " + game->folder.string()
                         : "Fallout: New Vegas was not found in any Steam library.");
    if (const GameFolder* second = SecondGame(survey))
        lines.push_back("Also installed in: " + second->folder.string());

    const ProtonPrefix* prefix = MostRecentPrefix(survey);
    if (!prefix) {
        lines.push_back("No Proton prefix for the game was found.");
    } else {
        std::string line = "Proton prefix: " + prefix->pfx.string();
        if (survey.prefixes.size() > 1)
            line += " (the most recently used of " + std::to_string(survey.prefixes.size()) + ")";
        lines.push_back(line);
        if (const auto documents = PrefixDocuments(prefix->pfx);
            documents && HasGameSettings(*prefix)) {
            lines.push_back("Game settings: " + GameSettingsFolder(*documents).string());
        } else {
            lines.push_back("The game's settings files are not in that prefix yet.");
        }
    }
    for (const std::string& problem : survey.problems) lines.push_back(problem);
    for (const std::string& problem : plan.problems) lines.push_back(problem);

    if (!game || !prefix || !HasGameSettings(*prefix)) {
        lines.push_back(
            "Start Fallout: New Vegas once through Steam, so that Proton makes its prefix and the "
            "game its settings files, then run scripts/install again; or start Quorvane and "
            "locate the three files in its setup window.");
    }
    return lines;
}

int RunInstallHelper(const std::vector<std::string>& args, platform::Environment& environment,
                     std::ostream& out, std::ostream& err) {
    if (args.size() == 2 && args[0] == "setup-info")
        return WriteSetupInfo(args[1], environment, out, err);
    if (args.size() == 5 && args[0] == "desktop-entry") {
        return WriteDesktopEntry(args[1], args[2], args[3], args[4], err);
    }
    err << "usage: quorvane-install-helper setup-info <install folder>\n"
           "       quorvane-install-helper desktop-entry <install folder> <program> <icon> <entry "
           "file>\n";
    return 2;
}

}  // namespace quorvane::install
