#include "channel_editing/editor_change.h"
#include "memory_rows.h"
#include "radio_data/layout.h"
#include "texts/grid_cells.h"

#include <gtest/gtest.h>

#include <random>

#include "channel_editing/channel_plan.h"
#include "radio_data/lists.h"
#include "texts/list_texts.h"

namespace m742 {
namespace {

// A channel in use as the grid's editors leave it, entered in English.
void FillChannel(EditorState& editor, int row, std::mt19937& random) {
    const auto r = static_cast<std::size_t>(row);
    const Lang lang = Lang::English;
    const std::string rx = std::to_string(400 + int(random() % 80)) + ".12500";
    const std::string off(OffWord(lang));
    SetMemoryRow(editor, r,
                 Row{std::to_string(row), rx, random() % 2 != 0 ? off : "88.5", rx,
                     random() % 2 != 0 ? "D023N" : off});
    for (int column = kFirstListColumn; column <= kLastListColumn; ++column) {
        const int position = int(random() % std::size_t(ListSize(GridColumnList(column))));
        SetListPosition(MemoryChannelOf(editor, r), std::size_t(column), std::int16_t(position));
        SetMemoryCellText(editor, r, std::size_t(column),
                          ListItem(GridColumnList(column), position, lang));
    }
}

// Changes a few parts of `editor` at random: memory rows, debug rows, settings, dialogs.
void Scramble(EditorState& editor, std::mt19937& random) {
    const int steps = 1 + int(random() % 4);
    for (int step = 0; step < steps; ++step) {
        const int row = 1 + int(random() % kChannelCount);
        switch (random() % 6) {
            case 0:
                FillChannel(editor, row, random);
                break;
            case 1:
                ClearMemoryChannel(editor, row);
                break;
            case 2:
                SetDebugCellText(editor, std::size_t(row), 1,
                                 std::to_string(random() % 500) + ".00000");
                break;
            case 3:
                editor.settings.squelchLevel = std::int16_t(random() % 10);
                editor.ani = std::to_string(random() % 1000);
                break;
            case 4:
                editor.powerLevels.low = std::int16_t(random() % 256);
                editor.dialogs.powerLevels.low = editor.powerLevels.low;
                break;
            default:
                editor.password = std::to_string(random() % 100000);
                break;
        }
    }
}

TEST(EditorChange, RedoGivesAfterAndUndoGivesBefore) {
    std::mt19937 random(742);
    for (int round = 0; round < 300; ++round) {
        EditorState before = StartupEditor();
        Scramble(before, random);
        EditorState after = before;
        Scramble(after, random);
        const EditorChange change({EditKind::kCell, 1, 1, {}}, before, after);
        EXPECT_EQ(change.empty(), before == after) << "round " << round;
        EditorState editor = before;
        change.Redo(editor);
        ASSERT_EQ(editor, after) << "round " << round;
        change.Undo(editor);
        ASSERT_EQ(editor, before) << "round " << round;
    }
}

// A step puts back only what it changed: what changed elsewhere since (another step undone out
// of order, a dialog's lists moved before its OK) stays as it is.
TEST(EditorChange, TouchesOnlyTheChangedParts) {
    struct Case {
        const char* what;
        void (*edit)(EditorState&);
    };
    const Case cases[] = {
        {"a memory cell", [](EditorState& e) { SetMemoryCellText(e, 3, 1, "460.00000"); }},
        {"a list position",
         [](EditorState& e) { SetListPosition(MemoryChannelOf(e, 5), kColumnTxPower, 1); }},
        {"a debug row", [](EditorState& e) { SetDebugCellText(e, 9, 2, "470.00000"); }},
        {"the ANI box", [](EditorState& e) { e.ani = "12#"; }},
        {"a panel list", [](EditorState& e) { e.settings.batterySave = 0; }},
        {"a dialog setting", [](EditorState& e) { e.dtmf.digitDelay = 7; }},
    };
    for (const Case& c : cases) {
        const EditorState before = StartupEditor();
        EditorState after = before;
        c.edit(after);
        const EditorChange change({EditKind::kCell, 3, 1, {}}, before, after);
        ASSERT_FALSE(change.empty()) << c.what;

        // Elsewhere, meanwhile: another memory row, another debug row, the password.
        EditorState editor = after;
        SetMemoryCellText(editor, 12, 1, "455.00000");
        SetDebugCellText(editor, 14, 1, "401.00000");
        EditorState expected = before;
        SetMemoryCellText(expected, 12, 1, "455.00000");
        SetDebugCellText(expected, 14, 1, "401.00000");
        change.Undo(editor);
        EXPECT_EQ(editor, expected) << c.what;
    }
}

// A step holds values, not words: a tone entered as the Chinese Off word reads as "Off" once
// the language has switched.
TEST(EditorChange, StepsHoldValuesNotWords) {
    std::mt19937 random(1);
    EditorState before = StartupEditor();
    EditorState after = before;
    FillChannel(after, 4, random);
    SetMemoryCellText(after, 4, kColumnDecodeTone, std::string(OffWord(Lang::Chinese)));
    const EditorChange change({EditKind::kCell, 4, 1, {}}, before, after);

    EditorState editor = before;
    change.Redo(editor);
    EXPECT_EQ(MemoryCellText(editor, 4, kColumnDecodeTone, Lang::English), "Off");
    EXPECT_EQ(MemoryCellText(editor, 4, kColumnBusyLock, Lang::English),
              ListItem(GridColumnList(kColumnBusyLock),
                       ListPositionOf(MemoryChannelOf(after, 4), kColumnBusyLock), Lang::English));
}

TEST(EditorChange, EditsOfOneBoxMergeIntoOneStep) {
    const EditorState start = StartupEditor();
    auto typed = [&start](const std::string& text) {
        EditorState editor = start;
        editor.password = text;
        return editor;
    };
    const EditName password{EditKind::kSetting, 0, 0, "Label5"};
    EditorChange first(password, start, typed("1"));
    ASSERT_TRUE(first.MergeWith(EditorChange(password, typed("1"), typed("12"))));
    EditorState editor = start;
    first.Redo(editor);
    EXPECT_EQ(editor.password, "12");
    first.Undo(editor);
    EXPECT_EQ(editor.password, "");

    // Typed back to where it started: no step is left.
    ASSERT_TRUE(first.MergeWith(EditorChange(password, typed("12"), start)));
    EXPECT_TRUE(first.empty());

    // Another box, or a cell, is a step of its own.
    EditorChange again(password, start, typed("1"));
    EditorState ani = start;
    ani.ani = "9";
    EXPECT_FALSE(again.MergeWith(EditorChange({EditKind::kSetting, 0, 0, "Label12"}, start, ani)));
    EditorState cell = start;
    SetMemoryCellText(cell, 1, 1, "460.00000");
    EXPECT_FALSE(again.MergeWith(EditorChange({EditKind::kCell, 1, 1, {}}, start, cell)));
}

TEST(EditTexts, NameTheStepInBothLanguages) {
    struct Case {
        EditName name;
        const char* zh;
        const char* en;
    };
    const Case cases[] = {
        {{EditKind::kCell, 3, kColumnRx, {}},
         "撤销 编辑信道 3 接收频率",
         "Undo edit channel 3 RX Frequency"},
        {{EditKind::kCell, 16, kColumnEncodeTone, {}},
         "撤销 编辑信道 16 发射亚音频",
         "Undo edit channel 16 QT/DQT Enc"},
        {{EditKind::kDeleteChannel, 7, 0, {}}, "撤销 删除信道 7", "Undo delete channel 7"},
        {{EditKind::kSetting, 0, 0, "Label8"}, "撤销 修改静噪等级", "Undo change Squelch Grade"},
        {{EditKind::kSetting, 0, 0, "Label5"}, "撤销 修改口令", "Undo change 口令"},
        {{EditKind::kFillDown, 0, kColumnTxPower, {}},
         "撤销 向下填充发射功率",
         "Undo fill down TX-Power"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UndoCaption(&c.name, Lang::Chinese), c.zh);
        EXPECT_EQ(UndoCaption(&c.name, Lang::English), c.en);
    }
    EXPECT_EQ(UndoCaption(nullptr, Lang::Chinese), "撤销");
    EXPECT_EQ(RedoCaption(nullptr, Lang::English), "Redo");
    const EditName read{EditKind::kRead, 0, 0, {}};
    EXPECT_EQ(RedoCaption(&read, Lang::Chinese), "恢复 读频");
}

}  // namespace
}  // namespace m742
