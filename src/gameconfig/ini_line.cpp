#include "gameconfig/ini_line.h"

namespace quorvane::gameconfig {

std::string_view LineKey(std::string_view line) {
    std::string_view key = line.substr(0, line.find('='));
    const std::size_t first = key.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return key.substr(first, key.find_last_not_of(' ') - first + 1);
}

std::string_view LineValue(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    std::string_view rest = line.substr(equals + 1);
    return rest.substr(0, rest.find('='));
}

}  // namespace quorvane::gameconfig
