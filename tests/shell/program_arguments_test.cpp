// The window program's command line: what starts the window, what only prints, and what is a
// usage error, in both languages.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "shell/program_arguments.h"
#include "texts/command_texts.h"

namespace m742 {
namespace {

using Action = ProgramArguments::Action;

struct ArgumentsCase {
    std::vector<std::string_view> args;
    Action action;
    std::string file;
    std::string error;  // in English
};

class ProgramArgumentsTest : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(ProgramArgumentsTest, Parses) {
    const ArgumentsCase& c = GetParam();
    const ProgramArguments parsed = ParseProgramArguments(c.args, Lang::English);
    EXPECT_EQ(parsed.action, c.action);
    EXPECT_EQ(parsed.file, c.file);
    EXPECT_EQ(parsed.error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ProgramArgumentsTest,
    ::testing::Values(
        ArgumentsCase{{}, Action::kRun, "", ""},
        ArgumentsCase{{"plan.DAT"}, Action::kRun, "plan.DAT", ""},
        ArgumentsCase{{"/tmp/a b/计划.DAT"}, Action::kRun, "/tmp/a b/计划.DAT", ""},
        ArgumentsCase{{"--version"}, Action::kVersion, "", ""},
        ArgumentsCase{{"--help"}, Action::kHelp, "", ""},
        ArgumentsCase{{"-h"}, Action::kHelp, "", ""},
        // Version and help win wherever they stand, even after a mistake.
        ArgumentsCase{{"plan.DAT", "--version"}, Action::kVersion, "", ""},
        ArgumentsCase{{"--bogus", "--help"}, Action::kHelp, "", ""},
        ArgumentsCase{{"a.DAT", "b.DAT", "-h"}, Action::kHelp, "", ""},
        // After "--" everything is a file, options included.
        ArgumentsCase{{"--", "-odd.DAT"}, Action::kRun, "-odd.DAT", ""},
        ArgumentsCase{{"--", "--version"}, Action::kRun, "--version", ""},
        // "-" alone is a name, not an option.
        ArgumentsCase{{"-"}, Action::kRun, "-", ""},
        ArgumentsCase{{"--bogus"}, Action::kUsageError, "", "unknown option \"--bogus\""},
        ArgumentsCase{{"-x", "plan.DAT"}, Action::kUsageError, "plan.DAT", "unknown option \"-x\""},
        ArgumentsCase{
            {"a.DAT", "b.DAT"}, Action::kUsageError, "a.DAT", "only one data file can be opened"},
        // The first mistake is the one reported.
        ArgumentsCase{{"a.DAT", "b.DAT", "-x"},
                      Action::kUsageError,
                      "a.DAT",
                      "only one data file can be opened"},
        // Qt's own options, with their values, are the toolkit's, with one dash or two; after
        // "--" they are names like any other.
        ArgumentsCase{{"-platform", "offscreen", "plan.DAT"}, Action::kRun, "plan.DAT", ""},
        ArgumentsCase{{"--style", "fusion", "-reverse"}, Action::kRun, "", ""},
        ArgumentsCase{{"-style=fusion", "plan.DAT"}, Action::kRun, "plan.DAT", ""},
        ArgumentsCase{
            {"-platform", "xcb", "--bogus"}, Action::kUsageError, "", "unknown option \"--bogus\""},
        ArgumentsCase{{"--", "-reverse"}, Action::kRun, "-reverse", ""},
        ArgumentsCase{{"-platformx"}, Action::kUsageError, "", "unknown option \"-platformx\""}));

TEST(ProgramArguments, ErrorsInChinese) {
    const std::vector<std::string_view> unknown{"--bogus"};
    EXPECT_EQ(ParseProgramArguments(unknown, Lang::Chinese).error, "未知选项“--bogus”");
    const std::vector<std::string_view> two{"a.DAT", "b.DAT"};
    EXPECT_EQ(ParseProgramArguments(two, Lang::Chinese).error, "只能打开一个数据文件");
}

TEST(ProgramArguments, HelpNamesVersionAndUsageInBothLanguages) {
    for (const Lang lang : {Lang::English, Lang::Chinese}) {
        const std::string help = ProgramHelpText("9.8.7", lang);
        EXPECT_TRUE(help.starts_with("m742 9.8.7 ")) << help;
        for (const char* word : {"m742 --version", "m742 --help", "--version  ", "--help  "}) {
            EXPECT_NE(help.find(word), std::string::npos) << word << " in\n" << help;
        }
    }
    EXPECT_NE(ProgramHelpText("1", Lang::English).find("Usage: m742 [FILE.DAT]"),
              std::string::npos);
    EXPECT_NE(ProgramHelpText("1", Lang::Chinese).find("用法: m742 [文件.DAT]"), std::string::npos);
}

TEST(ProgramArguments, LanguageOfLocale) {
    const struct {
        std::string_view locale;
        Lang lang;
    } cases[] = {
        {"zh_CN.UTF-8", Lang::Chinese}, {"zh_TW", Lang::Chinese}, {"zh", Lang::Chinese},
        {"en_GB.UTF-8", Lang::English}, {"C", Lang::English},     {"C.UTF-8", Lang::English},
        {"de_DE", Lang::English},       {"POSIX", Lang::English},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LanguageOfLocale(c.locale), c.lang) << c.locale;
    }
}

}  // namespace
}  // namespace m742
