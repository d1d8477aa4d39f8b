// The report on paper: its font, the PDF read back (every word and where it stands on the
// page), PDF files that cannot be written or are replaced, and a machine without a printer.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <QTextDocument>

#include <gtest/gtest.h>
#include "memory_rows.h"
#include "radio_data/layout.h"
#include "texts/grid_cells.h"
#include "texts/message_text.h"

#include "channel_editing/channel_plan.h"
#include "pdf_text.h"
#include "printing/qt/print_report.h"
#include "radio_data/lists.h"
#include "temp_folder.h"
#include "texts/list_texts.h"
#include "texts/report.h"

namespace m742 {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// One ASCII character takes half an em of the report's font, a Chinese one a whole em.
constexpr double kCellWidth = kReportPointSize / 2.0;

struct Report {
    Lang lang;
    ReportTab tab;
    const char* name;
};
constexpr Report kReports[] = {
    {Lang::English, ReportTab::kMemory, "English memory channels"},
    {Lang::English, ReportTab::kDebug, "English debug channels"},
    {Lang::Chinese, ReportTab::kMemory, "Chinese memory channels"},
    {Lang::Chinese, ReportTab::kDebug, "Chinese debug channels"},
};

// Channel 1 with the Off word in two fields and a DCS tone, channel 2 with tones and Chinese
// list texts, an over-long debug cell; the other channels as the program starts.
std::vector<std::string> SampleReport(Lang lang, ReportTab tab) {
    EditorState editor = StartupEditor();
    const std::string off(OffWord(lang));
    SetMemoryRow(editor, 1,
                 Row{"1", "460.12500", off, "460.12500", "D023N", off, "Wide", "Yes", "High"});
    SetMemoryRow(editor, 2,
                 Row{"2", "470.00000", "88.5", "471.00000", "254.1", "载波", "宽", "", ""});
    SetDebugCellText(editor, 16, 1, "460.0000012345");
    return ComposeReport(editor, tab, lang);
}

// Cells a text takes on paper: one per ASCII character, two per Chinese one.
int Cells(const std::string& utf8) {
    int cells = 0;
    for (const char byte : utf8) {
        const auto b = static_cast<unsigned char>(byte);
        if ((b & 0xC0) != 0x80) {
            cells += b < 0x80 ? 1 : 2;
        }
    }
    return cells;
}

std::set<std::string> Listing(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(PrintReportTest, ReportIsInAMonospaceFontWithDoubleWidthChinese) {
    // Qt takes another font without a word when the family is missing; the columns then no
    // longer line up, so the family must be the one asked for.
    const QFont font = ReportFont();
    EXPECT_EQ(QFontInfo(font).family().toStdString(), kReportFontFamily)
        << "install fonts-wqy-zenhei (scripts/deps)";
    EXPECT_EQ(QFontInfo(font).pointSize(), kReportPointSize);
    const QFontMetricsF metrics(font);
    const double cell = metrics.horizontalAdvance(QChar(u'0'));
    for (const QString& text : QStringList{" ", "W", "i", ":"}) {
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(text), cell) << text.toStdString();
    }
    for (const QString& text : QStringList{"信", "关", "：", "频"}) {
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(text), 2 * cell) << text.toStdString();
    }

    // The document hands every line to the printer in that font.
    const auto document = ReportDocument(SampleReport(Lang::Chinese, ReportTab::kMemory));
    EXPECT_EQ(QFontInfo(document->defaultFont()).family().toStdString(), kReportFontFamily);
    EXPECT_EQ(QFontInfo(document->defaultFont()).pointSize(), kReportPointSize);
    EXPECT_EQ(static_cast<std::size_t>(document->blockCount()),
              SampleReport(Lang::Chinese, ReportTab::kMemory).size());
}

TEST(PrintReportTest, PdfPutsEveryWordInTheCellsTheTextReportGivesIt) {
    TempFolder folder;
    for (const Report& report : kReports) {
        SCOPED_TRACE(report.name);
        const std::vector<std::string> lines = SampleReport(report.lang, report.tab);
        const fs::path pdf = folder / "report.pdf";
        ASSERT_TRUE(RenderReportPdf(lines, pdf).ok());
        const std::vector<testing::PdfWord> words = testing::PdfWords(pdf);
        ASSERT_FALSE(words.empty());

        // Every word of the text, in order, nothing lost or doubled at the page break; every
        // page starts its lines at the same left edge, from which each word stands as many
        // cells as it does in the text, and no line is broken.
        double left = std::nan("");
        std::size_t next = 0;
        const testing::PdfWord* previousLine = nullptr;
        for (std::size_t number = 1; number <= lines.size(); ++number) {
            const std::string& line = lines[number - 1];
            const testing::PdfWord* lineStart = nullptr;
            for (std::size_t at = line.find_first_not_of(' '); at != std::string::npos;
                 at = line.find_first_not_of(' ', at)) {
                const std::size_t end = std::min(line.find(' ', at), line.size());
                const std::string word = line.substr(at, end - at);
                const int column = Cells(line.substr(0, at));
                ASSERT_LT(next, words.size()) << "missing \"" << word << "\" of line " << number;
                const testing::PdfWord& found = words[next++];
                ASSERT_EQ(found.text, word) << "line " << number;
                if (std::isnan(left)) {
                    left = found.left - column * kCellWidth;
                }
                EXPECT_NEAR(found.left, left + column * kCellWidth, 0.05)
                    << "\"" << word << "\" of line " << number << " is not in cell " << column;
                if (lineStart == nullptr) {
                    lineStart = &found;
                } else {
                    EXPECT_EQ(found.page, lineStart->page) << "line " << number << " broken";
                    EXPECT_DOUBLE_EQ(found.top, lineStart->top) << "line " << number << " broken";
                }
                at = end;
            }
            if (lineStart != nullptr) {
                if (previousLine != nullptr && lineStart->page == previousLine->page) {
                    EXPECT_GT(lineStart->top, previousLine->top) << "line " << number;
                }
                previousLine = lineStart;
            }
        }
        EXPECT_EQ(next, words.size()) << "the PDF holds more words than the report";
        EXPECT_GT(words.back().page, 0) << "the report fills more than one sheet";

        // The font is embedded, so the file prints the same anywhere.
        const std::string fonts = testing::PopplerOutput("pdffonts", "", pdf);
        EXPECT_NE(fonts.find("WenQuanYiZenHeiMono"), std::string::npos) << fonts;
    }
}

