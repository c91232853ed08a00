#include "platform/prefs_file.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "platform/files.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace quorvane::platform {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool ReadWholeFile(const fs::path& path, std::string& text) {
    if (!CanOpenForReading(path)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool CanOpenForWriting(const fs::path& path) {
    std::FILE* file = std::fopen(path.string().c_str(), "r+b");
    if (!file) return false;
    std::fclose(file);
    return true;
}

}  // namespace

PrefsFile::~PrefsFile() { Close(); }

bool PrefsFile::Open(const fs::path& path) {
    Close();
    std::string text;
    if (!ReadWholeFile(path, text)) return false;
    path_ = path;
    writable_ = CanOpenForWriting(path);
    utf8Mark_ = text.starts_with(kUtf8Mark);
    Parse(std::string_view(text).substr(utf8Mark_ ? kUtf8Mark.size() : 0));
    open_ = true;
    return true;
}

bool PrefsFile::Create(const fs::path& path) {
    Close();
    std::error_code ec;
    if (fs::is_directory(path, ec)) return false;
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file) return false;
    std::fclose(file);
    path_ = path;
    writable_ = true;
    open_ = true;
    return true;
}

void PrefsFile::Close() {
    if (open_ && dirty_ && writable_) {
        // A file we may write but whose folder we may not: rewrite it in place instead.
        const std::string text = Serialise();
        if (!ReplaceFileContent(path_, text)) {
            if (std::FILE* file = std::fopen(path_.string().c_str(), "wb")) {
                std::fwrite(text.data(), 1, text.size(), file);
                std::fclose(file);
            }
        }
    }
    open_ = writable_ = dirty_ = utf8Mark_ = groupSelected_ = false;
    group_.clear();
    lines_.clear();
    path_.clear();
}

void PrefsFile::Parse(std::string_view text) {
    lines_.clear();
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t stop = text.find_first_of("\r\n", pos);
        if (stop == std::string_view::npos) stop = text.size();
        std::string_view raw = text.substr(pos, stop - pos);
        pos = stop;
        if (pos < text.size()) pos += (text[pos] == '\r' && text.substr(pos, 2) == "\r\n") ? 2 : 1;

        while (!raw.empty() && (raw.front() == ' ' || raw.front() == '\t')) raw.remove_prefix(1);
        if (raw.empty()) continue;  // blank lines are not kept
        if (raw.front() == ';') {
            raw.remove_prefix(1);
            if (!raw.empty() && raw.front() == ' ') raw.remove_prefix(1);
            lines_.push_back({Line::Kind::Comment, std::string(raw), {}});
        } else if (raw.front() == '[') {
            std::string_view name = raw.substr(1);
            name = name.substr(0, name.find(']'));
            lines_.push_back({Line::Kind::Group, std::string(name), {}});
        } else {
            std::size_t equals = raw.find('=');
            std::string_view key = raw.substr(0, equals);
            while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.remove_suffix(1);
            std::string_view value;
            if (equals != std::string_view::npos) {
                value = raw.substr(equals + 1);
                while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) {
                    value.remove_prefix(1);
                }
            }
            lines_.push_back({Line::Kind::Key, std::string(key), std::string(value)});
        }
    }
}

void PrefsFile::SelectGroup(std::string_view group) {
    group_ = group;
    groupSelected_ = !group.empty();
}

std::optional<std::pair<std::size_t, std::size_t>> PrefsFile::GroupRange() const {
    std::size_t begin = 0;
    if (groupSelected_) {
        while (begin < lines_.size() && !(lines_[begin].kind == Line::Kind::Group &&
                                          EqualsIgnoringCase(lines_[begin].name, group_))) {
            ++begin;
        }
        if (begin == lines_.size()) return std::nullopt;
        ++begin;
    }
    std::size_t end = begin;
    while (end < lines_.size() && lines_[end].kind != Line::Kind::Group) ++end;
    return std::make_pair(begin, end);
}

const PrefsFile::Line* PrefsFile::FindKey(std::string_view key) const {
    auto range = GroupRange();
    if (!range) return nullptr;
    for (std::size_t i = range->first; i < range->second; ++i) {
        if (lines_[i].kind == Line::Kind::Key && EqualsIgnoringCase(lines_[i].name, key)) {
            return &lines_[i];
        }
    }
    return nullptr;
}

std::string PrefsFile::ReadString(std::string_view key, std::string_view fallback) const {
    const Line* line = FindKey(key);
    return std::string(line ? TrimBlanks(line->value) : fallback);
}

std::int32_t PrefsFile::ReadInt(std::string_view key, std::int32_t fallback) const {
    const Line* line = FindKey(key);
    return line ? LeadingInt32(TrimBlanks(line->value)) : fallback;
}

void PrefsFile::WriteString(std::string_view key, std::string_view value) {
    if (!open_) return;
    dirty_ = true;
    if (Line* line = const_cast<Line*>(FindKey(key))) {
        line->name = key;
        line->value = value;
        return;
    }
    auto range = GroupRange();
    if (!range) {
        // The group does not exist yet: it starts at the end of the file.
        lines_.push_back({Line::Kind::Group, group_, {}});
        range = std::make_pair(lines_.size(), lines_.size());
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(range->second),
                  {Line::Kind::Key, std::string(key), std::string(value)});
}

void PrefsFile::WriteInt(std::string_view key, std::int32_t value) {
    WriteString(key, std::to_string(value));
}

std::string PrefsFile::Serialise() const {
    std::string text;
    if (utf8Mark_) {
        text += kUtf8Mark;
        text += "\r\n";
    }
    for (const Line& line : lines_) {
        switch (line.kind) {
            case Line::Kind::Group: text += "[" + line.name + "]"; break;
            case Line::Kind::Comment: text += "; " + line.name; break;
            case Line::Kind::Key: text += line.name + " = " + line.value; break;
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace quorvane::platform
