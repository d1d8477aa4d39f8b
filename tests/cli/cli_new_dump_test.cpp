// "new" and "dump": the start-up file, its JSON form and the readable tables in both languages.
#include <sstream>

#include "cli_runner.h"

namespace m742::cli_test {
namespace {

using nlohmann::json;

std::string Bytes(const std::string& file, std::size_t offset, std::size_t count) {
    return file.substr(offset, count);
}

TEST_F(CliTest, NewSavesTheStartupChannelPlan) {
    const CliResult result = Run({"new", "plan.dat"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");

    const std::string file = Read("plan.dat");
    ASSERT_EQ(file.size(), 1074u);
    EXPECT_EQ(Bytes(file, 0, 15), std::string("ZMR47C\xFF\xFF\xFF\xFFV0100"));
    EXPECT_EQ(Bytes(file, 15, 35), std::string(35, '\xFF'));
    EXPECT_EQ(Bytes(file, 50, 16), std::string(16, '\xFF')) << "no password";
    // Settings bytes 3C0h-3CBh, the voice prompt byte 3F0h and the power levels 3F8h/3F9h.
    EXPECT_EQ(Bytes(file, 50 + 0x3C0, 12),
              std::string("\xA7\x05\xFF\x02\x00\x17\x42\x01\xF5\x00\x02\x02", 12));
    EXPECT_EQ(Bytes(file, 50 + 0x3F0, 1), std::string(1, '\x00'));
    EXPECT_EQ(Bytes(file, 50 + 0x3F8, 2), "\x5C\xD0");
    // Memory channel 1 empty with its positions 0; debug channel 1 the factory pair.
    EXPECT_EQ(Bytes(file, 50 + 0x10, 16), std::string(12, '\xFF') + "\xE3\xFF\xFF\xFF");
    EXPECT_EQ(Bytes(file, 50 + 0x110, 16), std::string("\x00\x00\x01\x46\x00\x00\x00\x46", 8) +
                                               std::string(5, '\xFF') + "\x01\x01\xFF");

    // The language of the messages does not change the file.
    ASSERT_EQ(Run({"new", "--lang=zh", "zh.dat"}).status, 0);
    EXPECT_EQ(Read("zh.dat"), file);
    // Nor does an encode of an empty state: every key may be left out.
    Write("empty.json", "{}");
    ASSERT_EQ(Run({"encode", "empty.json", "encoded.dat"}).status, 0);
    EXPECT_EQ(Read("encoded.dat"), file);
}

TEST_F(CliTest, DumpJsonOfTheStartupFileIsTheStartupEditor) {
    ASSERT_EQ(Run({"new", "plan.dat"}).status, 0);
    for (const char* lang : {"en", "zh"}) {
        const CliResult result =
            Run({"dump", "--json", "--plan-version", "1", "--lang", lang, "plan.dat"});
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(json::parse(result.out), StartupJson()) << lang;
    }
}

// The line of `text` that contains `needle`, and the display column where `needle` starts.
int ColumnOf(const std::string& text, const std::string& lineStart, const std::string& needle) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t at = line.find(needle);
        if (line.starts_with(lineStart) && at != std::string::npos) {
            return Columns(line.substr(0, at));
        }
    }
    ADD_FAILURE() << "no line starting \"" << lineStart << "\" holds \"" << needle << "\"";
    return -1;
}

TEST_F(CliTest, DumpTablesLineUpInBothLanguages) {
    json state = StartupJson();
    state["memory"][0] = {"460.12500", "Off",  "461.00000", "D023N",
                          "QT/DQT",    "Wide", "Yes",       "High"};
    state["CellListIndex"][0] = {2, 0, 1, 1};
    Write("state.json", state.dump());
    ASSERT_EQ(Run({"encode", "state.json", "plan.dat"}).status, 0);

    struct Case {
        const char* lang;
        const char* rxHeading;
        const char* busyHeading;
        const char* offWord;
        const char* busyItem;
        const char* squelchCaption;
        const char* squelchItem;
        const char* endBeepCaption;
    };
    const Case cases[] = {
        {"en", "RX Frequency", "Busy Lock", "Off", "QT/DQT", "Squelch Grade", "5 Grade",
         "End Beep"},
        {"zh", "接收频率", "繁忙锁定", "关闭", "亚音", "静噪等级", "5 级", "结束提示音"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang);
        const CliResult result = Run({"dump", "--lang", c.lang, "plan.dat"});
        ASSERT_EQ(result.status, 0) << result.err;
        const std::string& text = result.out;
        // Channel 1's cells start where their headings start.
        EXPECT_EQ(ColumnOf(text, "  1 ", "460.12500"), ColumnOf(text, "  ", c.rxHeading));
        EXPECT_EQ(ColumnOf(text, "  1 ", c.busyItem), ColumnOf(text, "  ", c.busyHeading));
        EXPECT_NE(text.find(std::string(c.offWord)), std::string::npos);
        // The setting texts of the panel start in one column.
        EXPECT_EQ(ColumnOf(text, std::string("  ") + c.squelchCaption, c.squelchItem),
                  ColumnOf(text, std::string("  ") + c.endBeepCaption, c.offWord));
    }
}

TEST_F(CliTest, HelpGoesToStandardOutput) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--help"}, {"dump", "--help"}, {"encode", "-h"}}) {
        const CliResult result = Run(args);
        EXPECT_EQ(result.status, 0) << args[0];
        EXPECT_EQ(result.err, "");
        EXPECT_NE(result.out.find("Usage: m742-cli"), std::string::npos) << result.out;
    }
    EXPECT_NE(Run({"dump", "--help"}).out.find("--json"), std::string::npos);
}

}  // namespace
}  // namespace m742::cli_test