TEST(PrintReportTest, PdfThatCannotBeWrittenLeavesTheFolderAsItWas) {
    struct Case {
        std::string out;  // in the test's folder
        std::string reason;
        bool existed;
    };
    std::vector<Case> cases = {
        {"missing/report.pdf", "No such file or directory", false},
        {"plain.txt/report.pdf", "Not a directory", false},
        {"folder", "not a regular file", true},
    };
    if (::geteuid() != 0) {  // the superuser writes into any folder
        cases.push_back({"locked/report.pdf", "Permission denied", false});
    }
    const std::vector<std::string> lines = SampleReport(Lang::English, ReportTab::kMemory);
    for (const Lang lang : {Lang::English, Lang::Chinese}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.out);
            TempFolder folder;
            std::ofstream(folder / "plain.txt") << "text";
            fs::create_directory(folder / "folder");
            fs::create_directory(folder / "locked");
            fs::permissions(folder / "locked", fs::perms::owner_read | fs::perms::owner_exec);
            const std::set<std::string> before = Listing(folder.path());

            const fs::path out = folder / c.out;
            const Status rendered = RenderReportPdf(lines, out);
            EXPECT_EQ(rendered.code, ErrorCode::kFileUnwritable);
            EXPECT_EQ(rendered.where, out.string());
            const std::string expected =
                lang == Lang::English
                    ? "Cannot save the report as \"" + out.string() + "\": " + c.reason + "." +
                          (c.existed ? " The file was not changed." : " No file was written.")
                    : "无法将报表保存为“" + out.string() + "”：";
            const std::string message = Worded(rendered.message, lang);
            EXPECT_TRUE(message.starts_with(expected)) << message;
            EXPECT_EQ(Listing(folder.path()), before);
            EXPECT_TRUE(fs::is_empty(folder / "folder"));
            fs::permissions(folder / "locked", fs::perms::owner_all);
        }
    }
}

TEST(PrintReportTest, PdfReplacesAnExistingFileWhole) {
    TempFolder folder;
    const fs::path pdf = folder / "report.pdf";
    // Longer than any report, so that a file written over in place would keep a tail.
    std::ofstream(pdf, std::ios::binary) << std::string(1 << 20, 'x');
    for (const Report& report : {kReports[0], kReports[3]}) {
        SCOPED_TRACE(report.name);
        ASSERT_TRUE(RenderReportPdf(SampleReport(report.lang, report.tab), pdf).ok());
        const std::string bytes = Bytes(pdf);
        EXPECT_TRUE(bytes.starts_with("%PDF-"));
        EXPECT_NE(bytes.find("%%EOF", bytes.size() - 8), std::string::npos);
        EXPECT_LT(bytes.size(), std::size_t{1} << 20);
        EXPECT_EQ(Listing(folder.path()), std::set<std::string>{"report.pdf"});
    }
    // The second report, not a mix of both.
    const std::string text = testing::PdfText(pdf);
    EXPECT_NE(text.find("调试信道数据:"), std::string::npos) << text;
    EXPECT_EQ(text.find("Memory Channel Data:"), std::string::npos) << text;
}

TEST(PrintReportTest, WithoutAPrinterPrintingSaysWhatToDo) {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "a default printer is installed; the test would print on it";
    }
    const std::vector<std::string> lines = SampleReport(Lang::English, ReportTab::kMemory);
    const Status status = PrintReport(lines);
    EXPECT_EQ(status.code, ErrorCode::kNoPrinter);
    const std::string english = Worded(status.message, Lang::English);
    const std::string chinese = Worded(status.message, Lang::Chinese);
    EXPECT_TRUE(english.starts_with("No printer is installed. Install a printer")) << english;
    EXPECT_TRUE(chinese.starts_with("没有安装打印机。")) << chinese;
    for (const std::string& message : {english, chinese}) {
        EXPECT_NE(message.find("m742-cli report --pdf"), std::string::npos);
    }
}

}  // namespace
}  // namespace m742

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Also when the binary is run by hand or listed by ctest, outside the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
