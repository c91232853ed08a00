#include "installation.h"

namespace quorvane::testing {

std::string GameExecutable(const TestFolder& folder) { return (folder / "Game/FalloutNV.exe").string(); }

std::string PrefsText(const TestFolder& folder, const LaunchPrefs& prefs) {
    const std::string ini = (folder / "ini/").string();
    return "Width = 800\r\nHeight = 600\r\nUseFontName = 0\r\nUseFontSize = 0\r\n"
           "Config1 = " + ini + "Fallout.ini\r\nConfig2 = " + ini + "FalloutPrefs.ini\r\n"
           "Config3 = " + ini + "Fallout_default.ini\r\nGamePath = " + prefs.gamePath + "\r\n"
           "BP_Save = " + std::to_string(prefs.bpSave) + "\r\nBP_Exit = " + std::to_string(prefs.bpExit) +
           "\r\nTip1Given = 0\r\nID = 1\r\n";
}

void WriteInstallation(const TestFolder& folder, const LaunchPrefs& prefs) {
    WriteBytes(folder / "Data/Categories.ini", "Display\r\n");
    WriteBytes(folder / "Data/Display.txt",
               "NAME|Plain\r\nCONFIG|iPlain\r\nFORMAT|VALUE:1\r\nRANGE|0-10\r\nDEFAULT|5\r\n");
    WriteBytes(folder / "ini/Fallout.ini", "[Display]\r\niPlain=3\r\n");
    WriteBytes(folder / "ini/FalloutPrefs.ini", "[Display]\r\n");
    WriteBytes(folder / "ini/Fallout_default.ini", "[Display]\r\n");
    WriteBytes(folder / "Game/FalloutNV.exe", "MZ");
    WriteBytes(folder / "QRZprefs.ini", PrefsText(folder, prefs));
}

}  // namespace quorvane::testing
