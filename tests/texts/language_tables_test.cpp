#include "texts/language_tables.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "message_captions.h"

namespace m742 {
namespace {

const TextRow* FindRow(std::string_view control, TextProperty property, int index) {
    for (const auto* rows : {&MainWindowTexts(), &MainWindowFixedTexts()}) {
        for (const TextRow& row : *rows) {
            if (row.control == control && row.property == property && row.index == index) {
                return &row;
            }
        }
    }
    return nullptr;
}

TEST(MainWindowTexts, EachControlTextIsGivenOnceInOneTable) {
    // A text that reads the same in both languages belongs among the fixed texts.
    std::set<std::tuple<std::string, std::string, TextProperty, int>> seen;
    for (const auto* rows : {&MainWindowTexts(), &MainWindowFixedTexts()}) {
        const bool fixed = rows == &MainWindowFixedTexts();
        for (const TextRow& row : *rows) {
            EXPECT_EQ(row.window, "Form1") << row.control;
            EXPECT_TRUE(seen.emplace(row.window, row.control, row.property, row.index).second)
                << row.control << " " << row.index;
            EXPECT_FALSE(row.zh.empty()) << row.control << " " << row.index;
            EXPECT_EQ(row.zh == row.en, fixed) << row.control << " " << row.index;
        }
    }
}

// The rows are applied in groups: window caption, menus, frames, tooltips, tabs, headings,
// labels and button, list items.
int GroupOf(const TextRow& row) {
    switch (row.property) {
        case TextProperty::kWindowTitle:
            return 0;
        case TextProperty::kCaption:
            return row.control.starts_with("mnu") ? 1 : row.control.starts_with("Frame") ? 2 : 6;
        case TextProperty::kToolTip:
            return 3;
        case TextProperty::kTab:
            return 4;
        case TextProperty::kHeading:
            return 5;
        case TextProperty::kItem:
            return 7;
    }
    return -1;
}

TEST(MainWindowTexts, RowsFollowTheOrderOfTheGroups) {
    // Rows per group: 21 menus, the 2 report commands beside Print, the 2 channel-list
    // commands, Recent Files and Save to Current File, 5 tooltips, 14 labels and a button, 59
    // list items.
    const std::vector<int> expectedCounts{1, 27, 2, 5, 2, 12, 15, 59};
    std::vector<int> counts(expectedCounts.size());
    int previous = 0;
    for (const TextRow& row : MainWindowTexts()) {
        const int group = GroupOf(row);
        EXPECT_LE(previous, group) << row.control << " " << row.index;
        previous = group;
        ++counts[static_cast<std::size_t>(group)];
    }
    EXPECT_EQ(MainWindowTexts().front().property, TextProperty::kWindowTitle);
    EXPECT_EQ(counts, expectedCounts);
    EXPECT_EQ(MainWindowFixedTexts().size(), 30u);  // 10 menus, 3 labels, 17 list items
}

TEST(MainWindowTexts, TextsAreExactlyAsShown) {
    struct Case {
        std::string_view control;
        TextProperty property;
        int index;
        std::string_view zh;
        std::string_view en;
    };
    constexpr TextProperty kCaption = TextProperty::kCaption;
    constexpr TextProperty kItem = TextProperty::kItem;
    const Case cases[] = {
        {"Form1", TextProperty::kWindowTitle, -1, "M-742对讲机编程软件 V2.60",
         "M-742 Radio Software V2.50"},
        {"mnuEnglist", kCaption, -1, "英文(&E)", "Englist(&E)"},
        {"mnumainhelp", kCaption, -1, "帮助主题 F1", "Topic of help F1"},
        {"mnucom", kCaption, -1, "通信串口(&V)", "Com Port(&V)"},
        {"mnuAssave", kCaption, -1, "保存(&S)", "Save(&S)"},
        {"Label7", kCaption, -1, "发射超时", "Lauch Time"},
        {"Label1", kCaption, -1, "尾音消除", "Tail Delect"},
        {"Toolbar1", TextProperty::kToolTip, 5, "读频", "Read"},
        {"TabStrip1", TextProperty::kTab, 1, "记忆信道", "Memory Channel "},
        {"mfgrid1", TextProperty::kHeading, 4, "亚音频", "QT/DQT Enc"},
        {"mfgrid1", TextProperty::kHeading, 6, "带宽", "Band"},
        {"Combo3", kItem, 2, "60 秒", "60 S"},
        {"Combo3", kItem, 10, "300 秒", "300 S"},
        {"Combo4", kItem, 0, "0 级", "0 Grade"},
        {"Combo13", kItem, 0, "1 级", "1 Grade"},
        {"Combo12", kItem, 0, "打开", "On"},
        {"Combo11", kItem, 3, "频率消尾音", "Frequency"},
        {"Combo8", kItem, 0, "关闭", "Off"},
        {"Combo5_5", kItem, 2, "亚音", "QT/DQT"},
        {"Combo5_8", kItem, 1, "高", "High"},
        {"mnucom8", kCaption, -1, "COM8(&8)", "COM8(&8)"},
        {"Combo1", kItem, 0, "400-480MHz", "400-480MHz"},
        {"Combo7", kItem, 15, "CH-16", "CH-16"},
    };
    for (const Case& c : cases) {
        const TextRow* row = FindRow(c.control, c.property, c.index);
        ASSERT_NE(row, nullptr) << c.control << " " << c.index;
        EXPECT_EQ(row->in(Lang::Chinese), c.zh) << c.control << " " << c.index;
        EXPECT_EQ(row->in(Lang::English), c.en) << c.control << " " << c.index;
    }
}

TEST(MessageButtonCaption, FollowsTheLanguageFlagAndOtherwiseLeavesThePlatformCaption) {
    for (const auto& button : testing::kButtonCaptions) {
        for (const std::int16_t flag : {0, 1, 2}) {
            EXPECT_EQ(MessageButtonCaption(button.id, flag),
                      button.byFlag[static_cast<std::size_t>(flag)])
                << button.id << " " << flag;
        }
    }
    // Other flags and identifiers of no button keep the platform's caption.
    const std::pair<int, std::int16_t> none[] = {{1, 3}, {1, -1}, {6, 256}, {0, 0}, {3, 0}, {8, 2}};
    for (const auto& [id, flag] : none) {
        EXPECT_EQ(MessageButtonCaption(id, flag), std::nullopt) << id << " " << flag;
    }
}

}  // namespace
}  // namespace m742
