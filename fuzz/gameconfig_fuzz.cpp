// Reads and writes a game INI file made of arbitrary bytes. Besides crashes and sanitizer
// reports it checks what writing promises: every line whose key the catalogue does not know
// comes out byte for byte, in order; known lines start with the catalogue's key and "=";
// only the menu-cursor lines go, and only the special lines come in, right after a header.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "catalogue/catalogue_files.h"
#include "gameconfig/read_config.h"
#include "gameconfig/write_config.h"
#include "platform/text.h"

namespace fs = std::filesystem;
using namespace quorvane;

namespace {

const char* const kCatalogue[] = {
    "NAME|Field of view", "CONFIG|fDefaultWorldFOV",
    "FORMAT|FLOAT",       "DEFAULT|75",
    "NAME|Gore",          "CONFIG|bDisableAllGore",
    "FORMAT|ONOFF",       "DEFAULT|0",
    "NAME|Mouse",         "CONFIG|fForegroundMouseMult",
    "FORMAT|ONOFF",       "DEFAULT|1",
    "NAME|Full screen",   "CONFIG|bFull Screen",
    "FORMAT|ONOFF",       "NAME|Gamma",
    "CONFIG|fGamma",      "FORMAT|FLOAT",
    "NAME|Gamma again",   "CONFIG|FGAMMA",
    "FORMAT|VALUE",       "NAME|Screen",
    "CONFIG|iSize W",     "FORMAT|RESOLUTION",
    "NAME|Height",        "CONFIG|iSize H",
    "FORMAT|GHOST",       "NAME|Colour",
    "CONFIG|uHUDColor",   "FORMAT|VALUE2",
    "NAME|Shown",         "CONFIG|bShown",
    "FORMAT|GHOST_ONOFF", "NAME|Kindless",
    "CONFIG|iKindless",   "NAME|No key",
    "FORMAT|VALUE",
};

catalogue::Catalogue MakeCatalogue() {
    catalogue::Catalogue catalogue;
    catalogue.categoryCount = 1;
    catalogue.SizeSettingTables();
    int current = 0;
    for (const char* line : kCatalogue) catalogue::ApplyCategoryLine(catalogue, 0, current, line);
    catalogue.categories[0].settingCount = current;
    return catalogue;
}

// Lines as the program reads them: ending at CR, LF or CR LF; at least one.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.push_back(line);
            line.clear();
            open = false;
        } else {
            line += text[i];
            open = true;
        }
    }
    if (open || lines.empty()) lines.push_back(line);
    return lines;
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

bool ContainsFolded(std::string_view text, std::string_view lowerPart) {
    std::string folded(text);
    for (char& c : folded) c = platform::AsciiLower(c);
    return Contains(folded, lowerPart);
}

// The key of a line compared the plain way: every setting in turn, as the catalogue spells it.
const catalogue::Setting* LastWritableMatch(const catalogue::Catalogue& catalogue,
                                            const std::string& line, bool& anyMatch,
                                            std::string& matchedKeys) {
    std::string key = line.substr(0, line.find('='));
    key.erase(0, key.find_first_not_of(' ') == std::string::npos ? key.size()
                                                                 : key.find_first_not_of(' '));
    while (!key.empty() && key.back() == ' ') key.pop_back();
    const catalogue::Setting* last = nullptr;
    for (int j = 1; j <= catalogue.categories[0].settingCount; ++j) {
        const auto& setting = catalogue.At(0, j);
        if (setting.iniKey.empty() || static_cast<int>(setting.kind) <= 0) continue;
        if (!platform::EqualsIgnoringCase(setting.iniKey, key)) continue;
        anyMatch = true;
        matchedKeys += setting.iniKey + "\n";
        if (setting.kind != catalogue::SettingKind::GhostOnOff) last = &setting;
    }
    return last;
}

