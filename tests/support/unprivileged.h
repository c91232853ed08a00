// Runs a check as a user who may not write into a folder. Permission bits do not stop the
// superuser, so under root the check runs in a child process that has given up its rights.
#pragma once

#include <filesystem>
#include <functional>

namespace quorvane::testing {

// Makes `folder` (and the files directly in it) readable but not writable for the check, runs
// `check`, and restores the permissions. Returns what check returned; false if it could not
// run. `check` must report through its result: in a child process, test assertions are lost.
bool RunWithoutWriteAccess(const std::filesystem::path& folder, const std::function<bool()>& check);

}  // namespace quorvane::testing
