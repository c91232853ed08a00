#include "install/vdf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvane::install {
namespace {

using Paths = std::vector<std::string>;

Paths ListedLibraries(const std::string& text) {
    const std::optional<VdfNode> file = ParseVdf(text);
    return file ? LibraryFolderPaths(*file) : Paths{"<malformed>"};
}

struct Case {
    const char* name;
    std::string text;
    Paths expected;
};

// Cases print as their names in test output.
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class LibraryList : public ::testing::TestWithParam<Case> {};

TEST_P(LibraryList, ListsTheFoldersOrRefusesTheFile) {
    EXPECT_EQ(ListedLibraries(GetParam().text), GetParam().expected);
}

const Case kCases[] = {
    {"CurrentForm",
     "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"/home/ann/.local/share/Steam\"\n"
     "\t\t\"label\"\t\t\"\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"22380\"\t\t\"9000\"\n\t\t}\n\t}\n"
     "\t\"1\"\n\t{\n\t\t\"path\"\t\t\"/mnt/games/SteamLibrary\"\n\t}\n}\n",
     {"/home/ann/.local/share/Steam", "/mnt/games/SteamLibrary"}},
    {"OlderForm",
     "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1700000000\"\n"
     "\t\"ContentStatsID\"\t\t\"-123\"\n\t\"1\"\t\t\"/mnt/old library\"\n}\n",
     {"/mnt/old library"}},
    {"EscapesInStrings",
     R"("libraryfolders" { "1" { "path" "/mnt/a \"quoted\" name\\x" } })",
     {"/mnt/a \"quoted\" name\\x"}},
    {"KeysInAnyCaseAndComments",
     "// written by hand\n\"LIBRARYFOLDERS\" { \"2\" { \"PATH\" \"/data/lib\" } // trailing\n }",
     {"/data/lib"}},
    {"PlatformConditionsAreSkipped",
     R"("libraryfolders" { "1" { "path" "/x" [$LINUX] } })",
     {"/x"}},
    {"EntryWithoutPathIsSkipped",
     R"("libraryfolders" { "1" { "label" "spare" } "2" { "path" "/y" } })",
     {"/y"}},
    {"NoLibraryBlock", R"("somethingelse" { "1" "/z" })", {}},
    {"EmptyFile", "", {}},
    {"UnterminatedString", "\"libraryfolders\" { \"1\" { \"path\" \"/mnt/lib", {"<malformed>"}},
    {"UnclosedBlock", "\"libraryfolders\" { \"1\" { \"path\" \"/mnt/lib\" }", {"<malformed>"}},
    {"StrayClosingBrace", "\"libraryfolders\" { } }", {"<malformed>"}},
    {"KeyWithoutValue", "\"libraryfolders\" { \"1\" }", {"<malformed>"}},
    {"NestingFarTooDeep",
     "\"a\" " + std::string(1000, '{') + std::string(1000, '}'),
     {"<malformed>"}},
    {"ValueWhereABlockIsExpected", "\"libraryfolders\" \"/mnt/lib\"", {}},
};

INSTANTIATE_TEST_SUITE_P(Vdf, LibraryList, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvane::install
