// The preferences-file service: a small INI reader and writer for the program's own files
// (QRZprefs.ini, and read-only SetupInfo.ini). One set is open at a time; reading is
// forgiving, and closing a set that was written rewrites the whole file in a normal form.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::platform {

class PrefsFile {
public:
    PrefsFile() = default;
    ~PrefsFile();
    PrefsFile(const PrefsFile&) = delete;
    PrefsFile& operator=(const PrefsFile&) = delete;

    // Opens an existing file: for reading and writing if possible, else for reading only.
    // False when it does not exist or cannot be opened at all. Closes any open set first.
    bool Open(const std::filesystem::path& path);
    // Creates the file, or empties it if it exists, at once. False when that is impossible.
    bool Create(const std::filesystem::path& path);
    // Rewrites the file when anything was written into the set; otherwise leaves it untouched.
    // A file that could only be opened for reading keeps its content, silently.
    void Close();
    bool IsOpen() const { return open_; }

    // Later reads and writes concern this group; "" means the lines before the first group.
    void SelectGroup(std::string_view group);

    std::string ReadString(std::string_view key, std::string_view fallback) const;
    std::int32_t ReadInt(std::string_view key, std::int32_t fallback) const;
    void WriteString(std::string_view key, std::string_view value);
    void WriteInt(std::string_view key, std::int32_t value);

    // The text the set would be written as (the whole file).
    std::string Serialise() const;

private:
    struct Line {
        enum class Kind { Group, Comment, Key } kind;
        std::string name;   // group name, comment text or key
        std::string value;  // key lines only
    };
    // Index range [begin, end) of the selected group's lines after its group line; for no group,
    // the lines before the first group line. Nothing when the selected group does not exist.
    std::optional<std::pair<std::size_t, std::size_t>> GroupRange() const;
    const Line* FindKey(std::string_view key) const;
    void Parse(std::string_view text);

    bool open_ = false;
    bool writable_ = false;
    bool dirty_ = false;
    bool utf8Mark_ = false;
    bool groupSelected_ = false;
    std::string group_;
    std::filesystem::path path_;
    std::vector<Line> lines_;
};

}  // namespace quorvane::platform
