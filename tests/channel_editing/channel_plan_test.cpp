#include "channel_editing/channel_plan.h"
#include "memory_rows.h"
#include "radio_data/layout.h"
#include "texts/grid_cells.h"

#include <gtest/gtest.h>

namespace m742 {
namespace {

TEST(StartupEditor, HoldsAFreshPlan) {
    const EditorState editor = StartupEditor();
    for (int row = 1; row <= kChannelCount; ++row) {
        EXPECT_EQ(MemoryCellText(editor, row, 0, Lang::English), std::to_string(row));
        EXPECT_EQ(DebugCellText(editor, row, 0), std::to_string(row));
        EXPECT_FALSE(ChannelInUse(editor, row));
    }
    const std::pair<const char*, const char*> debug[] = {
        {"460.10000", "460.00000"}, {"450.10000", "450.00000"}, {"469.90000", "469.97500"},
        {"460.30000", "460.30000"}, {"460.35000", "460.35000"}, {"460.40000", "460.40000"},
        {"460.35000", "460.35000"}, {"460.45000", "460.45000"}, {"", ""}};
    for (int row = 1; row <= 9; ++row) {
        EXPECT_EQ(DebugCellText(editor, row, 1), debug[row - 1].first) << row;
        EXPECT_EQ(DebugCellText(editor, row, 2), debug[row - 1].second) << row;
    }
    EXPECT_EQ(editor.settings, (RadioSettings{0, 1, 2, 5, 1, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(editor.sideKeys, SideKeys{});
    EXPECT_EQ(editor.dtmf, DtmfTiming{});
    EXPECT_EQ(editor.powerLevels, PowerLevels{});
    EXPECT_EQ(editor.powerLevels.high, 208);
    EXPECT_EQ(editor.dialogs.sideKeys, (SideKeys{1, 7, 4, 2}));
    EXPECT_EQ(editor.dialogs.dtmf, (DtmfTiming{0, 2, 2}));
    EXPECT_EQ(editor.dialogs.powerLevels, (PowerLevels{92, 208}));
    EXPECT_TRUE(editor.password.empty());
    EXPECT_TRUE(editor.ani.empty());
}

TEST(ResetChannelPlan, KeepsWhatANewPlanDoesNotReset) {
    EditorState editor = StartupEditor();
    editor.password = "123";
    editor.ani = "99";
    editor.powerLevels.low = 7;
    SetDebugCellText(editor, 12, 1, "455.00000");
    SetDebugCellText(editor, 2, 1, "");
    editor.settings.squelchLevel = 9;
    editor.settings.voicePrompt = 2;
    ResetChannelPlan(editor);
    EXPECT_EQ(editor.password, "123");
    EXPECT_EQ(editor.ani, "99");
    EXPECT_EQ(editor.powerLevels.low, 7);
    EXPECT_EQ(DebugCellText(editor, 12, 1), "455.00000");
    EXPECT_EQ(DebugCellText(editor, 2, 1), "450.10000");
    EXPECT_EQ(editor.settings.squelchLevel, 5);
    EXPECT_EQ(editor.settings.voicePrompt, 0);
}

TEST(ClearingTheGrids, LeavesNumbersAndPositions) {
    EditorState editor = StartupEditor();
    SetMemoryRow(editor, 3,
                 Row{"3", "460.00000", "Off", "460.00000", "Off", "Off", "Wide", "Yes", "High"});
    SetListPositions(editor, 3, Positions{0, 0, 0, 0, 0, 0, 0, 1, 1});
    ClearMemoryChannels(editor);
    ClearDebugChannels(editor);
    EXPECT_EQ(MemoryCellText(editor, 3, 0, Lang::English), "3");
    EXPECT_FALSE(ChannelInUse(editor, 3));
    EXPECT_EQ(ListPositionOf(MemoryChannelOf(editor, 3), 8), 1);
    EXPECT_EQ(DebugCellText(editor, 1, 0), "1");
    EXPECT_EQ(DebugCellText(editor, 1, 1), "");

    SetMemoryCellText(editor, 3, 1, "460.00000");
    ClearMemoryChannel(editor, 3);
    EXPECT_EQ(ListPositionOf(MemoryChannelOf(editor, 3), 8), 0);
    EXPECT_EQ(MemoryCellText(editor, 3, 0, Lang::English), "3");
}

TEST(CreateDialogControls, SelectsOnlyWhatTheListsHold) {
    EditorState editor;
    editor.sideKeys = {9, -1, 7, 0};
    editor.dtmf = {90, 255, 256};
    editor.powerLevels = {255, 300};
    CreateDialogControls(editor);
    EXPECT_EQ(editor.dialogs.sideKeys, (SideKeys{1, 1, 7, 0}));
    EXPECT_EQ(editor.dialogs.dtmf, (DtmfTiming{-1, 255, -1}));
    EXPECT_EQ(editor.dialogs.powerLevels, (PowerLevels{255, 0}));
}

}  // namespace
}  // namespace m742
