// A temporary folder per test, named after the test and left behind when the test fails, so a
// failure keeps its evidence. Plus small helpers for files with exact bytes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvane::testing {

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view relative) const { return path_ / relative; }

private:
    std::filesystem::path path_;
};

// Writes bytes exactly as given, creating parent folders.
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);
// The file's bytes; "" when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);

}  // namespace quorvane::testing
