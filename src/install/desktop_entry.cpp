#include "install/desktop_entry.h"

#include <string_view>

namespace quorvane::install {

namespace {

bool IsUtf8WithoutControls(std::string_view text) {
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n;) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7F) return false;
        std::size_t follow = 0;
        if (byte < 0x80)
            follow = 0;
        else if ((byte & 0xE0) == 0xC0 && byte >= 0xC2)
            follow = 1;
        else if ((byte & 0xF0) == 0xE0)
            follow = 2;
        else if ((byte & 0xF8) == 0xF0 && byte <= 0xF4)
            follow = 3;
        else
            return false;
        if (n - i - 1 < follow) return false;
        for (std::size_t k = 1; k <= follow; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += follow + 1;
    }
    return true;
}

// The entry format's escapes for string values; paths are absolute, so no leading space.
std::string EscapeString(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out;
}

}  // namespace

std::string ExecArgument(const std::string& argument) {
    // Characters the Exec rules reserve; an argument with any of them goes in double quotes.
    constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string quoted;
    const bool needsQuotes =
        argument.empty() || argument.find_first_of(kReserved) != std::string::npos;
    for (char c : argument) {
        if (c == '%') {
            quoted += "%%";  // field codes start with %
            continue;
        }
        if (needsQuotes && (c == '"' || c == '`' || c == '$' || c == '\\')) quoted += '\\';
        quoted += c;
    }
    return EscapeString(needsQuotes ? "\"" + quoted + "\"" : quoted);
}

std::optional<std::string> DesktopEntryText(const std::filesystem::path& installFolder,
                                            const std::filesystem::path& program,
                                            const std::filesystem::path& icon) {
    for (const auto* path : {&installFolder, &program, &icon}) {
        if (!path->is_absolute() || !IsUtf8WithoutControls(path->string())) return std::nullopt;
    }
    std::string text;
    text += "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Version=1.5\n";
    text += "Name=Quorvane\n";
    text += "GenericName=Game settings\n";
    text += "Comment=See and change the options of Fallout: New Vegas\n";
    text += "Exec=" + ExecArgument(program.string()) + "\n";
    text += "Path=" + EscapeString(installFolder.string()) + "\n";
    text += "Icon=" + EscapeString(icon.string()) + "\n";
    text += "Terminal=false\n";
    text += "Categories=Game;\n";
    return text;
}

}  // namespace quorvane::install
