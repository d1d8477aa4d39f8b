#include "channel_editing/grid_text.h"

#include <gtest/gtest.h>

#include "channel_editing/channel_plan.h"

namespace m742 {
namespace {

TEST(SetGrid1Text, RetextsOffAndListCellsOfChannelsInUse) {
    EditorState editor = StartupEditor(1);
    editor.mfgrid1[1] = {"1",   "460.00000", "Off", "460.00000", "88.5",
                         "Off", "Wide",      "Yes", "High"};
    editor.CellListIndex[1] = {0, 0, 0, 0, 0, 1, 1, 0, 1};  // positions rule, not the texts
    editor.mfgrid1[2] = {"2", "450.00000", "D023N", "", "", "", "", "", ""};
    editor.CellListIndex[2] = {0, 0, 0, 0, 0, 2, 0, 1, 0};

    editor.LanguageFlag = 0;
    SetGrid1Text(editor);
    using Row = std::array<std::string, kMemoryColumns>;
    EXPECT_EQ(editor.mfgrid1[1],
              (Row{"1", "460.00000", "关闭", "460.00000", "88.5", "载波", "窄", "否", "高"}));
    EXPECT_EQ(editor.mfgrid1[2],
              (Row{"2", "450.00000", "D023N", "", "", "亚音", "宽", "是", "低"}));
    EXPECT_EQ(editor.mfgrid1[3], (Row{"3", "", "", "", "", "", "", "", ""}));  // empty stays

    editor.LanguageFlag = 1;
    SetGrid1Text(editor);
    EXPECT_EQ(editor.mfgrid1[1][2], "Off");
    EXPECT_EQ(editor.mfgrid1[1][5], "Carrier");
    EXPECT_EQ(editor.mfgrid1[2][4], "");  // an empty encode tone is no Off word
}

}  // namespace
}  // namespace m742
