// Writing a full-size Fallout.ini back without edits: the known keys are re-spelled the
// catalogue's way, without spaces around "=", and every line ends with CR LF; nothing else
// changes by a single byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_setup.h"
#include "gameconfig/read_config.h"
#include "gameconfig/write_config.h"

namespace quorvane::gameconfig {
namespace {

using testing::GameSetUp;
using testing::ReadBytes;

std::string Fixture() {
    return ReadBytes(std::filesystem::path(QUORVANE_FIXTURES) / "Fallout.ini");
}

std::vector<std::string> SplitLines(const std::string& text, std::string_view separator) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos;
         start = end + separator.size()) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string Join(const std::vector<std::string>& lines, std::string_view separator) {
    std::string text;
    for (const std::string& line : lines) text.append(line).append(separator);
    return text;
}

// Settings a shipped catalogue offers, each of a key the file holds once (or not at all).
GameSetUp FullGame() {
    return GameSetUp({
        {"NAME|Screen",        "CONFIG|iSize W",          "FORMAT|RESOLUTION",
         "NAME|Height",        "CONFIG|iSize H",          "FORMAT|GHOST",
         "NAME|Full screen",   "CONFIG|bFull Screen",     "FORMAT|ONOFF",
         "NAME|V-Sync",        "CONFIG|iPresentInterval", "FORMAT|VALUE",
         "NAME|MSAA",          "CONFIG|iMultiSample",     "FORMAT|VALUE2",
         "NAME|Anisotropy",    "CONFIG|iMaxAnisotropy",   "FORMAT|VALUE",
         "NAME|Gamma",         "CONFIG|fGamma",           "FORMAT|FLOAT",
         "NAME|Field of view", "CONFIG|fDefaultWorldFOV", "FORMAT|VALUE",
         "DEFAULT|75",         "NAME|Arms FOV",           "CONFIG|fDefault1stPersonFOV",
         "FORMAT|FLOAT",       "NAME|Pip-Boy FOV",        "CONFIG|fPipboy1stPersonFOV",
         "FORMAT|FLOAT"},
        {"NAME|Shadows", "CONFIG|bDrawShadows", "FORMAT|ONOFF", "NAME|Shadow map",
         "CONFIG|iShadowMapResolution", "FORMAT|VALUE2", "NAME|Shadow filter",
         "CONFIG|iShadowFilter", "FORMAT|VALUE", "NAME|HDR", "CONFIG|bDoHighDynamicRange",
         "FORMAT|ONOFF", "NAME|Bloom", "CONFIG|bUseBlurShader", "FORMAT|ONOFF", "NAME|Grass fade",
         "CONFIG|fGrassStartFadeDistance", "FORMAT|FLOAT", "DIVIDE|100"},
        {"NAME|Grids", "CONFIG|uGridsToLoad", "FORMAT|VALUE", "NAME|Cell buffer",
         "CONFIG|uExterior Cell Buffer", "FORMAT|VALUE", "NAME|Object fade",
         "CONFIG|fLODFadeOutMultObjects", "FORMAT|FLOAT", "NAME|Distant split",
         "CONFIG|fSplitDistanceMult", "FORMAT|FLOAT"},
        {"NAME|Gore",         "CONFIG|bDisableAllGore", "FORMAT|ONOFF",
         "DEFAULT|0",         "NAME|Threads",           "CONFIG|iNumHWThreads",
         "FORMAT|VALUE",      "NAME|Difficulty",        "CONFIG|iDifficulty",
         "FORMAT|VALUE",      "NAME|Subtitles",         "CONFIG|bGeneralSubtitles",
         "FORMAT|ONOFF",      "NAME|HUD colour",        "CONFIG|uHUDColor",
         "FORMAT|VALUE",      "NAME|Pip-Boy colour",    "CONFIG|uPipboyColor",
         "FORMAT|VALUE",      "NAME|Menu opacity",      "CONFIG|fMenuBackgroundOpacity",
         "FORMAT|FLOAT",      "NAME|Console",           "CONFIG|bAllowConsole",
         "FORMAT|GHOST_ONOFF"},
        {"NAME|Mouse acceleration", "CONFIG|fForegroundMouseMult", "FORMAT|ONOFF", "DEFAULT|1",
         "NAME|Sensitivity", "CONFIG|fMouseSensitivity", "FORMAT|FLOAT", "NAME|Background mouse",
         "CONFIG|bBackground Mouse", "FORMAT|ONOFF", "NAME|Master volume",
         "CONFIG|fDefaultMasterVolume", "FORMAT|FLOAT", "NAME|Audio cache",
         "CONFIG|iAudioCacheSize", "FORMAT|VALUE2", "NAME|Audio debug",
         "CONFIG|bUseAudioDebugInformation", "FORMAT|ONOFF"},
    });
}

TEST(RoundTrip, AFullFileWrittenWithoutEditsKeepsEveryOtherByte) {
    const std::string fixture = Fixture();
    ASSERT_GT(fixture.size(), 15000u);
    // What writing must change, and nothing else.
    const std::vector<std::pair<std::string, std::string>> changes = {
        {"fGamma = 1.1000", "fGamma=1.1000"},
        {"ipresentinterval=0", "iPresentInterval=0"},
        {"fPipboy1stPersonFOV=47.0", "fPipboy1stPersonFOV=47.00"},  // at least 2 decimals
    };
    std::vector<std::string> expected = SplitLines(fixture, "\r\n");
    for (const auto& [before, after] : changes) {
        auto it = std::find(expected.begin(), expected.end(), before);
        ASSERT_NE(it, expected.end()) << before;
        *it = after;
    }

    for (std::string_view ending : {"\r\n", "\n"}) {
        GameSetUp game = FullGame();
        game.PutFile(1, Join(SplitLines(fixture, "\r\n"), ending));
        ReadGameConfig(game.Files(), 1);
        WriteGameConfig(game.Files(), 1);
        EXPECT_TRUE(game.dialogs.shownMessages.empty());
        const std::vector<std::string> written = SplitLines(game.FileBytes(1), "\r\n");
        ASSERT_EQ(written.size(), expected.size());
        for (std::size_t i = 0; i < written.size(); ++i)
            EXPECT_EQ(written[i], expected[i]) << "line " << i + 1;
        EXPECT_EQ(game.FileBytes(1), Join(expected, "\r\n"));

        // And a second pass changes nothing at all.
        ReadGameConfig(game.Files(), 1);
        WriteGameConfig(game.Files(), 1);
        EXPECT_EQ(game.FileBytes(1), Join(expected, "\r\n"));
    }
}

}  // namespace
}  // namespace quorvane::gameconfig
