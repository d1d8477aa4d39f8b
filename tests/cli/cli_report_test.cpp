// "report": the printed report of a data file on standard output, and its failures.
#include <map>
#include <sstream>
#include <utility>

#include "cli_runner.h"

namespace m742::cli_test {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST_F(CliTest, ReportPrintsTheReportOfTheOpenedFileOrFails) {
    // Channel 1 with the Off word in its decode tone and busy lock: the file holds no text,
    // so the report's Off field shows that the file was opened in the report's language.
    nlohmann::json state = StartupJson();
    state["memory"][0] = {"460.12500", "Off", "460.12500", "D023N", "Off", "Wide", "No", "Low"};
    Write("state.json", state.dump());
    ASSERT_EQ(Run({"encode", "state.json", "plan.dat"}).status, 0);

    struct Case {
        std::vector<std::string> args;
        std::map<std::size_t, std::string> lines;  // by line number, from 1
    };
    // clang-format off
    const Case cases[] = {
        {{"report", "plan.dat"}, {
            {5, "                 Orvenna"},
            {13, "          LauchTime: 60 S"},
            {23, "          Memory Channel Data:"},
            {26, "          " "     1" "   460.12500" "   Off" "   460.12500" "   D023N" " Off" "Wide"},
            {28, "          " "     2" + std::string(48, ' ')},
        }},
        {{"report", "--lang", "zh", "plan.dat"}, {
            {11, "          监听功能:开始发射"},
            {26, "          " "     1" "   460.12500" "    关闭" "   460.12500" "   D023N" "  关闭" "   宽"},
        }},
        {{"report", "--tab=debug", "plan.dat"}, {
            {23, "          Debug Channel Data:"},
            {26, "          " "     1" "   460.00000" "   460.10000"},
            {42, "          " "     9" + std::string(24, ' ')},
        }},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[1]);
        const CliResult result = Run(c.args);
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "");
        const std::vector<std::string> lines = Lines(result.out);
        ASSERT_EQ(lines.size(), 57u);
        EXPECT_EQ(lines.back(), "");
        for (const auto& [number, expected] : c.lines) {
            EXPECT_EQ(lines[number - 1], expected) << "line " << number;
        }
    }

    // Failures: status 2, one line on stderr, nothing on stdout.
    const std::pair<std::vector<std::string>, std::string> failures[] = {
        {{"report", "none.dat"}, "m742-cli: Cannot open \"none.dat\": the file does not exist."},
        {{"report", "--tab", "all", "plan.dat"},
         "m742-cli: report: --tab takes memory or debug, not \"all\""},
    };
    for (const auto& [args, message] : failures) {
        const CliResult result = Run(args);
        EXPECT_EQ(result.status, 2) << message;
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with(message)) << result.err;
    }
}

}  // namespace
}  // namespace m742::cli_test
