// What the program's first start finds from an installed SetupInfo.ini, found by the
// program's own discovery.
#pragma once

#include <filesystem>
#include <string>

namespace quorvane::testing {

struct FirstStartFinds {
    bool falloutIni = false;
    bool falloutPrefsIni = false;
    bool falloutDefaultIni = false;
    bool executable = false;

    bool All() const { return falloutIni && falloutPrefsIni && falloutDefaultIni && executable; }
};

FirstStartFinds FindFromHints(const std::filesystem::path& workingFolder);

}  // namespace quorvane::testing