struct Fixture {
    Fixture() {
        // In memory where there is such a folder: each write is flushed to disk otherwise.
        std::string pattern = fs::is_directory("/dev/shm") ? "/dev/shm/gameconfig-fuzz-XXXXXX"
                                                           : "/tmp/gameconfig-fuzz-XXXXXX";
        folder = ::mkdtemp(pattern.data());
        fs::create_directories(folder / "tmp");
        environment.variables["TMPDIR"] = (folder / "tmp").string();
        config[1] = "Fallout.ini";
    }
    ~Fixture() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    fs::path folder;
    shell::GameConfigSet config;
    platform::ScriptedDialogs dialogs;
    platform::MapEnvironment environment;
};

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Fixture fixture;
    FuzzedDataProvider input(data, size);
    const float fov = input.PickValueInArray({75.0f, 90.0f, 90.25f});
    const float gore = input.PickValueInArray({0.0f, 1.0f, 0.5f});
    const float mouse = input.PickValueInArray({0.0f, 1.0f, -1.0f, 2.0f});
    const float other =
        input.PickValueInArray({0.0f, 1.0f, 2.5f, -0.0f, 4290134783.0f, 1e30f, 1e-30f});
    const std::string text = input.ConsumeRemainingBytesAsString();
    { std::ofstream(fixture.folder / "Fallout.ini", std::ios::binary | std::ios::trunc) << text; }

    catalogue::Catalogue catalogue = MakeCatalogue();
    gameconfig::GameFiles files{catalogue, fixture.config, fixture.folder, fixture.dialogs,
                                fixture.environment};
    gameconfig::ReadGameConfig(files, 1);
    for (int j = 1; j <= catalogue.categories[0].settingCount; ++j)
        catalogue.At(0, j).current = other;
    catalogue.Find(catalogue.fovSetting)->current = fov;
    catalogue.Find(catalogue.goreSetting)->current = gore;
    catalogue.Find(catalogue.mouseSetting)->current = mouse;

    gameconfig::WriteGameConfig(files, 1);
    const std::string written = ReadAll(fixture.folder / "Fallout.ini");
    if (!fixture.dialogs.shownMessages.empty()) std::abort();
    // Every line ends with CR LF, and no line holds a CR or LF of its own.
    std::vector<std::string> out;
    for (std::size_t start = 0; start < written.size();) {
        const std::size_t end = written.find("\r\n", start);
        if (end == std::string::npos) std::abort();
        out.push_back(written.substr(start, end - start));
        if (out.back().find_first_of("\r\n") != std::string::npos) std::abort();
        start = end + 2;
    }

    // What the file holds decides which special lines are still to come.
    const std::vector<std::string> in = Lines(text);
    bool fovPending = fov != 75, gorePending = gore != 0;
    for (const std::string& line : in) {
        bool any = false;
        std::string keys;
        LastWritableMatch(catalogue, line, any, keys);
        if (Contains(keys, "WorldFOV")) fovPending = false;
        if (Contains(keys, "AllGore")) gorePending = false;
    }
    bool mousePending = mouse == 0;
    const bool dropMouse = mouse == 0 || mouse == 1;

    std::size_t o = 0;
    auto expectInserted = [&](const std::string& line) {
        if (fovPending && ContainsFolded(line, "[display]")) {
            if (o >= out.size() || out[o++].rfind("fDefaultWorldFOV=", 0) != 0) std::abort();
            fovPending = false;
        }
        if (gorePending && ContainsFolded(line, "[general]")) {
            if (o >= out.size() || out[o++].rfind("bDisableAllGore=", 0) != 0) std::abort();
            gorePending = false;
        }
        if (mousePending && ContainsFolded(line, "[controls]")) {
            for (const char* zero : {"fForegroundMouseAccelBase=0", "fForegroundMouseAccelTop=0",
                                     "fForegroundMouseBase=0", "fForegroundMouseMult=0"}) {
                if (o >= out.size() || out[o++] != zero) std::abort();
            }
            mousePending = false;
        }
    };
    for (const std::string& line : in) {
        bool any = false;
        std::string keys;
        const catalogue::Setting* setting = LastWritableMatch(catalogue, line, any, keys);
        const std::string prefix = setting ? setting->iniKey + "=" : std::string();
        const bool dropped = dropMouse && Contains(setting ? prefix : line, "fForegroundMouse");
        if (dropped) continue;
        if (o >= out.size()) std::abort();
        const std::string& result = out[o++];
        if (setting ? result.rfind(prefix, 0) != 0 : result != line) std::abort();
        expectInserted(result);
    }
    if (o != out.size()) std::abort();
    fixture.dialogs.shownMessages.clear();
    return 0;
}
