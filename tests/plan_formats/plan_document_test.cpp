// A plan's frequencies and tones go into the editor by the window's rules, except that a
// frequency in the form a plan prints is kept exactly.
#include <gtest/gtest.h>
#include "radio_data/layout.h"
#include "texts/grid_cells.h"
#include "texts/message_text.h"

#include "channel_editing/channel_plan.h"
#include "plan_formats/plan_document.h"

namespace m742 {
namespace {

enum Outcome { kTaken, kNotAllowed, kWindowRule };

struct ValueCase {
    const char* name;
    int column;
    PlanValue value;
    Outcome outcome;
    std::string expected;  // what the cell then holds, or part of the refusal's message
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << c.name;
}

const std::string kOutOfBand = "Beyond the frequency range";
const std::string kBadFrequency = "Frequency input is incorrect";
const std::string kBadTone = "QT/DQT input is incorrect";

const ValueCase kValueCases[] = {
    {"printed_form_kept_off_raster", kColumnRx, std::string("460.00100"), kTaken, "460.00100"},
    {"printed_form_top_of_band", kColumnRx, std::string("479.99999"), kTaken, "479.99999"},
    {"bottom_of_band", kColumnRx, std::string("400.00000"), kTaken, "400.00000"},
    {"typed_entry_snapped", kColumnRx, std::string("460.007"), kTaken, "460.00625"},
    {"whole_mhz", kColumnRx, std::string("460"), kTaken, "460.00000"},
    {"top_of_band_refused", kColumnRx, std::string("480.00000"), kWindowRule, kOutOfBand},
    {"rounding_into_top_refused", kColumnTx, std::string("479.999999"), kWindowRule, kOutOfBand},
    {"below_band_refused", kColumnRx, std::string("399.99999"), kWindowRule, kOutOfBand},
    {"damaged_digits_refused", kColumnRx, std::string("4A0.12500"), kWindowRule, kBadFrequency},
    {"empty_rx_refused", kColumnRx, std::string(""), kWindowRule, kBadFrequency},
    {"empty_tx_receive_only", kColumnTx, std::string(""), kTaken, ""},
    {"number_is_no_frequency", kColumnRx, std::int64_t{460}, kNotAllowed, "frequency text"},
    {"tone_off", kColumnDecodeTone, std::string("off"), kTaken, "Off"},
    {"ctcss_one_decimal", kColumnDecodeTone, std::string("88"), kTaken, "88.0"},
    {"ctcss_off_list_kept", kColumnEncodeTone, std::string("100.1"), kTaken, "100.1"},
    {"ctcss_extremes", kColumnEncodeTone, std::string("254.1"), kTaken, "254.1"},
    {"dcs_padded", kColumnEncodeTone, std::string("D23N"), kTaken, "D023N"},
    {"dcs_inverted", kColumnDecodeTone, std::string("D777I"), kTaken, "D777I"},
    {"dcs_too_high", kColumnDecodeTone, std::string("D778N"), kWindowRule, kBadTone},
    {"ctcss_too_high", kColumnDecodeTone, std::string("254.2"), kWindowRule, kBadTone},
    {"tone_off_word_is_no_value", kColumnDecodeTone, std::string("Off"), kWindowRule, kBadTone},
    {"tone_number", kColumnDecodeTone, std::int64_t{88}, kNotAllowed, "\"off\""},
    {"list_word", kColumnBandwidth, std::string("narrow"), kTaken, "Narrow"},
    {"list_null", kColumnBandwidth, PlanValue{}, kNotAllowed, "one of wide, narrow"},
    {"list_position", kColumnTxPower, std::int64_t{1}, kNotAllowed, "one of low, high"},
    {"flag", kColumnAddScan, false, kTaken, "No"},
};

class ChannelValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ChannelValue, FollowsTheWindowAndKeepsPrintedFrequencies) {
    const ValueCase& c = GetParam();
    EditorState editor = StartupEditor();
    ASSERT_EQ(SetChannelPlanValue(editor, 4, ChannelField::kRx, std::string("450.00000")),
              std::nullopt);
    const EditorState before = editor;
    // The grid's columns after the channel number hold the fields in the plan's order.
    const ChannelField field = kChannelFields.at(static_cast<std::size_t>(c.column - 1));
    const PlanResult result = SetChannelPlanValue(editor, 4, field, c.value);
    ASSERT_EQ(result.has_value(), c.outcome != kTaken);
    if (result) {
        EXPECT_EQ(result->windowRule, c.outcome == kWindowRule);
        const std::string message = Worded(result->message, Lang::English);
        EXPECT_NE(message.find(c.expected), std::string::npos) << message;
        EXPECT_EQ(editor, before);
    } else {
        EXPECT_EQ(MemoryCellText(editor, 4, c.column, Lang::English), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, ChannelValue, ::testing::ValuesIn(kValueCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace m742
