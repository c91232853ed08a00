#include "platform/work_files.h"

#include <cerrno>
#include <system_error>

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

bool IsFolder(const fs::path& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

}  // namespace

#ifndef _WIN32

fs::path SystemTempFolder(Environment& environment) {
    const fs::path fromEnvironment = environment.Get("TMPDIR");
    if (IsFolder(fromEnvironment)) return fromEnvironment;
    return IsFolder("/tmp") ? fs::path("/tmp") : fs::path();
}

fs::path PrivateWorkFolder(const fs::path& temp) {
    if (temp.empty()) return {};
    const fs::path folder = temp / ("quorvane-" + std::to_string(::geteuid()));
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
    // lstat, not stat: a link planted under the name is refused, not followed.
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::geteuid()) {
        return {};
    }
    if ((info.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0) return {};
    return folder;
}

bool WriteFreshFile(const fs::path& path, std::string_view content) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) return false;
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    bool ok = true;
    while (ok && !content.empty()) {
        ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            ok = errno == EINTR;
            continue;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return (::close(fd) == 0) && ok;
}

#else

fs::path SystemTempFolder(Environment&) {
    wchar_t shortName[MAX_PATH + 1];
    DWORD length = GetTempPathW(MAX_PATH + 1, shortName);
    if (length == 0 || length > MAX_PATH) return {};
    wchar_t longName[32768];
    DWORD longLength = GetLongPathNameW(shortName, longName, 32768);
    fs::path folder =
        (longLength > 0 && longLength < 32768) ? fs::path(longName) : fs::path(shortName);
    return IsFolder(folder) ? folder : fs::path();
}

fs::path PrivateWorkFolder(const fs::path& temp) {
    return temp;
}

bool WriteFreshFile(const fs::path& path, std::string_view content) {
    DeleteFileW(path.c_str());
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok =
        WriteFile(handle, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
        written == content.size();
    return CloseHandle(handle) && ok;
}

#endif

}  // namespace quorvane::platform
