#include <gtest/gtest.h>
#include "memory_rows.h"
#include "radio_data/layout.h"
#include "texts/grid_cells.h"

#include "channel_editing/channel_plan.h"
#include "radio_data/codec.h"
#include "radio_data/layout.h"
#include "texts/list_texts.h"

namespace m742 {
namespace {

RadioImage WithBytes(int address, std::initializer_list<std::uint8_t> bytes,
                     RadioImage image = BlankImage()) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + address);
    return image;
}

EditorState Decoded(const RadioImage& image) {
    EditorState editor = StartupEditor();
    DecodeImage(image, editor);
    return editor;
}

const SettingField& Field(std::string_view name) {
    for (const SettingField& field : SettingFields()) {
        if (field.name == name) {
            return field;
        }
    }
    throw std::invalid_argument(std::string(name));
}

std::int16_t Setting(const EditorState& editor, std::string_view name) {
    return SettingValue(Field(name), editor);
}

TEST(DecodeImage, AnErasedRadioGivesTheFallbacks) {
    EditorState editor = StartupEditor();
    // Something in every row first, to see the decoder blank it.
    for (int row = 1; row <= kChannelCount; ++row) {
        SetMemoryRow(editor, row,
                     Row{std::to_string(row), "460.00000", "Off", "460.00000", "Off", "Carrier",
                         "Wide", "Yes", "High"});
        SetListPositions(editor, row, Positions{0, 0, 0, 0, 0, 1, 0, 1, 1});
    }
    editor.ani = "123";
    DecodeImage(BlankImage(), editor);

    for (int row = 1; row <= kChannelCount; ++row) {
        EXPECT_EQ(MemoryCellText(editor, row, 0, Lang::English), std::to_string(row));
        for (int col = 1; col <= 8; ++col) {
            EXPECT_EQ(MemoryCellText(editor, row, col, Lang::English), "") << row << "," << col;
        }
        for (int col = 5; col <= 8; ++col) {
            EXPECT_EQ(ListPositionOf(MemoryChannelOf(editor, row), col), 0);
        }
        EXPECT_EQ(DebugCellText(editor, row, 1), "");
        EXPECT_EQ(DebugCellText(editor, row, 2), "");
    }
    EXPECT_EQ(editor.ani, "");
    const struct {
        const char* name;
        int position;
    } expected[] = {
        {"Combo9", 1},         {"Combo6", 1},          {"Combo12", 1},
        {"Combo11", 3},        {"Combo4", 9},          {"Combo3", 6},
        {"Combo7", 0},         {"Combo13", -1},        {"Combo2", 3},
        {"Combo10", 1},        {"Combo14", 0},         {"SideKeyPf1Short", 3},
        {"SideKeyPf1Long", 3}, {"SideKeyPf2Short", 3}, {"SideKeyPf2Long", 3},
        {"DtmfFirstDelay", 0}, {"DtmfInterval", 255},  {"DtmfDelay", 255},
        {"PowerLow", 255},     {"PowerHigh", 255},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(Setting(editor, e.name), e.position) << e.name;
    }
    EXPECT_EQ(editor.dialogs.sideKeys, (SideKeys{3, 3, 3, 3}));
    EXPECT_EQ(editor.dialogs.dtmf, (DtmfTiming{0, 255, 255}));
    EXPECT_EQ(editor.dialogs.powerLevels, (PowerLevels{255, 255}));
}

TEST(DecodeImage, LeavesWhatTheImageDoesNotHold) {
    EditorState editor = StartupEditor();
    editor.password = "1234";
    editor.settings.band = 0;
    DecodeImage(BlankImage(), editor);
    EXPECT_EQ(editor.password, "1234");
    EXPECT_EQ(editor.settings.band, 0);
    EXPECT_EQ(DebugCellText(editor, 16, 0), "16");
}

TEST(DecodeImage, ShowsAChannelInTheInterfaceLanguage) {
    // RX 460.125, no TX, both tones FFFFh, flags FBh: Off, Wide, Yes, High.
    const RadioImage image = WithBytes(
        16, {0x00, 0x25, 0x01, 0x46, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFB});
    const EditorState decoded = Decoded(image);
    using Row = std::array<std::string, kMemoryColumns>;
    EXPECT_EQ(MemoryRow(decoded, 1, Lang::English),
              (Row{"1", "460.12500", "Off", "", "", "Off", "Wide", "Yes", "High"}));
    EXPECT_EQ(ListPositionOf(MemoryChannelOf(decoded, 1), 5), 0);
    EXPECT_EQ(ListPositionOf(MemoryChannelOf(decoded, 1), 7), 1);
    EXPECT_EQ(MemoryRow(decoded, 1, Lang::Chinese),
              (Row{"1", "460.12500", "关闭", "", "", "关闭", "宽", "是", "高"}));
}

