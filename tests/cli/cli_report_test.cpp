// "report": the printed report of a data file on standard output or in a PDF file, and its
// failures.
#include <sys/mount.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <utility>

#include "cli_runner.h"
#include "pdf_text.h"

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

// The text with every run of blanks made one blank: pdftotext spaces words only roughly.
std::string OneBlank(const std::string& text) {
    std::string result;
    for (const char c : text) {
        if (c != ' ' || (!result.empty() && result.back() != ' ')) {
            result += c;
        }
    }
    return result;
}

// Sets an environment variable for the tool the test runs, or removes it, until the end of
// the scope.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedVariable() { m_old ? ::setenv(m_name, m_old->c_str(), 1) : ::unsetenv(m_name); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

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

TEST_F(CliTest, ReportPdfPrintsThePagesIntoAFileOrLeavesNone) {
    ASSERT_EQ(Run({"new", "plan.dat"}).status, 0);
    // The command draws no window: neither a missing display nor one that cannot be reached
    // may stop it.
    const ScopedVariable platform("QT_QPA_PLATFORM", nullptr);
    for (const char* display : {":77", static_cast<const char*>(nullptr)}) {
        SCOPED_TRACE(display != nullptr ? display : "no display");
        const ScopedVariable variable("DISPLAY", display);
        struct Case {
            std::vector<std::string> args;
            std::string pdf;
            std::vector<std::string> texts;  // with single blanks
        };
        const Case cases[] = {
            {{"report", "--pdf", "report.pdf", "plan.dat"},
             "report.pdf",
             {"M-742-Programming Data", "Memory Channel Data:",
              "Channel RXFrequency QT/DQT TXFrequency QT/DQT Prohibit Move\n"}},
            {{"report", "--lang=zh", "--tab", "debug", "--pdf=调试.pdf", "plan.dat"},
             "调试.pdf",
             {"M-742-编程数据", "调试信道数据:", " 1 460.10000 460.00000\n"}},
        };
        for (const Case& c : cases) {
            std::filesystem::remove(Path(c.pdf));
            const CliResult result = Run(c.args);
            EXPECT_EQ(result.status, 0) << result.err;
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(result.err, "");
            EXPECT_TRUE(Read(c.pdf).starts_with("%PDF-"));
            const std::string text = OneBlank(m742::testing::PdfText(Path(c.pdf)));
            for (const std::string& expected : c.texts) {
                EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
            }
        }
    }
    const std::vector<std::string> files{"plan.dat", "report.pdf", "调试.pdf"};
    ASSERT_EQ(Listing(), files);

    // Failures: status 2, one line on stderr, no file created and none changed.
    const std::string plan = Read("plan.dat");
    const std::string pdf = Read("report.pdf");
    const std::pair<std::vector<std::string>, std::string> failures[] = {
        {{"report", "--pdf", "missing/report.pdf", "plan.dat"},
         "m742-cli: Cannot save the report as \"missing/report.pdf\": No such file or "
         "directory. No file was written.\n"},
        {{"report", "--lang", "zh", "--pdf", "missing/report.pdf", "plan.dat"},
         "m742-cli: 无法将报表保存为“missing/report.pdf”："},
        {{"report", "--pdf", "report.pdf", "none.dat"},
         "m742-cli: Cannot open \"none.dat\": the file does not exist.\n"},
        // The file name forgotten: the data file is taken for the PDF, and nothing is written.
        {{"report", "--pdf", "plan.dat"}, "m742-cli: report: "},
    };
    for (const auto& [args, message] : failures) {
        const CliResult result = Run(args);
        EXPECT_EQ(result.status, 2) << message;
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with(message)) << result.err;
        EXPECT_EQ(Listing(), files);
        EXPECT_EQ(Read("plan.dat"), plan);
        EXPECT_EQ(Read("report.pdf"), pdf);
    }
}

// A PDF that does not fit on the disk is a failure that names the file, and the old file stays.
// Needs a file system to fill: a small tmpfs, which only root may mount.
TEST_F(CliTest, ReportPdfOnAFullDiskFailsAndKeepsTheOldFile) {
    const auto disk = Path("disk");
    std::filesystem::create_directory(disk);
    if (::geteuid() != 0 || ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=12k") != 0) {
        GTEST_SKIP() << "no small file system to fill here";
    }
    Write("plan.dat", DataFileOf(std::vector<unsigned char>(1024, 0xFF)));
    const std::string old = "%PDF-1.4 an older report %%EOF\n";
    Write("disk/report.pdf", old);
    const CliResult result = Run({"report", "--pdf", "disk/report.pdf", "plan.dat"});
    const std::string kept = Read("disk/report.pdf");
    const auto left = std::distance(std::filesystem::directory_iterator(disk), {});
    ::umount(disk.c_str());
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("Cannot save the report as \"disk/report.pdf\": the PDF could not "
                              "be written whole (is the disk full?). The file was not changed."),
              std::string::npos)
        << result.err;
    EXPECT_EQ(kept, old);
    EXPECT_EQ(left, 1);  // no temporary file left behind
}

}  // namespace
}  // namespace m742::cli_test
