#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "support/test_folder.h"

namespace quorvane::platform {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TestFolder;
using testing::WriteBytes;

std::vector<std::string> ReadAllLines(const fs::path& path, LineReader::NulEndsLine nul) {
    LineReader reader(nul);
    EXPECT_TRUE(reader.Open(path));
    std::vector<std::string> lines;
    for (std::string line; reader.Next(line);) lines.push_back(line);
    return lines;
}

TEST(NativePath, MapsBackslashesAndFindsComponentsWithoutRegardToCase) {
    TestFolder folder;
    WriteBytes(folder / "steamapps/common/Fallout New Vegas/Fallout_default.ini", "x");
    WriteBytes(folder / "Data/Categories.ini", "x");

    EXPECT_EQ(NativePath("Data\\Categories.ini", folder.path()), folder / "Data/Categories.ini");
    EXPECT_EQ(NativePath("steamapps\\common\\fallout new vegas\\fallout_default.ini", folder.path()),
              folder / "steamapps/common/Fallout New Vegas/Fallout_default.ini");
    // An absolute path keeps its root; a missing component keeps its spelling from there on.
    const std::string absolute = (folder / "DATA\\missing\\Categories.ini").string();
    EXPECT_EQ(NativePath(absolute, "/elsewhere"), folder / "Data/missing/Categories.ini");
    EXPECT_EQ(NativePath("", folder.path()), fs::path());
    EXPECT_FALSE(QueryPath(NativePath("", folder.path())).Present());
}

TEST(NativePath, PrefersTheExactSpellingOverOtherCases) {
    TestFolder folder;
    WriteBytes(folder / "a/Fallout.ini", "upper");
    WriteBytes(folder / "a/fallout.ini", "lower");
    EXPECT_EQ(NativePath("a\\fallout.ini", folder.path()), folder / "a/fallout.ini");
    EXPECT_EQ(NativePath("A\\FALLOUT.INI", folder.path()), folder / "a/Fallout.ini");
}

TEST(FileQueries, OpenForReadingAndPathKinds) {
    TestFolder folder;
    WriteBytes(folder / "file.ini", "12345");
    EXPECT_TRUE(CanOpenForReading(folder / "file.ini"));
    EXPECT_FALSE(CanOpenForReading(folder / "absent.ini"));
    EXPECT_FALSE(CanOpenForReading(folder.path()));

    EXPECT_EQ(QueryPath(folder / "file.ini").kind, PathInfo::Kind::File);
    EXPECT_EQ(QueryPath(folder / "file.ini").size, 5u);
    EXPECT_EQ(QueryPath(folder.path()).kind, PathInfo::Kind::Folder);
    EXPECT_TRUE(QueryPath(folder.path()).Present());
    EXPECT_FALSE(QueryPath(folder / "absent.ini").Present());
}

TEST(LineReader, EndsLinesAtCrLfCrLfAndOptionallyNul) {
    struct Row {
        std::string bytes;
        LineReader::NulEndsLine nul;
        std::vector<std::string> lines;
    };
    using N = LineReader::NulEndsLine;
    const std::string withNul("a\0b\r\n", 5);
    const std::vector<Row> rows = {
        {"", N::No, {}},
        {"\n", N::No, {""}},
        {"one", N::No, {"one"}},
        {"a\rb\nc\r\nd", N::No, {"a", "b", "c", "d"}},
        {"a\r\n\r\nb\r\n", N::No, {"a", "", "b"}},
        {"a\n\rb", N::No, {"a", "", "b"}},
        {withNul, N::Yes, {"a", "b"}},
        {withNul, N::No, {std::string("a\0b", 3)}},
    };
    TestFolder folder;
    for (const Row& row : rows) {
        WriteBytes(folder / "t.txt", row.bytes);
        EXPECT_EQ(ReadAllLines(folder / "t.txt", row.nul), row.lines) << ::testing::PrintToString(row.bytes);
    }
}

TEST(LineReader, LongLinesAndCrLfAcrossTheBufferEdge) {
    TestFolder folder;
    // A CR as the last byte of the first buffer fill, its LF the first of the next.
    const std::string first(64 * 1024 - 1, 'x');
    const std::string second(200 * 1024, 'y');
    WriteBytes(folder / "t.txt", first + "\r\n" + second + "\r\nz");
    EXPECT_EQ(ReadAllLines(folder / "t.txt", LineReader::NulEndsLine::No),
              (std::vector<std::string>{first, second, "z"}));
}

TEST(ReplaceFileContent, ReplacesWholeFileKeepingModeAndLinks) {
    TestFolder folder;
    const auto real = folder / "real.ini";
    WriteBytes(real, "old content that is longer");
    ::chmod(real.c_str(), 0640);
    fs::create_symlink(real, folder / "link.ini");

    ASSERT_TRUE(ReplaceFileContent(folder / "link.ini", "new"));
    EXPECT_TRUE(fs::is_symlink(folder / "link.ini"));
    EXPECT_EQ(ReadBytes(real), "new");
    struct stat info {};
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    ASSERT_TRUE(ReplaceFileContent(folder / "fresh.ini", "made"));
    EXPECT_EQ(ReadBytes(folder / "fresh.ini"), "made");
    // No temporary files are left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 3);
}

TEST(ReplaceFileContent, FailsWithoutTouchingAFolderOrAMissingFolder) {
    TestFolder folder;
    fs::create_directory(folder / "sub.ini");
    EXPECT_FALSE(ReplaceFileContent(folder / "sub.ini", "x"));
    EXPECT_TRUE(fs::is_directory(folder / "sub.ini"));
    EXPECT_FALSE(ReplaceFileContent(folder / "no/such/folder.ini", "x"));
}

}  // namespace
}  // namespace quorvane::platform
