#include "discovery/hint_paths.h"

#include <algorithm>

#include "platform/text.h"

namespace quorvane::discovery {

std::string Normalise(std::string_view path) {
    std::string result(path);
    std::replace(result.begin(), result.end(), '/', '\\');
    return result;
}

std::string Sep(std::string_view path) {
    std::string result(path);
    if (!result.ends_with('\\')) result += '\\';
    return result;
}

std::string Folder(std::string_view path, std::string_view name) {
    std::string result(path);
    const std::string ending = std::string(name) + '\\';
    if (!result.ends_with(ending)) result += ending;
    return result;
}

std::string ReplaceIgnoringCase(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    std::string result;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (platform::EqualsIgnoringCase(text.substr(pos, from.size()), from)) {
            result += to;
            pos += from.size();
        } else {
            result += text[pos++];
        }
    }
    return result;
}

}  // namespace quorvane::discovery
