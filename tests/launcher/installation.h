// A small game installation for the launcher's journeys: a one-category catalogue, the three
// game files under ini/, a stand-in executable under Game/ and QRZprefs.ini.
#pragma once

#include <string>

#include "platform/toolkit.h"
#include "support/test_folder.h"

namespace quorvane::testing {

struct LaunchPrefs {
    std::string gamePath;
    int bpSave = 0;
    int bpExit = 0;
};

// Fallout.ini holds iPlain=3 in [Display]; the list's first row is that setting.
void WriteInstallation(const TestFolder& folder, const LaunchPrefs& prefs);
std::string GameExecutable(const TestFolder& folder);  // the stand-in's full path
std::string PrefsText(const TestFolder& folder, const LaunchPrefs& prefs);

inline platform::Event Control(int control, platform::EventType type = platform::EventType::LeftClick) {
    return {platform::EventKind::Control, 0, control, type};
}

}  // namespace quorvane::testing
