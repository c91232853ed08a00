#include "launcher/game_start.h"

#include <gtest/gtest.h>

namespace quorvane::launcher {
namespace {

using platform::HostSystem;

TEST(GameStart, FolderPartKeepsItsLastSeparator) {
    EXPECT_EQ(FolderPart("C:\\Games\\FNV\\FalloutNV.exe"), "C:\\Games\\FNV\\");
    EXPECT_EQ(FolderPart("/home/ann/fnv/FalloutNV.exe"), "/home/ann/fnv/");
    EXPECT_EQ(FolderPart("D:\\mixed/fnv\\FalloutNV.exe"), "D:\\mixed/fnv\\");
    EXPECT_EQ(FolderPart("FalloutNV.exe"), "");
    EXPECT_EQ(FolderPart(""), "");
}

TEST(GameStart, CommandForEachKindOfPath) {
    enum class Way { Steam, Wine, Direct };
    struct Case {
        HostSystem host;
        std::string path;
        Way way;
    };
    const Case cases[] = {
        {HostSystem::Posix, "/home/ann/.steam/steam/steamapps/common/Fallout New Vegas/FalloutNV.exe", Way::Steam},
        {HostSystem::Posix, "/mnt/games/SteamLibrary/SteamApps/Common/FNV/falloutnv.EXE", Way::Steam},
        {HostSystem::Posix, "Z:\\games\\steamapps\\common\\FNV\\FalloutNV.Exe", Way::Steam},
        {HostSystem::Posix, "/home/ann/Games/FNV/FalloutNV.exe", Way::Wine},
        {HostSystem::Posix, "/home/ann/steamapps/commonplace/FalloutNV.exe", Way::Wine},
        {HostSystem::Posix, "/home/ann/steamapps/common/FNV/start.sh", Way::Direct},
        {HostSystem::Posix, "/home/ann/Games/FNV/FalloutNV.exe.bak", Way::Direct},
        {HostSystem::Posix, "/home/ann/Games/FNV/exe", Way::Direct},
        {HostSystem::Windows, "C:\\Steam\\steamapps\\common\\Fallout New Vegas\\FalloutNV.exe", Way::Direct},
        {HostSystem::Windows, "D:\\FNV\\FalloutNV.exe", Way::Direct},
    };
    const std::filesystem::path exe = "/native/FalloutNV.exe";
    const std::filesystem::path folder = "/native/";
    for (const Case& c : cases) {
        GameCommand expected;
        switch (c.way) {
            case Way::Steam: expected.address = "steam://rungameid/22380"; break;
            case Way::Wine: expected.process = {"wine", {exe.string()}, folder}; break;
            case Way::Direct: expected.process = {exe, {}, folder}; break;
        }
        EXPECT_EQ(GameStartCommand(c.path, exe, folder, c.host), expected) << c.path;
    }
}

}  // namespace
}  // namespace quorvane::launcher
