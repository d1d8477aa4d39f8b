// diff: its exit statuses, the shape of --json, and the table's columns in both languages.
#include "cli_runner.h"

namespace m742::cli_test {
namespace {

using nlohmann::json;

TEST_F(CliTest, DiffTellsEqualDifferentAndUnreadable) {
    ASSERT_EQ(Run({"new", "a.dat"}).status, 0);
    std::string b = Read("a.dat");
    b[50 + 0x3C1] = 3;  // squelch grade 3
    b[50 + 0x3E0] = 0;  // a byte the program does not know
    Write("b.dat", b);
    Write("short.dat", b.substr(0, 1000));

    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;  // part of stdout
        std::string err;  // part of stderr
    };
    const Case cases[] = {
        {{"diff", "a.dat", "a.dat"}, 0, "The files are the same.\n", ""},
        {{"diff", "--lang", "zh", "a.dat", "a.dat"}, 0, "两个文件相同。\n", ""},
        {{"diff", "a.dat", "b.dat"}, 1, "  Squelch Grade  5 Grade  3 Grade\n", ""},
        {{"diff", "--lang", "zh", "a.dat", "b.dat"}, 1, "  静噪等级  5 级  3 级\n", ""},
        {{"diff", "a.dat", "none.dat"},
         2,
         "",
         "Cannot open \"none.dat\": the file does not exist."},
        {{"diff", "short.dat", "a.dat"}, 2, "", "\"short.dat\" is not an M-742 data file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        const CliResult result = Run(c.args);
        EXPECT_EQ(result.status, c.status) << result.err;
        EXPECT_NE(result.out.find(c.out), std::string::npos) << result.out;
        EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
    }

    const CliResult result = Run({"diff", "--json", "a.dat", "b.dat"});
    EXPECT_EQ(result.status, 1);
    const json expected = {
        {"format", "m742-diff"},
        {"version", 1},
        {"a", "a.dat"},
        {"b", "b.dat"},
        {"equal", false},
        {"channels", json::array()},
        {"debug_channels", json::array()},
        {"settings", {{{"key", "squelch_level"}, {"a", 5}, {"b", 3}}}},
        {"dialogs", json::array()},
        {"password", nullptr},
        {"ani", nullptr},
        {"other_bytes",
         {{{"area", "image"}, {"first", 0x3E0}, {"last", 0x3E0}, {"a", "FF"}, {"b", "00"}}}},
    };
    EXPECT_EQ(json::parse(result.out), expected);
    EXPECT_EQ(json::parse(Run({"diff", "--json", "a.dat", "a.dat"}).out)["equal"], true);
}

}  // namespace
}  // namespace m742::cli_test
