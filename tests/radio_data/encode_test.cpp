#include <gtest/gtest.h>
#include "memory_rows.h"
#include "radio_data/layout.h"
#include "texts/grid_cells.h"
#include "texts/message_text.h"

#include <vector>

#include "channel_editing/channel_plan.h"
#include "radio_data/codec.h"
#include "radio_data/layout.h"
#include "texts/store_refusal.h"

namespace m742 {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Slice(const RadioImage& image, int address, int count) {
    return Bytes(image.begin() + address, image.begin() + address + count);
}

RadioImage Encoded(const EditorState& editor) {
    const auto result = EncodeImage(editor, Lang::English);
    EXPECT_TRUE(result.ok()) << Worded(result.status().message, Lang::English) << " "
                             << result.status().where;
    return result.ok() ? result.value() : RadioImage{};
}

// A channel in use, as the grid editor leaves it.
void PutChannel(EditorState& editor, int row, std::array<std::string, 4> cells,
                std::array<std::int16_t, 4> positions) {
    for (int col = 1; col <= 4; ++col) {
        SetMemoryCellText(editor, row, col, cells[static_cast<std::size_t>(col - 1)]);
    }
    for (int col = 5; col <= 8; ++col) {
        SetListPosition(MemoryChannelOf(editor, row), col,
                        positions[static_cast<std::size_t>(col - 5)]);
    }
}

TEST(EncodeImage, StartUpEditorGivesTheFactoryPlan) {
    const RadioImage image = Encoded(StartupEditor());
    EXPECT_EQ(Slice(image, 0, 16), Bytes(16, 0xFF));
    for (int n = 1; n <= kChannelCount; ++n) {
        Bytes blank(16, 0xFF);
        blank[12] = 0xE3;
        EXPECT_EQ(Slice(image, MemoryChannelAddress(n), 16), blank) << "channel " << n;
    }
    // Debug channel 1: 460.10000 / 460.00000 with the in-use marker.
    EXPECT_EQ(Slice(image, DebugChannelAddress(1), 16),
              (Bytes{0x00, 0x00, 0x01, 0x46, 0x00, 0x00, 0x00, 0x46, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                     0x01, 0x01, 0xFF}));
    EXPECT_EQ(Slice(image, DebugChannelAddress(3), 8),
              (Bytes{0x00, 0x00, 0x99, 0x46, 0x00, 0x75, 0x99, 0x46}));
    for (int n = 9; n <= kChannelCount; ++n) {
        EXPECT_EQ(Slice(image, DebugChannelAddress(n), 16), Bytes(16, 0xFF)) << "debug " << n;
    }
    EXPECT_EQ(Slice(image, 0x210, 0x3C0 - 0x210), Bytes(0x3C0 - 0x210, 0xFF));
    EXPECT_EQ(Slice(image, 0x3C0, 12),
              (Bytes{0xA7, 0x05, 0xFF, 0x02, 0x00, 0x17, 0x42, 0x01, 0xF5, 0x00, 0x02, 0x02}));
    EXPECT_EQ(Slice(image, 0x3CC, 0x3F0 - 0x3CC), Bytes(0x3F0 - 0x3CC, 0xFF));
    EXPECT_EQ(Slice(image, 0x3F0, 16), (Bytes{0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x5C,
                                              0xD0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(EncodeImage, ChannelRecord) {
    EditorState editor = StartupEditor();
    PutChannel(editor, 3, {"460.12500", "88.5", "460.12500", "D023N"}, {0, 0, 1, 1});
    EXPECT_EQ(Slice(Encoded(editor), MemoryChannelAddress(3), 16),
              (Bytes{0x00, 0x25, 0x01, 0x46, 0x00, 0x25, 0x01, 0x46, 0x85, 0x08, 0x23, 0x80, 0xFB,
                     0xFF, 0xFF, 0xFF}));
}

TEST(EncodeImage, FlagsByteComesFromTheListPositions) {
    const struct {
        std::array<std::int16_t, 4> positions;  // busy lock, band, add scan, TX power
        std::uint8_t flags;
    } cases[] = {
        {{0, 0, 1, 1}, 0xFB}, {{0, 1, 1, 1}, 0xFF}, {{2, 0, 0, 0}, 0xE2},
        {{2, 1, 1, 0}, 0xEE}, {{1, 0, 0, 0}, 0xE1}, {{0, 0, 0, 0}, 0xE3},
    };
    for (const auto& c : cases) {
        EditorState editor = StartupEditor();
        PutChannel(editor, 1, {"460.00000", "Off", "460.00000", "Off"}, c.positions);
        EXPECT_EQ(Encoded(editor)[MemoryChannelAddress(1) + kFlagsOffset], c.flags);
    }
}

TEST(EncodeImage, BlankRowsKeepTheirPositionsInTheFlags) {
    EditorState editor = StartupEditor();
    SetListPositions(editor, 4, Positions{0, 0, 0, 0, 0, 2, 1, 1, 0});
    EXPECT_EQ(Encoded(editor)[MemoryChannelAddress(4) + kFlagsOffset], 0xEE);
}

TEST(EncodeImage, SettingsBytes) {
    const struct {
        void (*change)(EditorState&);
        int address;
        std::uint8_t byte;
    } cases[] = {
        {[](EditorState& e) { e.settings.voiceSwitch = 1; }, 0x3C0, 0xE7},
        {[](EditorState& e) { e.settings.tailElimination = 3; }, 0x3C0, 0xBF},
        {[](EditorState& e) {
             e.settings.batterySave = 0;
             e.settings.beep = 0;
         },
         0x3C0, 0xA4},
        {[](EditorState& e) { e.settings.squelchLevel = -1; }, 0x3C1, 0xFF},
        {[](EditorState& e) { e.settings.transmitTimeout = 6; }, 0x3C3, 0x06},
        {[](EditorState& e) { e.settings.priorityChannel = 15; }, 0x3C4, 0x0F},
        {[](EditorState& e) {
             e.sideKeys.pf1Short = 3;
             e.sideKeys.pf1Long = 0;
         },
         0x3C5, 0x80},
        {[](EditorState& e) {
             e.sideKeys.pf1Short = 3;
             e.sideKeys.pf1Long = 7;
         },
         0x3C5, 0x87},
        {[](EditorState& e) { e.sideKeys.pf2Long = 3; }, 0x3C6, 0x48},
        {[](EditorState& e) { e.settings.voiceLevel = 8; }, 0x3C7, 0x09},
        {[](EditorState& e) { e.settings.voiceLevel = -1; }, 0x3C7, 0x00},
        {[](EditorState& e) {
             e.settings.endBeep = 1;
             e.settings.pttId = 3;
         },
         0x3C8, 0xFF},
        {[](EditorState& e) { e.settings.pttId = 0; }, 0x3C8, 0xF4},
        {[](EditorState& e) { e.dtmf.firstDigitDelay = 89; }, 0x3C9, 0x59},
        {[](EditorState& e) { e.dtmf.digitInterval = 255; }, 0x3CA, 0xFF},
        {[](EditorState& e) { e.settings.voicePrompt = 2; }, 0x3F0, 0x02},
        {[](EditorState& e) { e.powerLevels.high = 0; }, 0x3F9, 0x00},
    };
    for (const auto& c : cases) {
        EditorState editor = StartupEditor();
        c.change(editor);
        const RadioImage image = Encoded(editor);
        EXPECT_EQ(image[c.address], c.byte) << std::hex << c.address;
        // The dialogs' own controls are never read.
        editor.dialogs.sideKeys = {0, 0, 0, 0};
        editor.dialogs.powerLevels = {0, 0};
        EXPECT_EQ(Encoded(editor), image);
    }
}

TEST(EncodeImage, PasswordAndAniAreCharacterCodes) {
    const struct {
        const char* password;
        const char* ani;
        Bytes passwordBytes;
        Bytes aniBytes;
    } cases[] = {
        {"", "", Bytes(16, 0xFF), Bytes(8, 0xFF)},
        {"123", "12AB*", {0x31, 0x32, 0x33}, {0x31, 0x32, 0x41, 0x42, 0x2A}},
        {"12.456",
         "0123456789",
         {0x31, 0x32, 0x2E, 0x34, 0x35, 0x36},
         {0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37}},
    };
    for (const auto& c : cases) {
        EditorState editor = StartupEditor();
        editor.password = c.password;
        editor.ani = c.ani;
        const RadioImage image = Encoded(editor);
        Bytes password = c.passwordBytes;
        password.resize(16, 0xFF);
        Bytes ani = c.aniBytes;
        ani.resize(8, 0xFF);
        EXPECT_EQ(Slice(image, 0, 16), password) << c.password;
        EXPECT_EQ(Slice(image, 0x3B0, 8), ani) << c.ani;
        EXPECT_EQ(Slice(image, 0x3B8, 8), Bytes(8, 0xFF));
    }
}

TEST(EncodeImage, DebugMarkerNeedsBothFrequencies) {
    const struct {
        const char* rx;
        const char* tx;
        Bytes marker;
    } cases[] = {{"460.10000", "460.00000", {0x01, 0x01}},
                 {"460.10000", "", {0xFF, 0xFF}},
                 {"", "460.00000", {0xFF, 0xFF}},
                 {"", "", {0xFF, 0xFF}}};
    for (const auto& c : cases) {
        EditorState editor = StartupEditor();
        SetDebugCellText(editor, 5, 1, c.rx);
        SetDebugCellText(editor, 5, 2, c.tx);
        EXPECT_EQ(Slice(Encoded(editor), DebugChannelAddress(5) + kDebugMarkerOffset, 2), c.marker);
    }
}

TEST(EncodeImage, RefusesAtTheFirstBadCell) {
    const struct {
        void (*change)(EditorState&);
        ErrorCode code;
        const char* where;
    } cases[] = {
        {[](EditorState& e) {
             SetMemoryCellText(e, 5, 1, "46.1");
             SetMemoryCellText(e, 6, 1, "4x");
         },
         ErrorCode::kFrequencyRefused, "memory channel 5, RX Frequency: \"46.1\""},
        {[](EditorState& e) {
             SetMemoryCellText(e, 2, 1, "460");
             SetMemoryCellText(e, 2, 3, "46");
         },
         ErrorCode::kFrequencyRefused, "memory channel 2, TX Frequency: \"46\""},
        {[](EditorState& e) { SetDebugCellText(e, 12, 2, "1000.00000"); },
         ErrorCode::kFrequencyRefused, "debug channel 12, TX Frequency: \"1000.00000\""},
        {[](EditorState& e) {
             SetMemoryCellText(e, 1, 1, "460");
             SetMemoryCellText(e, 1, 4, "12");
         },
         ErrorCode::kToneRefused, "memory channel 1, QT/DQT Enc: \"12\""},
    };
    for (const auto& c : cases) {
        EditorState editor = StartupEditor();
        c.change(editor);
        const auto result = EncodeImage(editor, Lang::English);
        ASSERT_FALSE(result.ok()) << c.where;
        EXPECT_EQ(result.status().code, c.code);
        EXPECT_EQ(result.status().where, c.where);
    }
    EditorState chinese = StartupEditor();
    SetMemoryCellText(chinese, 5, 1, "46.1");
    EXPECT_EQ(Worded(EncodeImage(chinese, Lang::Chinese).status().message, Lang::Chinese),
              "频率输入有误，请改正！");
}

TEST(EncodeImage, OffWordsOfBothLanguagesAreNoTone) {
    EditorState editor = StartupEditor();
    PutChannel(editor, 1, {"460.00000", "关闭", "460.00000", "Off"}, {0, 0, 1, 1});
    EXPECT_EQ(Slice(Encoded(editor), MemoryChannelAddress(1) + kDecodeToneOffset, 4),
              Bytes(4, 0xFF));
}

// Plans that differ only in what the radio stores alike are the same; any stored difference,
// or a refused cell against anything but the same text, is not. Where both plans encode, the
// answer is the comparison of their images.
TEST(SameAsStored, ComparesWhatTheRadioStores) {
    const struct {
        const char* what;
        void (*edit)(RadioPlan&);
        bool same;
    } cases[] = {
        {"an Off tone stores as no tone", [](RadioPlan& p) { p.memory[0].encodeTone = ToneOff{}; },
         true},
        {"a frequency as typed stores as its value",
         [](RadioPlan& p) { p.memory[0].rx = FrequencyAsTyped{"460.1"}; }, true},
        {"the band is not stored", [](RadioPlan& p) { p.settings.band = 3; }, true},
        {"a list stores the low bit of its position",
         [](RadioPlan& p) { p.memory[0].bandwidth = Bandwidth(2); }, true},
        {"another frequency", [](RadioPlan& p) { p.memory[0].rx = Frequency{46012500}; }, false},
        {"another tone", [](RadioPlan& p) { p.memory[0].decodeTone = CtcssTone{670}; }, false},
        {"another debug frequency", [](RadioPlan& p) { p.debug[0].tx = Frequency{46000100}; },
         false},
        {"another password", [](RadioPlan& p) { p.password = "123"; }, false},
        {"another ANI code", [](RadioPlan& p) { p.ani = "1234"; }, false},
        {"another side key", [](RadioPlan& p) { p.sideKeys.pf2Long = 5; }, false},
        {"another power level", [](RadioPlan& p) { p.powerLevels.high = 200; }, false},
        {"a refused frequency against no frequency",
         [](RadioPlan& p) { p.memory[1].tx = FrequencyAsTyped{"4600.1"}; }, false},
        {"a refused tone against no tone",
         [](RadioPlan& p) { p.memory[1].decodeTone = ToneAsTyped{"x"}; }, false},
    };
    RadioPlan base = StartupEditor();
    base.memory[0].rx = Frequency{46010000};
    base.memory[0].decodeTone = CtcssTone{885};
    for (const auto& c : cases) {
        RadioPlan other = base;
        c.edit(other);
        EXPECT_EQ(SameAsStored(base, other), c.same) << c.what;
        EXPECT_EQ(SameAsStored(other, base), c.same) << c.what << ", the other way round";
        const PlanEncoding imageA = EncodeImage(base);
        const PlanEncoding imageB = EncodeImage(other);
        if (std::holds_alternative<RadioImage>(imageB)) {
            EXPECT_EQ(imageA == imageB, c.same) << c.what << ": unlike the images";
        }
        // With the same refused cell in both, the rest decides alike.
        RadioPlan refusedA = base;
        RadioPlan refusedB = other;
        refusedA.debug[5].rx = FrequencyAsTyped{"4600.1"};
        refusedB.debug[5].rx = FrequencyAsTyped{"4600.1"};
        EXPECT_EQ(SameAsStored(refusedA, refusedB), c.same) << c.what << ", beside a refused cell";
        refusedB.debug[5].rx = FrequencyAsTyped{"4700.1"};
        EXPECT_FALSE(SameAsStored(refusedA, refusedB)) << c.what << ", refused texts differ";
    }
}

}  // namespace
}  // namespace m742
