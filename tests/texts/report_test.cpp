// The printed report, line by line: the header and settings block, the table titles and
// headings, and the channel rows with their right-aligned fields in both languages.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include "memory_rows.h"
#include "radio_data/layout.h"
#include "texts/grid_cells.h"

#include "channel_editing/channel_plan.h"
#include "texts/report.h"

namespace m742 {
namespace {

constexpr std::size_t kHeaderLines = 22;  // maker, title and the seven settings
constexpr std::size_t kFirstRowLine = 25;
constexpr std::size_t kReportLines = kFirstRowLine + 2 * kChannelCount;

// The line of a channel row (1-16); every row is followed by a blank line.
const std::string& RowLine(const std::vector<std::string>& report, int row) {
    const std::size_t line = kFirstRowLine + 2 * static_cast<std::size_t>(row - 1);
    EXPECT_EQ(report.at(line + 1), "") << "after row " << row;
    return report.at(line);
}

TEST(ReportTest, HeaderAndSettingsFollowTheLanguageAndTheListPositions) {
    struct Case {
        Lang lang;
        std::array<std::string, kHeaderLines> lines;
    };
    // clang-format off
    const Case cases[] = {
        {Lang::English, {
            "", "", "", "",
            "                 Orvenna", "",
            "              M-742-Programming Data", "",
            "          Frequency: 400-480MHz", "",
            "            Monitor: ", "",
            "          LauchTime: Off", "",
            "      Squelch Grade: 9 Grade", "",
            "       Battery Save: Off", "",
            "               Beep: On", "",
            "     Frequency Band: CH-16", "",
        }},
        {Lang::Chinese, {
            "", "", "", "",
            "                              Orvenna", "",
            "              M-742-编程数据", "",
            "          频段:    400-480MHz", "",
            "          监听功能:", "",
            "          发射定时:关闭", "",
            "          静噪等级:9 级", "",
            "          省电:    关闭", "",
            "          提示音:  打开", "",
            "          频带:    CH-16", "",
        }},
    };
    // clang-format on
    for (const Case& c : cases) {
        EditorState editor = StartupEditor();
        editor.settings.pttId = -1;  // no selection prints an empty text
        editor.settings.transmitTimeout = 0;
        editor.settings.squelchLevel = 9;
        editor.settings.batterySave = 0;
        editor.settings.beep = 1;
        editor.settings.priorityChannel = 15;
        for (const ReportTab tab : {ReportTab::kMemory, ReportTab::kDebug}) {
            const std::vector<std::string> report = ComposeReport(editor, tab, c.lang);
            ASSERT_EQ(report.size(), kReportLines);
            for (std::size_t i = 0; i < kHeaderLines; ++i) {
                EXPECT_EQ(report[i], c.lines[i]) << "line " << i + 1;
            }
        }
    }
}

TEST(ReportTest, TableTitleAndHeadingFollowTheTab) {
    struct Case {
        Lang lang;
        ReportTab tab;
        std::string title;
        std::string heading;
    };
    const Case cases[] = {
        {Lang::English, ReportTab::kMemory, "          Memory Channel Data:",
         "        Channel RXFrequency QT/DQT TXFrequency  QT/DQT Prohibit  Move"},
        {Lang::English, ReportTab::kDebug,
         "          Debug Channel Data:", "          channel  TxFrequency   RxFrequency"},
        {Lang::Chinese, ReportTab::kMemory, "          记忆信道数据:",
         "          信道  接收频率    亚音频  发射频率    亚音频  禁发  频移"},
        {Lang::Chinese, ReportTab::kDebug,
         "          调试信道数据:", "          信道  接收频率    发射频率"},
    };
    for (const Case& c : cases) {
        const auto report = ComposeReport(StartupEditor(), c.tab, c.lang);
        EXPECT_EQ(report.at(22), c.title);
        EXPECT_EQ(report.at(23), "");
        EXPECT_EQ(report.at(24), c.heading);
    }
}

TEST(ReportTest, MemoryRowsAlignEachFieldAndNarrowTheOffWord) {
    struct Case {
        Lang lang;
        int row;
        std::array<std::string, 6> cells;  // columns 1-6
        std::string expected;
    };
    // The pieces of each expected line are the margin and the fields: channel 6, RX 12,
    // decode tone 8 (6 for the Off word), TX 12, encode tone 8 (6), busy lock 4, band 4.
    // clang-format off
    const Case cases[] = {
        {Lang::English, 1, {"460.12500", "88.5", "461.00000", "D023N", "Carrier", "Wide"},
         "          " "     1" "   460.12500" "    88.5" "   461.00000" "   D023N" "Carrier" "Wide"},
        {Lang::English, 2, {"450.00000", "Off", "", "Off", "Off", "Narrow"},
         "          " "     2" "   450.00000" "   Off" "            " "   Off" " Off" "Narrow"},
        {Lang::English, 3, {"", "", "", "", "", ""},
         "          " "     3" "            " "        " "            " "        " "    " "    "},
        // An over-long cell is printed whole; Off is worded in the report's language.
        {Lang::English, 16, {"460.0000012345", "关闭", "460.00000", "D754I", "Off", "Wide"},
         "          " "    16" "460.0000012345" "   Off" "   460.00000" "   D754I" " Off" "Wide"},
        {Lang::Chinese, 1, {"460.12500", "88.5", "461.00000", "D023N", "亚音", "宽"},
         "          " "     1" "   460.12500" "    88.5" "   461.00000" "   D023N" "  亚音" "   宽"},
        {Lang::Chinese, 2, {"450.00000", "关闭", "", "关闭", "关闭", "窄"},
         "          " "     2" "   450.00000" "    关闭" "            " "    关闭" "  关闭" "   窄"},
        {Lang::Chinese, 3, {"", "", "", "", "", ""},
         "          " "     3" "            " "        " "            " "        " "    " "    "},
        {Lang::Chinese, 16, {"460.00000", "Off", "460.00000", "88.5", "载波", "窄"},
         "          " "    16" "   460.00000" "    关闭" "   460.00000" "    88.5" "  载波" "   窄"},
    };
    // clang-format on
    for (const Case& c : cases) {
        EditorState editor = StartupEditor();
        Row cells = MemoryRow(editor, c.row);
        std::copy(c.cells.begin(), c.cells.end(), cells.begin() + 1);
        cells[7] = "Yes";  // add scan and TX power are not printed
        cells[8] = "High";
        SetMemoryRow(editor, c.row, cells);
        const auto report = ComposeReport(editor, ReportTab::kMemory, c.lang);
        EXPECT_EQ(RowLine(report, c.row), c.expected) << "row " << c.row;
    }
}

TEST(ReportTest, DebugRowsPrintTheFrequenciesInTheHeadingsOrder) {
    struct Case {
        Lang lang;
        int row;
        std::string expected;
    };
    // Rows 1 and 9 as the start-up editor has them (460.10000 RX, 460.00000 TX; empty), row 16
    // with an over-long RX cell and a TX cell of 470.00000. English prints TX first.
    // clang-format off
    const Case cases[] = {
        {Lang::English, 1, "          " "     1" "   460.00000" "   460.10000"},
        {Lang::English, 9, "          " "     9" "            " "            "},
        {Lang::English, 16, "          " "    16" "   470.00000" "460.0000012345"},
        {Lang::Chinese, 1, "          " "     1" "   460.10000" "   460.00000"},
        {Lang::Chinese, 9, "          " "     9" "            " "            "},
        {Lang::Chinese, 16, "          " "    16" "460.0000012345" "   470.00000"},
    };
    // clang-format on
    for (const Case& c : cases) {
        EditorState editor = StartupEditor();
        SetDebugCellText(editor, 16, 1, "460.0000012345");
        SetDebugCellText(editor, 16, 2, "470.00000");
        const auto report = ComposeReport(editor, ReportTab::kDebug, c.lang);
        EXPECT_EQ(RowLine(report, c.row), c.expected) << "row " << c.row;
    }
}

}  // namespace
}  // namespace m742
