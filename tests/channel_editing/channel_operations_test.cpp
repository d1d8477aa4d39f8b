#include "channel_editing/channel_operations.h"
#include "memory_rows.h"
#include "radio_data/layout.h"
#include "texts/grid_cells.h"
#include "texts/message_text.h"

#include <gtest/gtest.h>

#include "channel_editing/channel_plan.h"
#include "channel_editing/frequency_entry.h"
#include "channel_editing/list_entry.h"
#include "channel_editing/tone_entry.h"

namespace m742 {
namespace {

using Row = std::array<std::string, kMemoryColumns>;

// An editor with channels 1-3 entered as a person would.
EditorState ThreeChannels() {
    EditorState editor = StartupEditor();
    const char* rx[] = {"460.0125", "450", "470.5"};
    for (int row = 1; row <= 3; ++row) {
        CommitFrequency(editor, row, kColumnRx, rx[row - 1]);
    }
    CommitTone(editor, 1, kColumnDecodeTone, "88.5");
    CommitTone(editor, 2, kColumnEncodeTone, "D23N");
    PickListItem(editor, 2, kColumnTxPower, 0);
    PickListItem(editor, 3, kColumnBandwidth, 0);
    return editor;
}

TEST(ChannelOperations, CopiedChannelsPasteBackAsTheyWere) {
    for (Lang from : {Lang::Chinese, Lang::English}) {
        for (Lang to : {Lang::Chinese, Lang::English}) {
            const EditorState source = ThreeChannels();
            const std::string text = CopyChannels(source, {3, 1, 2}, from);
            EditorState target = StartupEditor();
            ASSERT_EQ(PasteChannels(target, 10, text), std::nullopt);
            EditorState expected = ThreeChannels();
            for (int row = 1; row <= 3; ++row) {
                for (int column = 1; column < kMemoryColumns; ++column) {
                    EXPECT_EQ(MemoryCellText(target, std::size_t(row + 9), std::size_t(column), to),
                              MemoryCellText(expected, std::size_t(row), std::size_t(column), to))
                        << "from " << int(from) << " to " << int(to) << " row " << row << " col "
                        << column;
                    EXPECT_EQ(ListPositionOf(MemoryChannelOf(target, std::size_t(row + 9)),
                                             std::size_t(column)),
                              ListPositionOf(MemoryChannelOf(expected, std::size_t(row)),
                                             std::size_t(column)));
                }
                EXPECT_EQ(MemoryCellText(target, std::size_t(row + 9), 0, Lang::English),
                          std::to_string(row + 9));
            }
        }
    }
}

TEST(ChannelOperations, CopyIsTabSeparatedLinesInTheShownLanguage) {
    EXPECT_EQ(CopyChannels(ThreeChannels(), {2}, Lang::English),
              "Channel\tRX Frequency\tQT/DQT Dec\tTX Frequency\tQT/DQT Enc\tBusy Lock\tBand\t"
              "Add Scan\tTX-Power\n"
              "2\t450.00000\tOff\t450.00000\tD023N\tOff\tWide\tYes\tLow\n");
    EXPECT_EQ(CopyChannels(ThreeChannels(), {2}, Lang::Chinese),
              "信道\t接收频率\t亚音频\t发射频率\t亚音频\t繁忙锁定\t带宽\t扫描添加\t发射功率\n"
              "2\t450.00000\t关闭\t450.00000\tD023N\t关闭\t宽\t是\t低\n");
}

// A heading line is passed over wherever it stands; a leading channel number is passed over,
// or with kSameChannels names the channel; a line without one follows the line before.
TEST(ChannelOperations, PasteTakesHeadingsAndChannelNumbers) {
    struct Case {
        const char* text;
        PasteTarget target;
        std::vector<int> rows;  // where 460, 461, ... went, in order
    };
    const Case cases[] = {
        {"Channel\tRX Frequency\n2\t460\n9\t461\n", PasteTarget::kFromRow, {5, 6}},
        {"信道\t接收频率\n2\t460\n9\t461\n", PasteTarget::kSameChannels, {2, 9}},
        {"RX Frequency\tQT/DQT Dec\n460\n461\n", PasteTarget::kFromRow, {5, 6}},
        {"12\t460\n461\n", PasteTarget::kSameChannels, {12, 13}},
        {"460\n461\n", PasteTarget::kSameChannels, {5, 6}},
        {"16\t460\n461\n", PasteTarget::kFromRow, {5, 6}},
    };
    for (const Case& c : cases) {
        EditorState editor = StartupEditor();
        ASSERT_EQ(PasteChannels(editor, 5, c.text, {}, c.target), std::nullopt) << c.text;
        std::vector<int> used;
        for (int row = 1; row <= kChannelCount; ++row) {
            if (ChannelInUse(editor, row)) {
                used.push_back(row);
                EXPECT_EQ(MemoryCellText(editor, row, kColumnRx, Lang::English),
                          std::to_string(460 + used.size() - 1) + ".00000");
            }
        }
        EXPECT_EQ(used, c.rows) << c.text;
    }
    EditorState editor = StartupEditor();
    EXPECT_EQ(PasteChannels(editor, 1, "16\t460\n461\n", {}, PasteTarget::kSameChannels),
              (PasteRefusal{17, kColumnRx, "461", PasteProblem::kPastLastChannel}));
}

TEST(ChannelOperations, InsertAndDeleteMoveTheChannelsBelow) {
    EditorState editor = ThreeChannels();
    const EditorState start = editor;
    ASSERT_TRUE(InsertChannel(editor, 2));
    EXPECT_EQ(MemoryCellText(editor, 1, kColumnRx, Lang::English), "460.01250");
    EXPECT_FALSE(ChannelInUse(editor, 2));
    EXPECT_EQ(MemoryChannelOf(editor, 3), MemoryChannelOf(start, 2));
    EXPECT_EQ(MemoryChannelOf(editor, 4), MemoryChannelOf(start, 3));
    DeleteChannels(editor, {2});
    EXPECT_EQ(editor.memory, start.memory);

    DeleteChannels(editor, {3, 1});
    EXPECT_EQ(MemoryChannelOf(editor, 1), MemoryChannelOf(start, 2));
    for (int row = 2; row <= kChannelCount; ++row) {
        EXPECT_FALSE(ChannelInUse(editor, row)) << row;
    }
    // Channel 16 in use would be lost: nothing moves.
    CommitFrequency(editor, 16, kColumnRx, "470");
    const EditorState full = editor;
    EXPECT_FALSE(InsertChannel(editor, 1));
    EXPECT_EQ(editor, full);
}

TEST(ChannelOperations, PasteTakesTheRulesOfTyping) {
    EditorState editor = StartupEditor();
    ASSERT_EQ(PasteChannels(editor, 5, "462.563\t88\t460.007\td23n\tCarrier\tNarrow\t否\tLow\n"),
              std::nullopt);
    EXPECT_EQ(MemoryRow(editor, 5), (Row{"5", "462.56250", "88.0", "460.00625", "D023N", "Carrier",
                                         "Narrow", "No", "Low"}));
    // An empty RX empties the channel; only an RX starts one with its defaults.
    ASSERT_EQ(PasteChannels(editor, 5, "\n460\n"), std::nullopt);
    EXPECT_EQ(MemoryCellText(editor, 5, kColumnRx, Lang::English), "");
    EXPECT_EQ(MemoryRow(editor, 6),
              (Row{"6", "460.00000", "Off", "460.00000", "Off", "Off", "Wide", "Yes", "High"}));
}

TEST(ChannelOperations, ARefusedCellStoresNothingOfThePaste) {
    struct Case {
        int firstRow;
        const char* text;
        PasteRefusal refusal;
    };
    const Case cases[] = {
        {1, "460\n500\n", {2, kColumnRx, "500", PasteProblem::kOutOfBand}},
        {1, "460\t\t4..5\n", {1, kColumnTx, "4..5", PasteProblem::kNotAFrequency}},
        {1, "abc\n", {1, kColumnRx, "abc", PasteProblem::kNotAFrequency}},
        {3, "460\t254.2\n", {3, kColumnDecodeTone, "254.2", PasteProblem::kNotATone}},
        {3, "460\tOff\t460\tD1234N\n", {3, kColumnEncodeTone, "D1234N", PasteProblem::kNotATone}},
        {4, "460\t\t\t\tMaybe\n", {4, kColumnBusyLock, "Maybe", PasteProblem::kNotInList}},
        {15, "460\n461\n462\n", {17, kColumnRx, "462", PasteProblem::kPastLastChannel}},
    };
    for (const Case& c : cases) {
        EditorState editor = ThreeChannels();
        const EditorState before = editor;
        EXPECT_EQ(PasteChannels(editor, c.firstRow, c.text), c.refusal) << c.text;
        EXPECT_EQ(editor, before) << c.text;
    }
    // Each refusal says why, as typing the cell would.
    struct Wording {
        PasteRefusal refusal;
        Lang lang;
        const char* text;
    };
    const Wording wordings[] = {
        {{3, kColumnDecodeTone, "254.2", PasteProblem::kNotATone},
         Lang::English,
         "Channel 3, QT/DQT Dec: \"254.2\" cannot be pasted: not a CTCSS tone (67.0–254.1) or a "
         "DCS code (such as D023N)."},
        {{3, kColumnRx, "x", PasteProblem::kNotAFrequency},
         Lang::Chinese,
         "信道 3 接收频率：无法粘贴“x”：不是频率。"},
        {{2, kColumnRx, "500", PasteProblem::kOutOfBand},
         Lang::English,
         "Channel 2, RX Frequency: \"500\" cannot be pasted: beyond the frequency range "
         "(400–480 MHz)."},
        {{4, kColumnBusyLock, "Maybe", PasteProblem::kNotInList},
         Lang::English,
         "Channel 4, Busy Lock: \"Maybe\" cannot be pasted: not one of Off, Carrier, QT/DQT."},
        {{4, kColumnTxPower, "x", PasteProblem::kNotInList},
         Lang::Chinese,
         "信道 4 发射功率：无法粘贴“x”：应为低、高之一。"},
        {{17, kColumnRx, "462", PasteProblem::kPastLastChannel},
         Lang::English,
         "Channel 17, RX Frequency: \"462\" cannot be pasted: past channel 16."},
    };
    for (const Wording& w : wordings) {
        EXPECT_EQ(Worded(PasteRefusalMessage(w.refusal), w.lang), w.text);
    }
}

TEST(ChannelOperations, MoveSwapsWithTheNeighbourAndStopsAtTheEnds) {
    const EditorState start = ThreeChannels();
    EditorState editor = start;
    ASSERT_TRUE(MoveChannels(editor, {2, 3}, true));
    EXPECT_EQ(MemoryCellText(editor, 1, kColumnRx, Lang::English), "450.00000");
    EXPECT_EQ(MemoryCellText(editor, 2, kColumnRx, Lang::English), "470.50000");
    EXPECT_EQ(MemoryCellText(editor, 3, kColumnRx, Lang::English), "460.01250");
    EXPECT_EQ(MemoryCellText(editor, 3, kColumnDecodeTone, Lang::English), "88.5");
    EXPECT_EQ(ListPositionOf(MemoryChannelOf(editor, 1), kColumnTxPower),
              0);                                                 // list positions move along
    EXPECT_EQ(MemoryCellText(editor, 1, 0, Lang::English), "1");  // the numbers stay
    EXPECT_FALSE(MoveChannels(editor, {1, 2}, true));
    ASSERT_TRUE(MoveChannels(editor, {1, 2}, false));
    EXPECT_EQ(editor, start);
    EXPECT_FALSE(MoveChannels(editor, {16}, false));
}

TEST(ChannelOperations, FillDownAndClear) {
    EditorState editor = ThreeChannels();
    FillDown(editor, {3, 1, 2, 7}, kColumnDecodeTone);
    for (int row : {1, 2, 3}) {
        EXPECT_EQ(MemoryCellText(editor, std::size_t(row), kColumnDecodeTone, Lang::English),
                  "88.5");
    }
    EXPECT_EQ(MemoryCellText(editor, 7, kColumnDecodeTone, Lang::English),
              "");  // an empty channel stays empty
    FillDown(editor, {2, 3}, kColumnTxPower);
    EXPECT_EQ(MemoryCellText(editor, 3, kColumnTxPower, Lang::English), "Low");
    EXPECT_EQ(ListPositionOf(MemoryChannelOf(editor, 3), kColumnTxPower), 0);
    const EditorState before = editor;
    FillDown(editor, {1, 2}, kColumnRx);  // not a column to fill
    EXPECT_EQ(editor, before);

    ClearChannels(editor, {1, 3});
    EXPECT_EQ(MemoryRow(editor, 1), (Row{"1", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(MemoryCellText(editor, 2, kColumnRx, Lang::English), "450.00000");
    EXPECT_EQ(MemoryCellText(editor, 3, kColumnRx, Lang::English), "");
}

}  // namespace
}  // namespace m742
