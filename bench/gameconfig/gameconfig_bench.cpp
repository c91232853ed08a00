// Reading and writing the game's INI files against their floors, measured in the same run:
// reading a file line by line, and writing it back unchanged with the same flush and rename.
// Files of 20 KB (a full Fallout.ini) and 2 MB, one slot and all three, with a full catalogue
// of 5 categories of 99 settings; and the same reads with a catalogue of 10 settings, to show
// that the cost does not grow with the catalogue.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "catalogue/catalogue_files.h"
#include "gameconfig/read_config.h"
#include "gameconfig/write_config.h"
#include "platform/files.h"
#include "platform/work_files.h"

namespace fs = std::filesystem;
using namespace quorvane;

namespace {

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The full-size Fallout.ini of the tests, repeated to reach at least `bytes`.
std::string GameFile(std::size_t bytes) {
    const std::string one = ReadAll(fs::path(QUORVANE_FIXTURES) / "Fallout.ini") + "\r\n";
    std::string text;
    while (text.size() < bytes) text += one;
    return text;
}

// `categories` x `perCategory` settings: the first few name keys the file holds, the rest keys
// it lacks, as most of a real catalogue's keys are in the other two files.
catalogue::Catalogue MakeCatalogue(int categories, int perCategory) {
    static const char* const kKnown[] = {"fGamma",
                                         "iSize W",
                                         "bFull Screen",
                                         "iPresentInterval",
                                         "iMultiSample",
                                         "iMaxAnisotropy",
                                         "fDefault1stPersonFOV",
                                         "bDrawShadows",
                                         "iShadowMapResolution",
                                         "uGridsToLoad",
                                         "fLODFadeOutMultObjects",
                                         "fGrassStartFadeDistance",
                                         "uHUDColor",
                                         "fMouseSensitivity",
                                         "fDefaultMasterVolume",
                                         "iAudioCacheSize",
                                         "bUseBlurShader",
                                         "iDifficulty"};
    static const char* const kKinds[] = {"FLOAT", "VALUE", "ONOFF", "VALUE2", "GHOST_ONOFF"};
    catalogue::Catalogue catalogue;
    catalogue.categoryCount = categories;
    catalogue.SizeSettingTables();
    int n = 0;
    for (int c = 0; c < categories; ++c) {
        int current = 0;
        for (int j = 0; j < perCategory; ++j, ++n) {
            const std::string key = n < static_cast<int>(std::size(kKnown))
                                        ? kKnown[n]
                                        : "iBenchOnly" + std::to_string(n);
            for (const std::string& line :
                 {"NAME|Setting " + std::to_string(n), "CONFIG|" + key,
                  std::string("FORMAT|") + kKinds[n % std::size(kKinds)]}) {
                catalogue::ApplyCategoryLine(catalogue, c, current, line);
            }
        }
        catalogue.categories[c].settingCount = current;
    }
    return catalogue;
}

struct Bench {
    Bench(std::size_t bytes, int categories, int perCategory)
        : catalogue(MakeCatalogue(categories, perCategory)) {
        const fs::path base =
            fs::current_path() / ("gameconfig-bench-" + std::to_string(::getpid()));
        folder = base / std::to_string(bytes);
        fs::create_directories(folder / "tmp");
        environment.variables["TMPDIR"] = (folder / "tmp").string();
        const std::string text = GameFile(bytes);
        for (int slot : {1, 2, 3}) {
            config[slot] = "slot" + std::to_string(slot) + ".ini";
            std::ofstream(folder / config[slot], std::ios::binary) << text;
        }
    }
    ~Bench() {
        std::error_code ec;
        fs::remove_all(folder.parent_path(), ec);
    }
    gameconfig::GameFiles Files() { return {catalogue, config, folder, dialogs, environment}; }

    fs::path folder;
    catalogue::Catalogue catalogue;
    shell::GameConfigSet config;
    platform::ScriptedDialogs dialogs;
    platform::MapEnvironment environment;
};

constexpr std::size_t kSmall = 20 * 1024;
constexpr std::size_t kLarge = 2 * 1024 * 1024;

void ReadFloor(benchmark::State& state) {
    Bench bench(static_cast<std::size_t>(state.range(0)), 5, 99);
    const int slots = static_cast<int>(state.range(1));
    for (auto _ : state) {
        std::size_t total = 0;
        for (int slot = 1; slot <= slots; ++slot) {
            platform::LineReader reader;
            reader.Open(bench.folder / bench.config[slot]);
            for (std::string line; reader.Next(line);) total += line.size();
        }
        benchmark::DoNotOptimize(total);
    }
}

void Read(benchmark::State& state) {
    const int perCategory = static_cast<int>(state.range(2));
    Bench bench(static_cast<std::size_t>(state.range(0)), perCategory == 99 ? 5 : 1, perCategory);
    const bool allSlots = state.range(1) == 3;
    for (auto _ : state) {
        if (allSlots) {
            gameconfig::ReadGameConfigSet(bench.Files());
        } else {
            gameconfig::ReadGameConfig(bench.Files(), 1);
        }
    }
}

void WriteFloor(benchmark::State& state) {
    Bench bench(static_cast<std::size_t>(state.range(0)), 5, 99);
    const int slots = static_cast<int>(state.range(1));
    for (auto _ : state) {
        for (int slot = 1; slot <= slots; ++slot) {
            const fs::path path = bench.folder / bench.config[slot];
            platform::LineReader reader;
            reader.Open(path);
            std::string text;
            for (std::string line; reader.Next(line);) platform::AppendCrLfLine(text, line);
            reader.Close();
            platform::ReplaceFileContent(path, text);
        }
    }
}

void Write(benchmark::State& state) {
    Bench bench(static_cast<std::size_t>(state.range(0)), 5, 99);
    const int slots = static_cast<int>(state.range(1));
    for (auto _ : state) {
        for (int slot = 1; slot <= slots; ++slot) gameconfig::WriteGameConfig(bench.Files(), slot);
    }
    if (!bench.dialogs.shownMessages.empty()) state.SkipWithError("a write failed");
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (long long bytes : {kSmall, kLarge}) {
        for (long long slots : {1, 3}) b->Args({bytes, slots});
    }
}

void SizesAndCatalogues(benchmark::internal::Benchmark* b) {
    for (long long bytes : {kSmall, kLarge}) {
        for (long long slots : {1, 3}) {
            for (long long perCategory : {99, 10}) b->Args({bytes, slots, perCategory});
        }
    }
}

BENCHMARK(ReadFloor)->Apply(Sizes)->ArgNames({"bytes", "slots"})->Unit(benchmark::kMicrosecond);
BENCHMARK(Read)
    ->Apply(SizesAndCatalogues)
    ->ArgNames({"bytes", "slots", "settings"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(WriteFloor)->Apply(Sizes)->ArgNames({"bytes", "slots"})->Unit(benchmark::kMicrosecond);
BENCHMARK(Write)->Apply(Sizes)->ArgNames({"bytes", "slots"})->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
