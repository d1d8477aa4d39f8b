#include <gtest/gtest.h>
#include "radio_data/layout.h"
#include "texts/grid_cells.h"
#include "texts/message_text.h"

#include <random>
#include <set>

#include "channel_editing/channel_plan.h"
#include "channel_editing/frequency_entry.h"
#include "channel_editing/list_entry.h"
#include "plan_formats/base_plan.h"
#include "plan_formats/plan_keys.h"
#include "radio_data/codec.h"
#include "texts/list_texts.h"
#include "texts/store_refusal.h"

namespace m742 {
namespace {

// Every position of every list has a value of its own, and that value leads back to it.
TEST(PlanKeys, EveryListPositionHasItsOwnValue) {
    for (const PlanSetting& setting : PlanSettings()) {
        const ListId list = setting.field->list;
        std::set<std::string> seen;
        for (int position = 0; position < ListSize(list); ++position) {
            const PlanValue value = PlanValueOf(list, position);
            EXPECT_TRUE(seen.insert(PlanValueText(value)).second) << setting.key << " " << position;
            EXPECT_EQ(PositionOfPlanValue(list, value), position) << setting.key;
        }
        EXPECT_EQ(PlanValueOf(list, -1), PlanValue{}) << setting.key;
    }
    std::set<std::string_view> keys;
    for (const PlanSetting& setting : PlanSettings()) {
        EXPECT_TRUE(keys.insert(setting.key).second || setting.group != kSettingsGroup)
            << setting.key;
    }
    EXPECT_EQ(PlanSettings().size(), SettingFields().size() - 1);  // all but the band
}

TEST(PlanKeys, ValuesAndChoices) {
    struct Case {
        ListId list;
        int position;
        std::string value;
        std::string choices;
    };
    const Case cases[] = {
        {ListId::kLaunchTime, 0, "0", "a whole number from 0 to 300 in steps of 30"},
        {ListId::kLaunchTime, 2, "60", ""},
        {ListId::kOnOff, 0, "true", "true or false"},
        {ListId::kOffOn, 0, "false", ""},
        {ListId::kPriorityChannel, 15, "16", "a whole number from 1 to 16"},
        {ListId::kDtmfTime, 255, "6400", "a whole number from 25 to 6400 in steps of 25"},
        {ListId::kPttId, 3, "\"both\"", "one of off, start_tx, end_tx, both"},
        {ListId::kTone, 0, "\"off\"", ""},
        {ListId::kTone, 1, "\"67.0\"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlanValueText(PlanValueOf(c.list, c.position)), c.value);
        if (!c.choices.empty()) {
            EXPECT_EQ(Worded(PlanValueChoices(c.list), Lang::English), c.choices);
        }
    }
    EXPECT_EQ(PositionOfPlanValue(ListId::kLaunchTime, std::int64_t{45}), std::nullopt);
    EXPECT_EQ(PositionOfPlanValue(ListId::kAddScan, std::string("yes")), std::nullopt);
}

// Saving a plan over an older image changes the bits of the values the plan changes, and only
// those: the image's own plan gives the image back byte for byte whatever it holds (unknown
// bytes, fill, values the decoder only read as a fallback), and an edit is stored whole.
TEST(PlanKeys, EncodeOverBaseChangesOnlyWhatThePlanChanges) {
    std::mt19937 random(742);
    RadioImage erased{};
    erased.fill(0xFF);
    RadioImage noise{};
    for (auto& byte : noise) {
        byte = static_cast<std::uint8_t>(random());
    }
    RadioImage damaged = erased;
    damaged[MemoryChannelAddress(2) + kRxOffset] = 0x00;          // channel 2: RX 0.00000
    damaged[MemoryChannelAddress(2) + kEncodeToneOffset] = 0x9A;  // a tone code no list holds
    damaged[0x3C1] = 0x7F;                                        // a setting out of its list
    struct Case {
        const char* name;
        RadioImage image;
    };
    for (const Case& c : {Case{"erased", erased}, Case{"noise", noise}, Case{"damaged", damaged}}) {
        SCOPED_TRACE(c.name);
        const EditorState own = EditorOfImage(c.image);
        const PlanEncoding same = EncodeOverBase(own, own, c.image);
        ASSERT_TRUE(std::holds_alternative<RadioImage>(same));
        EXPECT_EQ(std::get<RadioImage>(same), c.image);

        // Channel 1 filled in anew, wide, and channel 2's encode tone set to Off.
        EditorState edited = own;
        ClearMemoryChannel(edited, 1);
        ASSERT_EQ(CommitFrequency(edited, 1, kColumnRx, "460.125").outcome,
                  FrequencyOutcome::kChannelStarted);
        ASSERT_TRUE(PickListItem(edited, 1, kColumnBandwidth, 0));
        SetMemoryCellText(edited, 2, kColumnEncodeTone, OffWord(Lang::English));
        const PlanEncoding encoded = EncodeOverBase(edited, own, c.image);
        const auto fresh = EncodeImage(edited, Lang::English);
        ASSERT_TRUE(std::holds_alternative<RadioImage>(encoded) && fresh.ok());
        const RadioImage& merged = std::get<RadioImage>(encoded);
        const int channel1 = MemoryChannelAddress(1);
        for (int i = 0; i <= kFlagsOffset; ++i) {
            const auto held = ModeledBits()[static_cast<std::size_t>(channel1 + i)];
            EXPECT_EQ(merged[static_cast<std::size_t>(channel1 + i)] & held,
                      fresh.value()[static_cast<std::size_t>(channel1 + i)] & held)
                << "channel 1 byte " << i;
        }
        const int tone = MemoryChannelAddress(2) + kEncodeToneOffset;
        EXPECT_EQ(merged[static_cast<std::size_t>(tone)], 0xFF);
        EXPECT_EQ(merged[0x3E0], c.image[0x3E0]);  // a byte the program does not know
        EXPECT_EQ(merged[0x3C1], c.image[0x3C1]);  // a setting the plan left alone
    }
}

}  // namespace
}  // namespace m742
