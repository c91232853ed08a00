// The message the setup window shows above the three boxes, chosen once when it opens from
// which files are missing and from whether the preferences have been read yet.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quorvane::discovery {

struct SetupMessage {
    int width = 0;  // of the message text, in pixels
    std::string text;
    bool operator==(const SetupMessage&) const = default;
};

// configMissing: 1 for each slot (1 Fallout.ini, 2 FalloutPrefs.ini, 3 Fallout_default.ini) not
// found; prefsLoaded: 0 on a first run after discovery, 1 at the check of the stored paths.
SetupMessage ChooseSetupMessage(const std::array<std::int32_t, 3>& configMissing, std::int32_t prefsLoaded);

}  // namespace quorvane::discovery
