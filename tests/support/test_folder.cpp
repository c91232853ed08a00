#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace quorvane::testing {

TestFolder::TestFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "test";
    for (char& c : name) {
        if (c == '/' || c == '\\') c = '_';
    }
    fs::path root = fs::temp_directory_path() / "quorvane-tests";
    fs::create_directories(root);
    std::string pattern = (root / (name + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create " + pattern);
    path_ = pattern;
}

TestFolder::~TestFolder() {
    if (::testing::Test::HasFailure()) {
        std::fprintf(stderr, "test folder kept: %s\n", path_.c_str());
        return;
    }
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
    if (path.has_parent_path()) fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace quorvane::testing
