// The files a user may give the commands where a data file, a PDF or a JSON plan is expected:
// links are followed, permission bits kept, and a read-only file, a pipe, a device or a folder
// is refused at once and left as it was. JSON nested without end is refused, not a crash.
#include <string>

#include "cli_runner.h"
#include "special_files.h"

namespace m742::cli_test {
namespace {

using m742::testing::Describe;
using m742::testing::FileKind;

TEST_F(CliTest, WritersAndReadersRefuseWhatTheyMayNotReplaceOrRead) {
    ASSERT_EQ(Run({"new", "plan.dat"}).status, 0);
    Write("state.json", StartupJson().dump());
    struct Writer {
        std::vector<std::string> args;
        int status;  // when the file may be replaced
        bool writes;
    };
    const Writer writers[] = {
        {{"new", "x.dat"}, 0, true},
        {{"encode", "state.json", "x.dat"}, 0, true},
        {{"report", "--pdf", "x.dat", "plan.dat"}, 0, true},
        // OUT.dat is checked before the port is opened; this port fails the command afterwards.
        {{"read", "--port", "/nonexistent/tty", "--no-backup", "x.dat"}, 3, false},
    };
    for (const auto& kind : m742::testing::kFileKinds) {
        for (const Writer& writer : writers) {
            SCOPED_TRACE(writer.args[0] + " over " + kind.name);
            std::filesystem::remove_all(Path("x.dat"));
            std::filesystem::remove(Path("target"));
            if (!m742::testing::MakeFileKind(kind.kind, Path("x.dat"), "old")) {
                continue;  // a device node needs root
            }
            const std::string before = Describe(Path("x.dat"));
            const auto names = Listing();
            const CliResult result = Run(writer.args);
            EXPECT_EQ(Listing(), names);
            const std::string after = Describe(Path("x.dat"));
            if (!kind.replaced) {
                EXPECT_EQ(result.status, 2) << result.err;
                EXPECT_NE(result.err.find("\"x.dat\": "), std::string::npos) << result.err;
                EXPECT_EQ(after, before);
            } else if (writer.writes) {
                EXPECT_EQ(result.status, writer.status) << result.err;
                EXPECT_NE(after, before);
                EXPECT_TRUE(after.starts_with(
                    kind.kind == FileKind::kLink ? "link to target: file 0600 \"" : "file 0640 \""))
                    << after;
            } else {
                EXPECT_EQ(result.status, writer.status) << result.err;
                EXPECT_EQ(after, before);
            }
        }
    }
    // Read at once and refused, in either language: opening a pipe would wait for a writer.
    for (const FileKind kind : {FileKind::kPipe, FileKind::kDevice, FileKind::kFolder}) {
        std::filesystem::remove_all(Path("in.dat"));
        if (!m742::testing::MakeFileKind(kind, Path("in.dat"), "")) {
            continue;
        }
        const std::pair<std::vector<std::string>, std::string> readers[] = {
            {{"dump", "in.dat"}, "Cannot read \"in.dat\": not a regular file."},
            {{"report", "--lang", "zh", "in.dat"}, "无法读取“in.dat”：不是普通文件。"},
        };
        for (const auto& [args, message] : readers) {
            const CliResult result = Run(args);
            EXPECT_EQ(result.status, 2);
            EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        }
    }
}

TEST_F(CliTest, EncodeRefusesDeepNestingAndQuotesLongValuesShort) {
    const auto Repeated = [](const std::string& text, int times) {
        std::string result;
        for (int i = 0; i < times; ++i) {
            result += text;
        }
        return result;
    };
    const std::string longText(100000, 'x');
    const struct {
        std::string state;
        std::string message;
    } cases[] = {
        {std::string(50000, '[') + std::string(50000, ']'), "nest more than 16 levels deep"},
        // Unbalanced and far deeper: refused before the parser sees it.
        {std::string(2000000, '{'), "nest more than 16 levels deep"},
        {R"({"settings": )" + std::string(16, '[') + std::string(16, ']') + "}",
         "nest more than 16 levels deep"},
        // Brackets inside a text do not nest.
        {R"({"Text2": "[[[[[["})", "Text2: the password holds only digits and \".\", not \"[\""},
        {R"({"Text2": [[[[[[")" + longText + "\"]]]]]]}",
         "Text2: must be a string, not [[[[[[\"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...\n"},
        {R"({"memory": [0)" + Repeated(",0", 50000) + "]}",
         "memory: must hold 16 rows, not 50001\n"},
        {R"({"memory": )" + std::string(100000, '1') + "}", "not valid JSON: number overflow"},
    };
    for (const auto& c : cases) {
        Write("state.json", c.state);
        const CliResult result = Run({"encode", "state.json", "out.dat"});
        EXPECT_EQ(result.status, 2) << result.err.substr(0, 200);
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err.substr(0, 200);
        EXPECT_LT(result.err.size(), 200u);
        EXPECT_EQ(Read("out.dat"), "");
    }
}

}  // namespace
}  // namespace m742::cli_test
