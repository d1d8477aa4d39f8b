#include "radio_data/tones.h"

#include <gtest/gtest.h>

#include "radio_data/lists.h"
#include "radio_data/radio_plan.h"
#include "texts/grid_cells.h"
#include "texts/list_texts.h"

namespace m742 {
namespace {

using Bytes = std::array<std::uint8_t, 4>;

// A frequency text, the bytes it stores, and the field it stands for in a plan.
TEST(FrequencyField, TextsStoreTheirDigitsAndReadBackAsTheSameField) {
    const struct {
        const char* text;
        Bytes bytes;
        FrequencyCell cell;
    } cases[] = {
        {"460.12500", {0x00, 0x25, 0x01, 0x46}, Frequency{46012500}},
        {"460.125", {0x00, 0x25, 0x01, 0x46}, FrequencyAsTyped{"460.125"}},
        {"460", {0x00, 0x00, 0x00, 0x46}, FrequencyAsTyped{"460"}},
        {"479.99750", {0x50, 0x97, 0x99, 0x47}, Frequency{47999750}},
        {"005.00000", {0x00, 0x00, 0x50, 0x00}, Frequency{500000}},
        {"460.123456", {0x45, 0x23, 0x01, 0x46}, FrequencyAsTyped{"460.123456"}},
        {"", {0xFF, 0xFF, 0xFF, 0xFF}, std::monostate{}},
        {"   ", {0xFF, 0xFF, 0xFF, 0xFF}, FrequencyAsTyped{"   "}},
        // A damaged image can show hexadecimal digits; they go back as they came.
        {"4A0.12500", {0x00, 0x25, 0x01, 0x4A}, UndecodedFrequency{{0x00, 0x25, 0x01, 0x4A}}},
        {"FFF.FFFFE", {0xFE, 0xFF, 0xFF, 0xFF}, UndecodedFrequency{{0xFE, 0xFF, 0xFF, 0xFF}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FrequencyBytesOfText(c.text), c.bytes) << c.text;
        EXPECT_EQ(FrequencyCellOf(c.text), c.cell) << c.text;
        EXPECT_EQ(FrequencyCellBytes(c.cell), c.bytes) << c.text;
        EXPECT_EQ(FrequencyCellText(c.cell), c.text) << c.text;
    }
}

TEST(FrequencyField, TextsThatDoNotFitFourBytesAreKeptAndNotStored) {
    for (const char* text : {"46.1", "46", "4", ".5", "1000.5", "4601", " 460.1", "460.1.2",
                             "460.1 ", "4x0.1", "460.1250a", "-60.125", "46e.1", "5.00000"}) {
        EXPECT_EQ(FrequencyBytesOfText(text), std::nullopt) << text;
        EXPECT_EQ(FrequencyCellOf(text), FrequencyCell(FrequencyAsTyped{text})) << text;
        EXPECT_EQ(FrequencyCellBytes(FrequencyCellOf(text)), std::nullopt) << text;
    }
}

RadioImage WithBytes(int address, std::initializer_list<std::uint8_t> bytes) {
    RadioImage image = BlankImage();
    std::copy(bytes.begin(), bytes.end(), image.begin() + address);
    return image;
}

TEST(FrequencyText, ShowsTheDigitsAsStored) {
    // Every digit pattern of the top byte reads back as the text it shows.
    for (int top = 0; top <= 0xFF; ++top) {
        const Bytes bytes{0x00, 0x25, 0x01, static_cast<std::uint8_t>(top)};
        EXPECT_EQ(FrequencyCellText(FrequencyCellOfBytes(bytes)), FrequencyBytesText(bytes));
        EXPECT_EQ(FrequencyCellBytes(FrequencyCellOf(FrequencyBytesText(bytes))), bytes);
    }
    EXPECT_EQ(FrequencyText(WithBytes(16, {0x00, 0x25, 0x01, 0x46}), 16), "460.12500");
    EXPECT_EQ(FrequencyText(WithBytes(16, {0x50, 0x97, 0x99, 0x47}), 16), "479.99750");
    EXPECT_EQ(FrequencyText(WithBytes(16, {0x00, 0x25, 0x01, 0x4A}), 16), "4A0.12500");
    EXPECT_EQ(FrequencyText(BlankImage(), 16), "");
    EXPECT_EQ(FrequencyText(WithBytes(16, {0xFE}), 16), "FFF.FFFFE");
}

TEST(ToneField, FollowsTheCodeForms) {
    const struct {
        std::uint16_t code;
        bool frequency;
        const char* text;
    } cases[] = {
        {0x0885, true, "88.5"},  {0x0670, true, "67.0"},   {0x1000, true, "100.0"},
        {0x2541, true, "254.1"}, {0x1999, true, "199.9"},  {0x8023, true, "D023N"},
        {0xC754, true, "D754I"}, {0xA312, true, ""},       {0xFFFF, true, "Off"},
        {0xFFFF, false, ""},     {0x8023, false, "D023N"}, {0x0000, true, "00.0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToneCellText(ToneCellOfCode(c.code, c.frequency), "Off"), c.text)
            << std::hex << c.code;
    }
    EXPECT_EQ(ToneCellText(ToneOff{}, OffWord(Lang::Chinese)), "关闭");
}

// Whatever code a radio holds, the field read from it stores what its text stores: the plan
// encodes exactly what the grid's text did.
TEST(ToneField, EveryCodeStoresWhatItsTextStores) {
    for (int code = 0; code <= 0xFFFF; ++code) {
        const ToneCell cell = ToneCellOfCode(static_cast<std::uint16_t>(code), true);
        const std::string text = ToneCellText(cell, "Off");
        if (!std::holds_alternative<ToneOff>(cell)) {
            ASSERT_EQ(ToneCodeOfCell(cell), ToneCodeOf(text)) << std::hex << code;
        }
        ASSERT_EQ(ToneCellOf(text), cell) << std::hex << code;
    }
    for (const char* typed : {"088.5", "88.50", "D23N", "12", "off"}) {
        EXPECT_EQ(ToneCellOf(typed), ToneCell(ToneAsTyped{typed})) << typed;
        EXPECT_EQ(ToneCodeOfCell(ToneCellOf(typed)), ToneCodeOf(typed)) << typed;
    }
    EXPECT_EQ(ToneCellOf("关闭"), ToneCell(ToneOff{}));
    EXPECT_EQ(ToneCellOf("Off"), ToneCell(ToneOff{}));
}

TEST(ToneCodeOf, ReadsEveryFormAndRefusesTheRest) {
    const struct {
        const char* text;
        std::optional<std::uint16_t> code;
    } cases[] = {
        {"88.5", 0x0885},      {"67.0", 0x0670},     {"254.1", 0x2541},    {"199.9", 0x1999},
        {"123.0", 0x1230},     {"D023N", 0x8023},    {"D754I", 0xC754},    {"", 0xFFFF},
        {"DFFFN", 0x8FFF},     {"12", std::nullopt}, {"DN", std::nullopt}, {"D0X3N", std::nullopt},
        {"off", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToneCodeOf(c.text), c.code) << c.text;
    }
}

// Every entry of the tone list is stored and shown again as itself.
TEST(ToneList, EveryEntryRoundTripsThroughTheImage) {
    ASSERT_EQ(ListSize(ListId::kTone), 261);
    EXPECT_EQ(ListItem(ListId::kTone, 40, Lang::English), "199.9");
    EXPECT_EQ(ListItem(ListId::kTone, 51, Lang::English), "D023N");
    EXPECT_EQ(ListItem(ListId::kTone, 155, Lang::English), "D754N");
    EXPECT_EQ(ListItem(ListId::kTone, 156, Lang::English), "D023I");
    EXPECT_EQ(ListItem(ListId::kTone, 260, Lang::English), "D754I");
    for (Lang lang : {Lang::English, Lang::Chinese}) {
        for (int i = 0; i < kToneListSize; ++i) {
            const std::string text = ListItem(ListId::kTone, i, lang);
            const auto code = ToneCodeOfCell(ToneCellOf(text));
            ASSERT_TRUE(code.has_value()) << text;
            EXPECT_EQ(ToneCellText(ToneCellOfCode(*code, true), OffWord(lang)), text);
        }
    }
}

}  // namespace
}  // namespace m742
