#include "radio_data/image.h"
#include "radio_data/status.h"
#include "radio_data/text_codes.h"
#include "texts/message_text.h"

#include <gtest/gtest.h>

namespace m742 {
namespace {

TEST(TextHelpers, Hex2TakesTheLowByteInTwosComplement) {
    const struct {
        std::int16_t value;
        const char* digits;
    } cases[] = {{0, "00"},  {5, "05"},  {171, "AB"},    {255, "FF"},   {300, "2C"},
                 {-1, "FF"}, {-2, "FE"}, {0x7FFF, "FF"}, {-32768, "00"}};
    for (const auto& c : cases) {
        EXPECT_EQ(Hex2(c.value), c.digits) << c.value;
    }
}

TEST(ImageHexForm, RoundTripsEveryByteValueInUpperCase) {
    RadioImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7);
    }
    const ImageHex hex = ImageToHex(image);
    ASSERT_EQ(hex.size(), kImageHexLength);
    EXPECT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_EQ(hex.substr(2 * 37, 2), Hex2(static_cast<std::int16_t>(image[37])));
    EXPECT_EQ(ImageFromHex(hex), image);
}

TEST(ImageHexForm, RefusesAnythingButTheFullUpperCaseForm) {
    const ImageHex good = ImageToHex(BlankImage());
    std::string lower = good;
    lower[10] = 'f';
    std::string foreign = good;
    foreign[2047] = 'G';
    for (const std::string& bad : {good.substr(1), good + "F", lower, foreign, std::string()}) {
        EXPECT_FALSE(ImageFromHex(bad).has_value());
    }
}

}  // namespace
}  // namespace m742

namespace m742 {
namespace {

// One home for text measures: terminal columns, cutting without splitting a character, and the
// quotation marks of each language.
TEST(TextCodes, WidthShorteningAndQuotes) {
    const struct {
        const char* text;
        int width;
        std::size_t longest;
        const char* shortened;
    } cases[] = {
        {"460.12500", 9, 9, "460.12500"},
        {"静噪等级", 8, 8, "静..."},
        {"Off", 3, 2, "..."},
        {"ab静", 4, 5, "ab静"},
        {"abcdef", 6, 5, "ab..."},
        {"\xC3\xA9t\xC3\xA9!", 4, 5, "\xC3\xA9..."},
        {"Ｘ", 2, 3, "Ｘ"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DisplayWidth(c.text), c.width) << c.text;
        EXPECT_EQ(Shortened(c.text, c.longest), c.shortened) << c.text;
    }
    EXPECT_EQ(Quoted("a.DAT", Lang::English), "\"a.DAT\"");
    EXPECT_EQ(Quoted("a.DAT", Lang::Chinese), "“a.DAT”");
}

}  // namespace
}  // namespace m742

namespace m742 {
namespace {

// A failure carries its status and no value; a success can never pass for a failure.
TEST(Outcome, FailuresAreMadeOnlyFromFailedStatusesAndHoldNoValue) {
    const Outcome<int> failed = Failed(Status{ErrorCode::kFileMissing, {}, "a.DAT"});
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(failed.status().where, "a.DAT");
    EXPECT_THROW(static_cast<void>(failed.value()), std::bad_optional_access);
    EXPECT_THROW(Outcome<int>{Status::Ok()}, std::logic_error);
    const Outcome<int> value = 7;
    EXPECT_TRUE(value.ok());
    EXPECT_EQ(value.value(), 7);
}

}  // namespace
}  // namespace m742
