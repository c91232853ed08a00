#include "fake_steam.h"

#include "support/test_folder.h"

namespace fs = std::filesystem;

namespace quorvane::testing {

namespace {

// Steam writes strings with backslashes and quotes escaped.
std::string VdfString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

}  // namespace

FakeSteam::FakeSteam(const fs::path& folder) : home(folder / "home") {
    fs::create_directories(home);
    environment.variables["HOME"] = home.string();
}

void FakeSteam::AddRoot(const fs::path& root, bool linkFromDotSteam) const {
    fs::create_directories(root);
    if (linkFromDotSteam) {
        fs::create_directories(home / ".steam");
        fs::create_directory_symlink(root, home / ".steam/steam");
    }
}

void FakeSteam::ListLibraries(const fs::path& root, const std::vector<std::string>& others) const {
    std::string text = "\"libraryfolders\"\n{\n";
    std::vector<std::string> all{root.string()};
    all.insert(all.end(), others.begin(), others.end());
    for (std::size_t i = 0; i < all.size(); ++i) {
        text += "\t\"" + std::to_string(i) + "\"\n\t{\n\t\t\"path\"\t\t" + VdfString(all[i]) +
                "\n\t\t\"label\"\t\t\"\"\n\t\t\"apps\"\n\t\t{\n\t\t}\n\t}\n";
    }
    WriteBytes(root / "steamapps/libraryfolders.vdf", text + "}\n");
}

fs::path FakeSteam::AddGame(const fs::path& library, const std::string& steamapps,
                            bool withExecutable) const {
    const fs::path game = library / steamapps / "common/Fallout New Vegas";
    fs::create_directories(game);
    if (withExecutable) WriteBytes(game / "FalloutNV.exe", "MZ");
    WriteBytes(game / "Fallout_default.ini",
               "[General]\r\n" + std::string(kDefaultIniBytes, ';') + "\r\n");
    return game;
}

fs::path FakeSteam::AddPrefix(const fs::path& library, const std::string& documents,
                              bool withSettings, std::chrono::hours age,
                              const std::string& steamapps) const {
    const fs::path pfx = library / steamapps / "compatdata/22380/pfx";
    const fs::path user = pfx / "drive_c/users/steamuser";
    fs::create_directories(user / documents);
    WriteBytes(pfx / "user.reg", "WINE REGISTRY Version 2\n");
    fs::last_write_time(pfx / "user.reg", fs::file_time_type::clock::now() - age);
    if (withSettings) {
        const fs::path settings = user / documents / "My Games/FalloutNV";
        WriteBytes(settings / "Fallout.ini", "[General]\r\n");
        WriteBytes(settings / "FalloutPrefs.ini", "[Display]\r\n");
        fs::last_write_time(settings / "Fallout.ini", fs::file_time_type::clock::now() - age);
        fs::last_write_time(settings / "FalloutPrefs.ini", fs::file_time_type::clock::now() - age);
    }
    return pfx;
}

}  // namespace quorvane::testing
