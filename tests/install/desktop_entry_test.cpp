#include "install/desktop_entry.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvane::install {
namespace {

struct Case {
    const char* name;
    std::string argument;
    std::string exec;  // as it must stand on the Exec line
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class ExecQuoting : public ::testing::TestWithParam<Case> {};

TEST_P(ExecQuoting, ArgumentSurvivesTheLaunchersUnquoting) {
    EXPECT_EQ(ExecArgument(GetParam().argument), GetParam().exec);
}

const Case kCases[] = {
    {"PlainPathStaysBare", "/home/ann/.local/share/quorvane/quorvane",
     "/home/ann/.local/share/quorvane/quorvane"},
    {"SpaceIsQuoted", "/home/ann/my data/quorvane", "\"/home/ann/my data/quorvane\""},
    {"PercentIsDoubled", "/home/ann/100%/quorvane", "/home/ann/100%%/quorvane"},
    {"DollarAndBacktickEscapedInQuotes", "/x/$HOME`id`", "\"/x/\\\\$HOME\\\\`id\\\\`\""},
    {"QuoteEscapedInQuotes", "/x/a\"b", "\"/x/a\\\\\"b\""},
    // Escaped once for the quoting, then each backslash doubled again for the string rules.
    {"BackslashEscapedTwice", "/x/a\\b", "\"/x/a\\\\\\\\b\""},
    {"ShellCharactersAreQuoted", "/x/a;b&c|d", "\"/x/a;b&c|d\""},
};

INSTANTIATE_TEST_SUITE_P(DesktopEntry, ExecQuoting, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DesktopEntry, NamesTheProgramItsFolderAndIcon) {
    const std::optional<std::string> text = DesktopEntryText(
        "/home/ann/.local/share/quorvane", "/home/ann/.local/share/quorvane/quorvane",
        "/home/ann/.local/share/quorvane/quorvane.svg");
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->starts_with("[Desktop Entry]\nType=Application\n"));
    for (const char* line :
         {"\nName=Quorvane\n", "\nExec=/home/ann/.local/share/quorvane/quorvane\n",
          "\nPath=/home/ann/.local/share/quorvane\n",
          "\nIcon=/home/ann/.local/share/quorvane/quorvane.svg\n", "\nTerminal=false\n"}) {
        EXPECT_NE(text->find(line), std::string::npos) << line;
    }
}

TEST(DesktopEntry, RefusesPathsAnEntryCannotHold) {
    const std::string ok = "/home/ann/q";
    for (const std::string bad :
         {"/home/ann/line\nbreak", "/home/ann/\xE9t\xE9", "relative/folder", "/tab\there"}) {
        EXPECT_FALSE(DesktopEntryText(bad, ok, ok)) << bad;
        EXPECT_FALSE(DesktopEntryText(ok, bad, ok)) << bad;
        EXPECT_FALSE(DesktopEntryText(ok, ok, bad)) << bad;
    }
    EXPECT_TRUE(DesktopEntryText("/home/ann/\xC3\xA9t\xC3\xA9", ok, ok));  // UTF-8 is fine
}

}  // namespace
}  // namespace quorvane::install