TEST(DecodeImage, FlagsByteGivesEachListPosition) {
    const struct {
        std::uint8_t flags;
        std::array<int, 4> positions;  // busy lock, band, add scan, TX power
    } cases[] = {
        {0xFB, {0, 0, 1, 1}}, {0xFF, {0, 1, 1, 1}}, {0xE2, {2, 0, 0, 0}}, {0xEE, {2, 1, 1, 0}},
        {0xE3, {0, 0, 0, 0}}, {0xE0, {0, 0, 0, 0}},  // busy bits 00 read as Off
        {0x01, {1, 0, 0, 0}}, {0x1C, {0, 1, 1, 1}},  // the fill bits are ignored
    };
    for (const auto& c : cases) {
        const EditorState editor =
            Decoded(WithBytes(32, {0x00, 0x00, 0x00, 0x44}, WithBytes(44, {c.flags})));
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(ListPositionOf(MemoryChannelOf(editor, 2), 5 + i),
                      c.positions[static_cast<std::size_t>(i)])
                << std::hex << int(c.flags) << " column " << 5 + i;
            EXPECT_EQ(MemoryCellText(editor, 2, 5 + i, Lang::English),
                      ListItem(GridColumnList(5 + i), c.positions[static_cast<std::size_t>(i)],
                               Lang::English));
        }
    }
}

TEST(DecodeImage, OutOfRangeSettingsFallBack) {
    const struct {
        int address;
        std::uint8_t byte;
        const char* name;
        int position;
    } cases[] = {
        {0x3C1, 0x09, "Combo4", 9},          {0x3C1, 0x0A, "Combo4", 9},
        {0x3C1, 0x00, "Combo4", 0},          {0x3C3, 0x0A, "Combo3", 10},
        {0x3C3, 0x0B, "Combo3", 6},          {0x3C4, 0x0F, "Combo7", 15},
        {0x3C4, 0x10, "Combo7", 0},          {0x3C5, 0x93, "SideKeyPf1Short", 3},
        {0x3C5, 0x93, "SideKeyPf1Long", 3},  {0x3C5, 0x17, "SideKeyPf1Short", 1},
        {0x3C5, 0x17, "SideKeyPf1Long", 7},  {0x3C6, 0x38, "SideKeyPf2Short", 3},
        {0x3C6, 0x38, "SideKeyPf2Long", 3},  {0x3C7, 0x05, "Combo13", 4},
        {0x3C7, 0x09, "Combo13", 8},         {0x3C7, 0x0A, "Combo13", -1},
        {0x3C7, 0xFF, "Combo13", -1},        {0x3C7, 0x10, "Combo13", 0},
        {0x3C7, 0x1A, "Combo13", 0},         {0x3C7, 0x00, "Combo13", -1},
        {0x3C9, 0x59, "DtmfFirstDelay", 89}, {0x3C9, 0x5A, "DtmfFirstDelay", 0},
        {0x3CA, 0xC8, "DtmfInterval", 200},  {0x3F0, 0x02, "Combo14", 2},
        {0x3F0, 0xFF, "Combo14", 0},         {0x3F0, 0x1A, "Combo14", 1},
        {0x3F8, 0x00, "PowerLow", 0},        {0x3F9, 0x7F, "PowerHigh", 127},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Setting(Decoded(WithBytes(c.address, {c.byte})), c.name), c.position)
            << c.name << " from " << std::hex << int(c.byte);
    }
}

TEST(DecodeImage, VoicePromptKeepsItsPositionForOtherValues) {
    for (std::uint8_t byte : {0x03, 0x09, 0x10, 0x99}) {
        EditorState editor = StartupEditor();
        editor.settings.voicePrompt = 2;
        DecodeImage(WithBytes(0x3F0, {byte}), editor);
        EXPECT_EQ(editor.settings.voicePrompt, 2) << int(byte);
    }
}

TEST(DecodeImage, DialogControlsFollowTheirGlobals) {
    const EditorState editor = Decoded(
        WithBytes(0x3C5, {0x80, 0x52, 0xFF, 0xFF, 0x07, 0x10, 0x20}, WithBytes(0x3F8, {1, 2})));
    EXPECT_EQ(editor.sideKeys.pf1Short, 3);
    EXPECT_EQ(editor.sideKeys.pf1Long, 0);
    EXPECT_EQ(editor.dialogs.sideKeys, (SideKeys{3, 0, 5, 2}));
    EXPECT_EQ(editor.dialogs.dtmf, (DtmfTiming{7, 16, 32}));
    EXPECT_EQ(editor.dialogs.powerLevels, (PowerLevels{1, 2}));
    EXPECT_EQ(editor.powerLevels.high, 2);
}

TEST(DecodeImage, AniTakesEveryByteButFFh) {
    EXPECT_EQ(Decoded(WithBytes(0x3B0, {'1', '2', 'A', 'B', '*'})).ani, "12AB*");
    EXPECT_EQ(Decoded(WithBytes(0x3B0, {'1', 0xFF, '#', 0xFF, 0xFF, 0xFF, 0xFF, 'D'})).ani, "1#D");
    // A byte above 7Fh is the character with that code, kept as UTF-8 text.
    EXPECT_EQ(Decoded(WithBytes(0x3B0, {0xE9})).ani, "\xC3\xA9");
}

TEST(DecodeImage, TextFormMustBeAWholeImage) {
    EditorState editor = StartupEditor();
    const EditorState before = editor;
    EXPECT_FALSE(DecodeImage(std::string_view("FFFF"), editor));
    EXPECT_EQ(editor, before);
    EXPECT_TRUE(DecodeImage(ImageToHex(WithBytes(0x3C1, {0x03})), editor));
    EXPECT_EQ(editor.settings.squelchLevel, 3);
}

}  // namespace
}  // namespace m742
