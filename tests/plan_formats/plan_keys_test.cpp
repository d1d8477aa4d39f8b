#include <gtest/gtest.h>

#include <set>

#include "channel_editing/channel_plan.h"
#include "plan_formats/plan_keys.h"
#include "radio_data/codec.h"

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
            EXPECT_EQ(PlanValueChoices(c.list, Lang::English), c.choices);
        }
    }
    EXPECT_EQ(PositionOfPlanValue(ListId::kLaunchTime, std::int64_t{45}), std::nullopt);
    EXPECT_EQ(PositionOfPlanValue(ListId::kAddScan, std::string("yes")), std::nullopt);
}

// Saving over an older image keeps every bit the editor does not hold, and only those.
TEST(PlanKeys, KeepUnmodeledKeepsOnlyUnknownBits) {
    EditorState editor = StartupEditor(1);
    editor.Text2 = "1234";
    const auto encoded = EncodeImage(editor);
    ASSERT_TRUE(encoded.ok());
    RadioImage base{};
    for (std::size_t i = 0; i < base.size(); ++i) {
        base[i] = static_cast<std::uint8_t>(i * 37 + 11);
    }
    const RadioImage merged = KeepUnmodeled(encoded.value(), base);
    EditorState fromEncoded = StartupEditor(1);
    EditorState fromMerged = StartupEditor(1);
    DecodeImage(encoded.value(), fromEncoded);
    DecodeImage(merged, fromMerged);
    EXPECT_EQ(fromEncoded, fromMerged);
    EXPECT_EQ(PasswordOfImage(merged), "1234");
    EXPECT_EQ(merged[0x3E0], base[0x3E0]);  // a byte the program does not know
    EXPECT_EQ(merged[MemoryChannelAddress(1) + kFlagsOffset] & 0xE0,
              base[MemoryChannelAddress(1) + kFlagsOffset] & 0xE0);
    EXPECT_EQ(KeepUnmodeled(encoded.value(), encoded.value()), encoded.value());
}

}  // namespace
}  // namespace m742
