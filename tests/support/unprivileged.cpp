#include "support/unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace fs = std::filesystem;

namespace quorvane::testing {

namespace {

constexpr uid_t kNobody = 65534;

void SetModes(const fs::path& folder, fs::perms folderMode, fs::perms fileMode) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (entry.is_regular_file(ec)) fs::permissions(entry.path(), fileMode, ec);
    }
    fs::permissions(folder, folderMode, ec);
}

}  // namespace

bool RunWithoutWriteAccess(const fs::path& folder, const std::function<bool()>& check) {
    using fs::perms;
    const perms readOnlyFolder = perms::owner_read | perms::owner_exec | perms::group_read |
                                 perms::group_exec | perms::others_read | perms::others_exec;
    const perms readOnlyFile = perms::owner_read | perms::group_read | perms::others_read;
    bool result = false;
    if (::geteuid() != 0) {
        SetModes(folder, readOnlyFolder, readOnlyFile);
        result = check();
    } else {
        // The superuser writes anywhere: the folder stays root's and writable only by root, and
        // the check runs as nobody, who may read but not write.
        SetModes(folder, readOnlyFolder | perms::owner_write,
                 readOnlyFile | perms::owner_write);
        std::fflush(nullptr);
        pid_t child = ::fork();
        if (child == 0) {
            bool ok = ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
            ok = ok && check();
            std::fflush(nullptr);
            ::_exit(ok ? 0 : 1);
        }
        int status = 0;
        result = child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
                 WEXITSTATUS(status) == 0;
    }
    SetModes(folder, perms::owner_all | perms::group_read | perms::group_exec,
             perms::owner_read | perms::owner_write);
    return result;
}

}  // namespace quorvane::testing
