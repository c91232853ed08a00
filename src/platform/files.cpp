#include "platform/files.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <iterator>
#include <cstring>
#include <system_error>

#include "platform/text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace quorvane::platform {

namespace {

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

#ifndef _WIN32
// The entry of `folder` whose name equals `name` without regard to letter case; the first in
// name order when several do, so the answer does not depend on the folder's entry order.
std::string FindEntryIgnoringCase(const fs::path& folder, const std::string& name) {
    std::string best;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    for (fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (EqualsIgnoringCase(entry, name) && (best.empty() || entry < best)) best = entry;
    }
    return best;
}
#endif

}  // namespace

fs::path ResolveLetterCase(const fs::path& path) {
#ifdef _WIN32
    return path;
#else
    if (Exists(path)) return path;
    fs::path resolved = path.root_path();
    bool lost = false;  // once a component is missing, the rest is kept as spelled
    for (const fs::path& part : path.relative_path()) {
        const std::string name = part.string();
        if (lost || name.empty() || name == "." || name == ".." || Exists(resolved / part)) {
            resolved /= part;
            continue;
        }
        std::string match = FindEntryIgnoringCase(resolved, name);
        if (match.empty()) {
            lost = true;
            resolved /= part;
        } else {
            resolved /= match;
        }
    }
    return resolved;
#endif
}

fs::path NativePath(std::string_view programPath, const fs::path& workDir) {
    if (programPath.empty()) return {};  // names nothing, not the working folder
#ifdef _WIN32
    fs::path path{std::string(programPath)};
    return path.is_absolute() || path.has_root_name() ? path : workDir / path;
#else
    std::string spelled(programPath);
    std::replace(spelled.begin(), spelled.end(), '\\', '/');
    fs::path path{spelled};
    if (path.is_relative()) path = workDir / path;
    return ResolveLetterCase(path);
#endif
}

bool CanOpenForReading(const fs::path& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return false;
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (!file) return false;
    std::fclose(file);
    return true;
}

PathInfo QueryPath(const fs::path& path) {
    std::error_code ec;
    fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) return {};
    if (fs::is_directory(status)) return {PathInfo::Kind::Folder, 0};
    std::uintmax_t size = fs::file_size(path, ec);
    return {PathInfo::Kind::File, ec ? 0 : size};
}

LineReader::~LineReader() { Close(); }

bool LineReader::Open(const fs::path& path) {
    Close();
    if (!CanOpenForReading(path)) return false;
    file_ = std::fopen(path.string().c_str(), "rb");
    if (!file_) return false;
    buffer_.resize(64 * 1024);
    pos_ = len_ = 0;
    return true;
}

void LineReader::Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    pos_ = len_ = 0;
}

bool LineReader::Fill() {
    if (!file_) return false;
    len_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    pos_ = 0;
    return len_ > 0;
}

bool LineReader::Next(std::string& line) {
    line.clear();
    bool gotAny = false;
    for (;;) {
        if (pos_ == len_ && !Fill()) return gotAny;
        gotAny = true;
        const char* begin = buffer_.data() + pos_;
        const char* end = buffer_.data() + len_;
        const char* stop = std::find_if(begin, end, [this](char c) {
            return c == '\n' || c == '\r' || (nulEndsLine_ && c == '\0');
        });
        line.append(begin, stop);
        if (stop == end) {
            pos_ = len_;
            continue;
        }
        pos_ = static_cast<std::size_t>(stop - buffer_.data()) + 1;
        if (*stop == '\r') {
            if (pos_ == len_) Fill();
            if (pos_ < len_ && buffer_[pos_] == '\n') ++pos_;
        }
        return true;
    }
}

namespace {

// Gives a finished temporary file the time it is to carry once it replaces its target.
bool KeepModifiedTime(const fs::path& temp, std::optional<fs::file_time_type> modified) {
    if (!modified) return true;
    std::error_code ec;
    fs::last_write_time(temp, *modified, ec);
    return !ec;
}

std::optional<std::string> ReadWholeFile(const fs::path& path) {
    if (!CanOpenForReading(path)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in && !in.eof()) return std::nullopt;
    return content;
}

}  // namespace

bool CopyFileOver(const fs::path& source, const fs::path& target, Attributes attributes) {
    std::error_code ec;
    const fs::file_time_type modified = fs::last_write_time(source, ec);
    if (ec) return false;
    const std::optional<std::string> content = ReadWholeFile(source);
    return content && ReplaceFileContent(target, *content, attributes, modified);
}

std::optional<LocalDate> ModifiedLocalDate(const fs::path& path) {
    std::error_code ec;
    const fs::file_time_type modified = fs::last_write_time(path, ec);
    if (ec) return std::nullopt;
    const std::time_t time = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(
            std::chrono::file_clock::to_sys(modified)));
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &time) != 0) return std::nullopt;
#else
    if (!localtime_r(&time, &local)) return std::nullopt;
#endif
    return LocalDate{local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

#ifndef _WIN32
namespace {

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void SyncFolder(const fs::path& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

mode_t NewFileMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool ReplaceFileContent(const fs::path& path, std::string_view content, Attributes attributes,
                        std::optional<fs::file_time_type> modified) {
    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        target = fs::weakly_canonical(path, ec);
        if (ec) return false;
    }
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";

    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) return false;

    std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(temp.data());  // O_CREAT | O_EXCL: never follows a planted link
    if (fd < 0) return false;
    mode_t mode = existed ? (old.st_mode & 07777) : NewFileMode();
    if (attributes == Attributes::MakeWritable) mode |= S_IWUSR;
    bool ok = ::fchmod(fd, mode) == 0;
    if (ok && existed && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
        [[maybe_unused]] int ignored = ::fchown(fd, old.st_uid, old.st_gid);
    }
    ok = ok && WriteAll(fd, content) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && KeepModifiedTime(temp, modified);
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}
#else
bool ReplaceFileContent(const fs::path& path, std::string_view content, Attributes attributes,
                        std::optional<fs::file_time_type> modified) {
    std::error_code ec;
    fs::path target = fs::is_symlink(fs::symlink_status(path, ec)) ? fs::weakly_canonical(path, ec) : path;
    if (ec) return false;
    fs::path folder = target.parent_path();
    wchar_t tempName[MAX_PATH];
    if (!GetTempFileNameW(folder.empty() ? L"." : folder.c_str(), L"qrz", 0, tempName)) return false;
    HANDLE handle = CreateFileW(tempName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    bool ok = handle != INVALID_HANDLE_VALUE;
    if (ok) {
        DWORD written = 0;
        ok = WriteFile(handle, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
             written == content.size() && FlushFileBuffers(handle);
        ok = CloseHandle(handle) && ok;
    }
    ok = ok && KeepModifiedTime(tempName, modified);
    // A read-only, hidden or system target refuses to be replaced; its attributes come back
    // when the replacement fails.
    const DWORD oldAttributes = GetFileAttributesW(target.c_str());
    const bool clearAttributes = ok && attributes == Attributes::MakeWritable &&
                                 oldAttributes != INVALID_FILE_ATTRIBUTES;
    if (clearAttributes) ok = SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    ok = ok && MoveFileExW(tempName, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        if (clearAttributes) SetFileAttributesW(target.c_str(), oldAttributes);
        DeleteFileW(tempName);
    }
    return ok;
}
#endif

}  // namespace quorvane::platform
