// A write killed at any moment leaves the destination with its complete old or complete new
// content, never a part of either.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>

#include "game_setup.h"
#include "gameconfig/write_config.h"

namespace quorvane::gameconfig {
namespace {

using testing::GameSetUp;
using testing::ReadBytes;

TEST(WriteGameConfig, AKilledWriteLeavesTheOldOrTheNewFileWhole) {
    GameSetUp game({{"NAME|Gamma", "CONFIG|fGamma", "FORMAT|FLOAT", "DEFAULT|1"}});
    // About 600 KB, 25 times a real Fallout.ini: a write takes long enough to be caught in every
    // phase, even in a fast build.
    std::string source;
    for (int i = 0; source.size() < 600'000; ++i) {
        source += "[Section" + std::to_string(i) +
                  "]\r\nfGamma=1.0000\r\nsSomething=some text that fills a line\r\n";
    }
    game.PutFile(1, source);
    const std::string destination = "out\\Fallout.ini";
    const std::filesystem::path destinationFile = game.folder / "out/Fallout.ini";
    std::filesystem::create_directories(game.folder / "out");

    auto& gamma = game.Setting("fGamma");
    gamma.current = 2;
    WriteGameConfig(game.Files(), 1, destination);
    const std::string two = ReadBytes(destinationFile);
    gamma.current = 3;
    const auto started = std::chrono::steady_clock::now();
    WriteGameConfig(game.Files(), 1, destination);
    const auto oneWrite = std::chrono::steady_clock::now() - started;
    const std::string three = ReadBytes(destinationFile);
    ASSERT_NE(two, three);
    ASSERT_EQ(two.size(), three.size());  // same size: a torn file cannot hide behind its length

    // Kills spread over about two writes, however fast or slow the machine is today.
    std::mt19937 random(20261211);
    const auto span = std::chrono::duration_cast<std::chrono::microseconds>(oneWrite).count();
    std::uniform_int_distribution<long long> delayUs(0, 2 * span + 1000);
    int olds = 0, news = 0;
    for (int round = 0; round < 300; ++round) {
        const std::string before = ReadBytes(destinationFile);
        std::fflush(nullptr);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int n = 0;; ++n) {
                gamma.current = n % 2 == 0 ? 2.0f : 3.0f;
                WriteGameConfig(game.Files(), 1, destination);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        const std::string after = ReadBytes(destinationFile);
        ASSERT_TRUE(after == two || after == three)
            << "round " << round << ": " << after.size() << " bytes";
        (after == before ? olds : news) += 1;
    }
    // Both outcomes occurred, so kills did land in the middle of writes.
    EXPECT_GT(olds, 0) << news << " kills after a completed write";
    EXPECT_GT(news, 0) << olds << " kills before any write completed";
}

}  // namespace
}  // namespace quorvane::gameconfig
