// The entry rules of both channel grids: snapping, the three memory-grid editors, the debug
// panel and every key filter.
#include <gtest/gtest.h>
#include "memory_rows.h"
#include "radio_data/layout.h"
#include "texts/grid_cells.h"
#include "texts/message_text.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "channel_editing/channel_plan.h"
#include "channel_editing/debug_panel.h"
#include "channel_editing/frequency_entry.h"
#include "channel_editing/key_filters.h"
#include "channel_editing/list_entry.h"
#include "channel_editing/snap.h"
#include "channel_editing/tone_entry.h"

namespace m742 {
namespace {

using Row = std::array<std::string, kMemoryColumns>;
using Positions = std::array<std::int16_t, kMemoryColumns>;
const std::optional<std::string> kRefused = std::nullopt;

TEST(StoredFrequencyText, EntriesStoredOnTheRasterWithinTheirBlock) {
    // 460.09999 never moves up into the next 100 kHz block; 460.025 lies on both rasters;
    // 460.000049 and 460.006245 are rounded to five decimals before they are snapped; 14
    // whole digits are beyond what 10 Hz steps can hold.
    const std::pair<const char*, const char*> snapped[] = {
        {"460.12345", "460.12000"},  {"460.00700", "460.00625"}, {"460.00999", "460.00625"},
        {"460.01250", "460.01250"},  {"462.56300", "462.56250"}, {"479.99999", "479.99500"},
        {"400", "400.00000"},        {"460.0070", "460.00625"},  {"460.0062", "460.00500"},
        {"460.09999", "460.09500"},  {"460.025", "460.02500"},   {"460.000049", "460.00000"},
        {"460.006245", "460.00625"}, {"0460.", "460.00000"},     {".5", "0.50000"}};
    for (const auto& [entered, stored] : snapped) {
        EXPECT_EQ(StoredFrequencyText(entered), stored) << entered;
    }
    for (const char* entered : {"", ".", "4..5", "-460", "4e2", " 460", "12345678901234"}) {
        EXPECT_EQ(StoredFrequencyText(entered), std::nullopt) << entered;
    }
}

class FrequencyEntry : public testing::Test {
protected:
    void SetUp() override {
        editor = StartupEditor();
        SetMemoryRow(
            editor, 2,
            Row{"2", "460.00000", "88.5", "461.00000", "D023N", "Carrier", "Narrow", "No", "Low"});
        SetListPositions(editor, 2, Positions{0, 0, 0, 0, 0, 1, 1, 0, 0});
        SetMemoryRow(editor, 3, Row{"3", "450.00000", "Off", "", "", "Off", "Wide", "Yes", "High"});
    }
    EditorState editor;
};

TEST_F(FrequencyEntry, CommitsChangeOnlyTheCellOrRefuseQuietly) {
    const struct {
        int row, column;
        const char* entered;
        FrequencyOutcome outcome;
        const char* cell;  // the cell afterwards
    } cases[] = {
        {2, 1, "462.563", FrequencyOutcome::kWritten, "462.56250"},
        {2, 3, "479.99999", FrequencyOutcome::kWritten, "479.99500"},
        {2, 1, "400", FrequencyOutcome::kWritten, "400.00000"},
        {2, 1, "0400.", FrequencyOutcome::kWritten, "400.00000"},
        {2, 3, "", FrequencyOutcome::kKept, "461.00000"},
        {2, 1, "4..5", FrequencyOutcome::kKept, "460.00000"},
        {2, 1, ".", FrequencyOutcome::kKept, "460.00000"},
        {2, 1, "480", FrequencyOutcome::kOutOfBand, "460.00000"},
        {2, 3, "399.99999", FrequencyOutcome::kOutOfBand, "461.00000"},
        // Also tested as it would be stored: rounding must not carry an entry out of the band.
        {2, 1, "479.999999", FrequencyOutcome::kOutOfBand, "460.00000"},
        {2, 1, "479.999949", FrequencyOutcome::kWritten, "479.99500"},
        {2, 1, "99999999999999", FrequencyOutcome::kOutOfBand, "460.00000"},
        {2, 2, "460", FrequencyOutcome::kKept, "88.5"},  // a tone column is no frequency cell
    };
    for (const auto& c : cases) {
        SetUp();
        const Row before = MemoryRow(editor, 2);
        const FrequencyCommit commit = CommitFrequency(editor, c.row, c.column, c.entered);
        EXPECT_EQ(commit.outcome, c.outcome) << c.entered;
        EXPECT_EQ(commit.message.has_value(), c.outcome == FrequencyOutcome::kOutOfBand);
        Row after = before;
        after[static_cast<std::size_t>(c.column)] = c.cell;
        EXPECT_EQ(MemoryRow(editor, 2), after) << c.entered;
    }
}

TEST_F(FrequencyEntry, OutOfBandMessage) {
    for (const char* entered : {"480", "399.99999"}) {
        const auto message = CommitFrequency(editor, 2, 1, entered).message;
        ASSERT_TRUE(message) << entered;
        EXPECT_EQ(Worded(message->text, Lang::English), "Beyond the frequency range");
        EXPECT_EQ(Worded(message->text, Lang::Chinese), "超出频段范围");
        EXPECT_EQ(message->style, 0);
    }
    // The limits are the caller's: 470 is outside a 400-470 band.
    EXPECT_EQ(CommitFrequency(editor, 2, 1, "470", {400, 470}).outcome,
              FrequencyOutcome::kOutOfBand);
}

TEST_F(FrequencyEntry, RxEntryWithoutTxStartsTheChannelWithDefaults) {
    const struct {
        Lang lang;
        int row;
        Row started;
    } cases[] = {
        {Lang::English,
         1,
         {"1", "460.01250", "Off", "460.01250", "Off", "Off", "Wide", "Yes", "High"}},
        {Lang::Chinese,
         1,
         {"1", "460.01250", "关闭", "460.01250", "关闭", "关闭", "宽", "是", "高"}},
        // A channel the decoder left without TX takes the defaults too.
        {Lang::English,
         3,
         {"3", "460.01250", "Off", "460.01250", "Off", "Off", "Wide", "Yes", "High"}},
    };
    for (const auto& c : cases) {
        SetUp();
        SetListPositions(editor, c.row, Positions{0, 0, 0, 0, 0, 2, 1, 0, 0});
        EXPECT_EQ(CommitFrequency(editor, c.row, 1, "460.0125").outcome,
                  FrequencyOutcome::kChannelStarted);
        EXPECT_EQ(MemoryRow(editor, c.row, c.lang), c.started);
        EXPECT_EQ(ListPositions(editor, c.row), (Positions{0, 0, 0, 0, 0, 0, 0, 1, 1}));
    }
}

TEST_F(FrequencyEntry, EmptyRxDeletesTheChannel) {
    EXPECT_EQ(CommitFrequency(editor, 2, 1, "").outcome, FrequencyOutcome::kChannelDeleted);
    EXPECT_EQ(MemoryRow(editor, 2), (Row{"2", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(ListPositions(editor, 2), Positions{});
    EXPECT_EQ(MemoryCellText(editor, 3, 1, Lang::English), "450.00000");
}

TEST(ToneEntry, NormalisesCtcssAndDcsOrRefuses) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"67", "67.0"},       {"254.1", "254.1"},  {"254.10", "254.1"},  {"88.55", "88.6"},
        {"0067", "67.0"},     {"88.5Hz", "88.5"},  {"100.5.3", "100.5"}, {"254.2", kRefused},
        {"66.9", kRefused},   {"66.96", kRefused},  // tested before rounding
        {"254.14", kRefused}, {".", kRefused},     {"", kRefused},       {"N", kRefused},
        {"Off", kRefused},    {"关闭", kRefused},  {"D23N", "D023N"},    {"DI", "D000I"},
        {"D777I", "D777I"},   {"D089N", "D089N"},  {"D778N", kRefused},  {"D0231N", kRefused},
        {"D023", kRefused},   {"D", kRefused},     {"DIN", kRefused},    {"D1.N", kRefused},
        {"DN.I", kRefused},   {"D.N", kRefused},
    };
    for (const auto& [entered, stored] : cases) {
        EXPECT_EQ(NormalisedTone(entered), stored) << entered;
    }
}

TEST(ToneEntry, CommitWritesOnlyAcceptedEntriesToToneCells) {
    EditorState editor = StartupEditor();
    SetMemoryRow(editor, 4,
                 Row{"4", "460.00000", "关闭", "460.00000", "88.5", "关闭", "宽", "是", "高"});
    EXPECT_FALSE(CommitTone(editor, 4, 2, "Off"));  // the Off word of the other language
    EXPECT_TRUE(CommitTone(editor, 4, 4, "D23N"));
    EXPECT_FALSE(CommitTone(editor, 4, 2, "D778N"));
    EXPECT_FALSE(CommitTone(editor, 4, 3, "88.5"));
    EXPECT_EQ(MemoryRow(editor, 4, Lang::Chinese),
              (Row{"4", "460.00000", "关闭", "460.00000", "D023N", "关闭", "宽", "是", "高"}));
}

TEST(ToneKeyFilter, EachLetterOncePerFocus) {
    const std::pair<const char*, const char*> cases[] = {
        {"d23n", "D23N"},         {"DdIiNn", "DIN"}, {"0123456789.", "0123456789."}, {"x+ e-", ""},
        {"dn\bn", "DN\b"},  // deleted and typed again: dropped
        {"88.5\b\b", "88.5\b\b"},
    };
    for (const auto& [keys, text] : cases) {
        ToneKeyFilter filter;
        std::string typed;
        for (char key : std::string_view(keys)) {
            if (const auto passed = filter.Key(key)) {
                typed += *passed;
            }
        }
        EXPECT_EQ(typed, text) << keys;
    }
    ToneKeyFilter filter;
    EXPECT_EQ(filter.Text("d23n"), "D23N");  // a paste counts its letters
    EXPECT_EQ(filter.Key('D'), std::nullopt);
    filter.FocusLost();
    EXPECT_EQ(filter.Key('d'), 'D');
    EXPECT_EQ(filter.Text("I\bd"), "I");
}

TEST(FrequencyKeyFilters, TypedKeys) {
    const struct {
        int key;
        const char* text;
        std::size_t selected;
        bool frequencyBox, debug;
    } cases[] = {
        {'5', "460.1250", 0, true, true},  {'5', "460.12500", 0, false, false},
        {'5', "460.12500", 1, true, true}, {kBackspaceKey, "460.12500", 0, true, true},
        {'.', "460", 0, true, true},       {'.', "460.", 0, true, false},
        {'.', "460.", 1, true, false},     {'a', "", 0, false, false},
        {'-', "", 0, false, false},        {13, "460", 0, false, false},
        {0x4E00, "", 0, false, false},  // a CJK character
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FrequencyBoxKeyPasses(c.key, c.text, c.selected), c.frequencyBox)
            << c.key << " " << c.text;
        EXPECT_EQ(DebugFrequencyKeyPasses(c.key, c.text, c.selected), c.debug)
            << c.key << " " << c.text;
    }
}

TEST(FrequencyKeyFilters, PastedText) {
    const struct {
        const char* rest;
        const char* pasted;
        const char* frequencyBox;
        const char* debug;
    } cases[] = {
        {"", "460.125", "460.125", "460.125"},
        {"", "4..5", "4..5", "4.5"},
        {"", " 460,125 MHz", "460125", "460125"},
        {"", "1234567890", "123456789", "123456789"},
        {"", "4.6.0.1.2.5", "4.6.0.1.2", "4.60125"},
        {"", "-4e2", "42", "42"},
        {"460.", "125.5", "125.5", "1255"},  // the box already holds its point
        {"460.1250", "12", "1", "1"},        // one place left
        {"460.12500", "1", "", ""},          // full
        {"", "\b\t\n", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PastedFrequency(c.rest, c.pasted, false), c.frequencyBox)
            << c.rest << "|" << c.pasted;
        EXPECT_EQ(PastedFrequency(c.rest, c.pasted, true), c.debug) << c.rest << "|" << c.pasted;
    }
}

TEST(ListEntry, PickWritesTheItemAndItsPosition) {
    const struct {
        int column, position;
        const char* en;
        const char* zh;
    } cases[] = {
        {5, 2, "QT/DQT", "亚音"}, {6, 1, "Narrow", "窄"}, {7, 0, "No", "否"}, {8, 0, "Low", "低"}};
    for (Lang lang : {Lang::English, Lang::Chinese}) {
        for (const auto& c : cases) {
            EditorState editor = StartupEditor();
            const auto col = static_cast<std::size_t>(c.column);
            ASSERT_TRUE(CommitFrequency(editor, 16, kColumnRx, "460").outcome ==
                        FrequencyOutcome::kChannelStarted);
            ASSERT_TRUE(PickListItem(editor, 16, c.column, c.position));
            EXPECT_EQ(MemoryCellText(editor, 16, col, lang), lang == Lang::English ? c.en : c.zh);
            EXPECT_EQ(ListPositionOf(MemoryChannelOf(editor, 16), col), c.position);
        }
    }
    EditorState editor = StartupEditor();
    const EditorState before = editor;
    EXPECT_FALSE(PickListItem(editor, 1, 6, 2));   // the band list has two items
    EXPECT_FALSE(PickListItem(editor, 1, 5, -1));  // no selection
    EXPECT_FALSE(PickListItem(editor, 1, 4, 0));
    EXPECT_FALSE(PickListItem(editor, 17, 5, 0));
    EXPECT_EQ(editor, before);
}

TEST(DebugPanel, StoreSnapsWithoutBandCheckAndSkipsBoxesWithoutNumber) {
    const struct {
        const char* rx;
        const char* tx;
        const char* rxCell;
        const char* txCell;
    } cases[] = {
        {"460.0070", "460", "460.00625", "460.00000"},
        {"500", "399.99999", "500.00000", "399.99500"},
        {"", "470.", "460.10000", "470.00000"},
        {".", "", "460.10000", "460.00000"},  // row 1 keeps its defaults
    };
    for (const auto& c : cases) {
        EditorState editor = StartupEditor();
        const DebugStore stored = StoreDebugChannel(editor, 1, c.rx, c.tx);
        EXPECT_EQ(stored.rxStored, IsNumberText(c.rx)) << c.rx;
        EXPECT_EQ(stored.txStored, IsNumberText(c.tx)) << c.tx;
        EXPECT_EQ(DebugCellText(editor, 1, 1), c.rxCell) << c.rx;
        EXPECT_EQ(DebugCellText(editor, 1, 2), c.txCell) << c.tx;
        EXPECT_EQ(DebugCellText(editor, 2, 1), "450.10000");
    }
}

TEST(DebugPanel, ContextMenuDeletesOneRow) {
    EXPECT_EQ(Worded(*DeleteChannelCaption(12), Lang::English), "Delete debugging channel12data");
    EXPECT_EQ(Worded(*DeleteChannelCaption(1), Lang::English), "Delete debugging channel1data");
    EXPECT_EQ(Worded(*DeleteChannelCaption(12), Lang::Chinese), "删除调试信道12的数据");
    EXPECT_EQ(DeleteChannelCaption(0), std::nullopt);
    EXPECT_EQ(DeleteChannelCaption(17), std::nullopt);

    EditorState editor = StartupEditor();
    StoreDebugChannel(editor, 12, "460.5", "461.5");
    EditorState expected = editor;
    DebugChannelOf(expected, 12) = {};
    DeleteDebugChannel(editor, 12);
    DeleteDebugChannel(editor, 17);
    EXPECT_EQ(editor, expected);
}

}  // namespace
}  // namespace m742
