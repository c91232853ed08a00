#include "first_start.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/prefs_file.h"

namespace fs = std::filesystem;

namespace quorvane::testing {

namespace {

std::string Normalise(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}
std::string Sep(std::string path) {
    return path.ends_with('\\') ? path : path + '\\';
}
std::string Folder(const std::string& path, const std::string& name) {
    return path.ends_with(name + '\\') ? path : path + name + '\\';
}

}  // namespace

FirstStartFinds FindFromHints(const fs::path& workingFolder) {
    platform::PrefsFile file;
    if (!file.Open(workingFolder / "SetupInfo.ini")) return {};
    file.SelectGroup("Setup");
    const std::string install = file.ReadString("FO3InstallPath", ":non:");
    const std::string install2 = file.ReadString("FO3InstallPath2", ":non:");
    const std::string iniLocation = file.ReadString("FO3INILocation", ":non:");
    const std::string steam = file.ReadString("SteamPath", ":non:");
    file.Close();

    auto opens = [&](const std::string& candidate) {
        return platform::CanOpenForReading(platform::NativePath(candidate, workingFolder));
    };
    auto bigger = [&](const std::string& candidate) {
        const platform::PathInfo info =
            platform::QueryPath(platform::NativePath(candidate, workingFolder));
        return info.kind == platform::PathInfo::Kind::File && info.size > 5000;
    };
    const std::string settings =
        Folder(Sep(Normalise(iniLocation)), "Documents") + "My Games\\FalloutNV\\";
    FirstStartFinds finds;
    finds.falloutIni = opens(settings + "Fallout.ini");
    finds.falloutPrefsIni = opens(settings + "FalloutPrefs.ini");
    finds.falloutDefaultIni = bigger(Sep(Normalise(steam)) +
                                     "steamapps\\common\\fallout new vegas\\fallout_default.ini") ||
                              opens(Sep(install) + "fallout_default.ini") ||
                              opens(Sep(install2) + "fallout_default.ini");
    finds.executable = opens(install + "FalloutNV.exe") || opens(install2 + "FalloutNV.exe");
    return finds;
}

}  // namespace quorvane::testing
