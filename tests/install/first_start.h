// What the program's first start finds from an installed SetupInfo.ini: the first candidate
// of each slot as its discovery builds it from the hints (Windows spelling joined to the hint
// text), looked up on disk the way the program looks it up.
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
