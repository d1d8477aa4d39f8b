#include "radio_data/tones.h"

#include <gtest/gtest.h>

#include "radio_data/lists.h"

namespace m742 {
namespace {

TEST(FreqToHex, GivesTheStorageOrderDigits) {
    const struct {
        const char* text;
        const char* digits;
    } cases[] = {
        {"460.12500", "00250146"},
        {"460.125", "00250146"},
        {"460.1", "00000146"},
        {"460.10000", "00000146"},
        {"460", "00000046"},
        {"400.00000", "00000040"},
        {"479.99750", "50979947"},
        {"460.123456", "45230146"},
        {"", "FFFFFFFF"},
        {"   ", "FFFFFFFF"},
        // A damaged image can show hexadecimal digits; they go back as they came.
        {"4A0.12500", "0025014A"},
        {"FFF.FFFFE", "FEFFFFFF"},
    };
    for (const auto& c : cases) {
        const auto result = FreqToHex(c.text, Lang::English);
        ASSERT_TRUE(result.ok()) << c.text;
        EXPECT_EQ(result.value(), c.digits) << c.text;
    }
}

TEST(FreqToHex, RefusesTextsThatDoNotFitAFrequencyCode) {
    for (const char* text : {"46.1", "46", "4", ".5", "1000.5", "4601", " 460.1", "460.1.2",
                             "460.1 ", "4x0.1", "460.1250a", "-60.125", "46e.1"}) {
        const auto result = FreqToHex(text, Lang::English);
        ASSERT_FALSE(result.ok()) << text;
        EXPECT_EQ(result.status().code, ErrorCode::kFrequencyRefused);
        EXPECT_EQ(result.status().message, "Frequency input is incorrect, please correct!");
    }
    EXPECT_EQ(FreqToHex("46.1", Lang::Chinese).status().message, "频率输入有误，请改正！");
}

RadioImage WithBytes(int address, std::initializer_list<std::uint8_t> bytes) {
    RadioImage image = BlankImage();
    std::copy(bytes.begin(), bytes.end(), image.begin() + address);
    return image;
}

TEST(FrequencyText, ShowsTheDigitsAsStored) {
    EXPECT_EQ(FrequencyText(WithBytes(16, {0x00, 0x25, 0x01, 0x46}), 16), "460.12500");
    EXPECT_EQ(FrequencyText(WithBytes(16, {0x50, 0x97, 0x99, 0x47}), 16), "479.99750");
    EXPECT_EQ(FrequencyText(WithBytes(16, {0x00, 0x25, 0x01, 0x4A}), 16), "4A0.12500");
    EXPECT_EQ(FrequencyText(BlankImage(), 16), "");
    EXPECT_EQ(FrequencyText(WithBytes(16, {0xFE}), 16), "FFF.FFFFE");
}

TEST(ToneText, FollowsTheCodeForms) {
    const struct {
        std::uint8_t low, high;
        bool frequency;
        const char* text;
    } cases[] = {
        {0x85, 0x08, true, "88.5"},  {0x70, 0x06, true, "67.0"},   {0x00, 0x10, true, "100.0"},
        {0x41, 0x25, true, "254.1"}, {0x99, 0x19, true, "199.9"},  {0x23, 0x80, true, "D023N"},
        {0x54, 0xC7, true, "D754I"}, {0x12, 0xA3, true, ""},       {0xFF, 0xFF, true, "Off"},
        {0xFF, 0xFF, false, ""},     {0x23, 0x80, false, "D023N"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToneText(WithBytes(24, {c.low, c.high}), 24, c.frequency, Lang::English), c.text)
            << std::hex << int(c.high) << int(c.low);
    }
    EXPECT_EQ(ToneText(BlankImage(), 24, true, Lang::Chinese), "关闭");
}

TEST(ToneCodeOf, ReadsEveryFormAndRefusesTheRest) {
    const struct {
        const char* text;
        std::optional<std::uint16_t> code;
    } cases[] = {
        {"88.5", 0x0885},     {"67.0", 0x0670},        {"254.1", 0x2541},     {"199.9", 0x1999},
        {"123.0", 0x1230},    {"D023N", 0x8023},       {"D754I", 0xC754},     {"", 0xFFFF},
        {"Off", 0xFFFF},      {"关闭", 0xFFFF},        {"DFFFN", 0x8FFF},     {"12", std::nullopt},
        {"DN", std::nullopt}, {"D0X3N", std::nullopt}, {"off", std::nullopt},
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
            const auto code = ToneCodeOf(text);
            ASSERT_TRUE(code.has_value()) << text;
            const RadioImage image = WithBytes(24, {static_cast<std::uint8_t>(*code & 0xFF),
                                                    static_cast<std::uint8_t>(*code >> 8)});
            EXPECT_EQ(ToneText(image, 24, true, lang), text);
        }
    }
}

}  // namespace
}  // namespace m742
