#include "launcher/game_start.h"

#include <algorithm>

#include "platform/text.h"

namespace quorvane::launcher {

namespace {

// Letters folded to lower case and "\" turned into "/", so both spellings of a path compare.
std::string Comparable(std::string_view path) {
    std::string text(path);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c == '\\' ? '/' : platform::AsciiLower(c); });
    return text;
}

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace

std::string_view FolderPart(std::string_view path) {
    const std::size_t last = path.find_last_of("\\/");
    return last == std::string_view::npos ? std::string_view() : path.substr(0, last + 1);
}

GameCommand GameStartCommand(std::string_view gamePath, const std::filesystem::path& executable,
                             const std::filesystem::path& workingFolder, platform::HostSystem host) {
    const std::string path = Comparable(gamePath);
    if (host == platform::HostSystem::Posix && EndsWith(path, ".exe")) {
        if (path.find("/steamapps/common/") != std::string::npos) return {kSteamRunAddress, {}};
        return {"", {"wine", {executable.string()}, workingFolder}};
    }
    return {"", {executable, {}, workingFolder}};
}

}  // namespace quorvane::launcher
