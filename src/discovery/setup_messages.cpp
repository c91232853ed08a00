#include "discovery/setup_messages.h"

namespace quorvane::discovery {

namespace {

// The stored paths were checked: the user has been here before.
SetupMessage RecheckMessage(bool m1, bool m2, bool m3) {
    const int missing = int{m1} + int{m2} + int{m3};
    if (m3 && missing == 1) {
        return {450, "Your fallout_default.ini is missing. You might want to find it before you continue."};
    }
    if (missing >= 2) {
        return {450, "Some of your configuration files are missing. You need to find them before you continue."};
    }
    return {450, "One of your configuration files is missing. You need to find it before you can continue."};
}

// The first run, right after discovery.
SetupMessage FirstRunMessage(bool m1, bool m2, bool m3) {
    if (m1 && m2 && m3) {
        return {450,
                "Let's start with the configuration files. We couldn't find any of them, so you have to set "
                "them up manually."};
    }
    if (m1 && (m2 || m3)) {
        return {500,
                "First things first - the configuration files. We already found one of them. You have to find "
                "the other two files manually."};
    }
    if (m1) {
        return {510,
                "First things first - the configuration files. We already found two of them. You have to find "
                "Fallout.ini manually."};
    }
    if (m2 && !m3) {
        return {500,
                "First things first - the configuration files. We couldn't find FalloutPrefs.ini, so you'll "
                "have to find it manually."};
    }
    if (m3 && !m2) {
        return {500,
                "First things first - the configuration files. We couldn't find Fallout_default.ini, so you "
                "should find it manually."};
    }
    return {500,
            "First things first - the configuration files. We couldn't find some of them, so you have to set "
            "them up manually."};
}

}  // namespace

SetupMessage ChooseSetupMessage(const std::array<std::int32_t, 3>& configMissing, std::int32_t prefsLoaded) {
    const bool m1 = configMissing[0] == 1;
    const bool m2 = configMissing[1] == 1;
    const bool m3 = configMissing[2] == 1;
    return prefsLoaded == 1 ? RecheckMessage(m1, m2, m3) : FirstRunMessage(m1, m2, m3);
}

}  // namespace quorvane::discovery
