// Output files: links followed, permission bits kept, and a read-only file, a pipe, a device
// or a folder refused at once and left alone. Deep JSON is refused, not a crash.
#include <algorithm>

#include "cli_runner.h"
#include "special_files.h"

namespace m742::cli_test {
namespace {

namespace fs = std::filesystem;
using m742::testing::Describe;

TEST_F(CliTest, WritersRefuseWhatTheyMayNotReplace) {
    ASSERT_EQ(Run({"new", "plan.dat"}).status, 0);
    Write("state.json", StartupJson().dump());
    const std::vector<std::string> writers[] = {
        {"new", "x.dat"},
        {"encode", "state.json", "x.dat"},
        {"report", "--pdf", "x.dat", "plan.dat"},
        {"export-csv", "plan.dat", "x.dat"},
        // Checked before the port, which then fails (status 3) and writes nothing.
        {"read", "--port", "/nonexistent/tty", "--no-backup", "x.dat"},
    };
    for (const auto& kind : m742::testing::kFileKinds) {
        for (const auto& args : writers) {
            SCOPED_TRACE(args[0] + " over " + kind.name);
            fs::remove_all(Path("x.dat"));
            fs::remove(Path("target"));
            if (!m742::testing::MakeFileKind(kind.kind, Path("x.dat"), "old")) {
                continue;
            }
            const std::string before = Describe(Path("x.dat"));
            const auto names = Listing();
            const CliResult result = Run(args);
            EXPECT_EQ(Listing(), names);
            const std::string after = Describe(Path("x.dat"));
            const bool writes = kind.replaced != nullptr && args[0] != "read";
            EXPECT_EQ(result.status, !kind.replaced ? 2 : writes ? 0 : 3) << result.err;
            EXPECT_EQ(after == before, !writes) << after;
            if (writes) {
                EXPECT_TRUE(after.starts_with(kind.replaced)) << after;
            }
        }
    }
}

TEST_F(CliTest, EncodeRefusesDeepNestingDuplicateKeysAndQuotesLongValuesShort) {
    std::string longArray = "0";
    for (int i = 0; i < 50000; ++i) {
        longArray += ",0";
    }
    const std::pair<std::string, std::string> cases[] = {
        {std::string(50000, '[') + std::string(50000, ']'), "nest more than 16 levels deep"},
        {std::string(1000000, '['), "nest more than 16 levels deep"},  // never parsed whole
        {std::string(2000000, ' '), "too large for a channel plan (more than 1048576 bytes)"},
        {R"({"channels": [], "channels": []})", "the key \"channels\" is given twice"},
        {R"({"settings": {"beep": true, "beep": false}})", "the key \"beep\" is given twice"},
        {R"({"settings": )" + std::string(16, '[') + std::string(16, ']') + "}",
         "nest more than 16 levels deep"},
        {R"({"Text2": "[[[[[["})", "Text2: the password holds only digits and \".\", not \"[\""},
        {R"({"Text2": [[[[[[")" + std::string(100000, 'x') + "\"]]]]]]}",
         "Text2: must be a string, not [[[[[[\"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...\n"},
        {R"({"memory": [)" + longArray + "]}", "memory: must hold 16 rows, not 50001\n"},
        {R"({"memory": )" + std::string(100000, '1') + "}", "not valid JSON: number overflow"},
    };
    for (const auto& [state, message] : cases) {
        Write("state.json", state);
        const CliResult result = Run({"encode", "state.json", "out.dat"});
        EXPECT_EQ(result.status, 2);
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err.substr(0, 200);
        EXPECT_LT(result.err.size(), 200u);
        EXPECT_EQ(Listing(), std::vector<std::string>{"state.json"});
    }
}

// Inputs are bounded and regular: a pipe named as a file is refused at once (standard input is
// "-"), and standard input holds no more than a file may. "-" as the output writes the data
// file to standard output.
TEST_F(CliTest, StandardStreamsAndPipes) {
    ASSERT_TRUE(m742::testing::MakeFileKind(m742::testing::FileKind::kPipe, Path("pipe"), ""));
    CliResult result = Run({"encode", "pipe", "out.dat"});  // would wait for a writer
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("Cannot read \"pipe\": not a regular file."), std::string::npos)
        << result.err;

    const std::string huge(1100000, ' ');
    for (const auto& [command, limit] : {std::pair{"encode", "for a channel plan"},
                                         std::pair{"import-csv", "for a channel list"}}) {
        result = Run({command, "-", "out.dat"}, huge);
        EXPECT_EQ(result.status, 2) << command;
        EXPECT_NE(result.err.find(std::string("\"standard input\" is too large ") + limit +
                                  " (more than 1048576 bytes)."),
                  std::string::npos)
            << result.err;
    }

    Write("plan.json", R"({"format": "m742-plan", "version": 2, "password": "12"})");
    ASSERT_EQ(Run({"encode", "plan.json", "file.dat"}).status, 0);
    result = Run({"encode", "plan.json", "-"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, Read("file.dat"));
    const std::string csv = "Location,Frequency\r\n1,460.125\r\n";
    Write("list.csv", csv);
    result = Run({"import-csv", "-", "-"}, csv);
    EXPECT_EQ(result.status, 0) << result.err;
    ASSERT_EQ(Run({"import-csv", "list.csv", "list.dat"}).status, 0);
    EXPECT_EQ(result.out, Read("list.dat"));
    EXPECT_NE(result.err.find("Imported 1 channel, skipped 0 rows."), std::string::npos);
    EXPECT_EQ(Listing(),
              (std::vector<std::string>{"file.dat", "list.csv", "list.dat", "pipe", "plan.json"}));
}

// Row messages come in the file's order, the first 20 of them, with a file's control
// characters shown as \xNN.
TEST_F(CliTest, ImportCsvMessagesAreOrderedCappedAndPrintable) {
    std::string csv = "Location,Frequency\n2,460.007\n3,\x1B[2J499\n";
    for (int row = 0; row < 25; ++row) {
        csv += "17,460.125\n";
    }
    Write("list.csv", csv);
    const CliResult result = Run({"import-csv", "list.csv", "out.dat"});
    EXPECT_EQ(result.status, 1);
    const std::size_t moved = result.err.find("Line 2 (Location 2): RX Frequency 460.007000");
    const std::size_t escaped = result.err.find("Line 3 (Location 3): Frequency \"\\x1B[2J499\"");
    EXPECT_NE(moved, std::string::npos) << result.err;
    EXPECT_NE(escaped, std::string::npos) << result.err;
    EXPECT_LT(moved, escaped);
    EXPECT_EQ(result.err.find('\x1B'), std::string::npos);
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 21);
    EXPECT_NE(result.err.find("list.csv: … and 7 more rows\n"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace m742::cli_test
