#include "plan_formats/plan_keys.h"
#include "radio_data/text_codes.h"
#include "texts/list_texts.h"
#include "texts/message_text.h"
#include "texts/plan_texts.h"
#include "texts/punctuation.h"

#include <array>
#include <vector>

namespace m742 {

namespace {

// The plan names of the settings, by the name of the control or global that holds them.
struct KeyName {
    std::string_view field;
    std::string_view group;
    std::string_view key;
};
constexpr std::array<KeyName, 20> kKeyNames{{
    {"Combo2", kSettingsGroup, "ptt_id"},
    {"Combo4", kSettingsGroup, "squelch_level"},
    {"Combo6", kSettingsGroup, "beep"},
    {"Combo3", kSettingsGroup, "tx_timeout_s"},
    {"Combo9", kSettingsGroup, "battery_save"},
    {"Combo7", kSettingsGroup, "priority_channel"},
    {"Combo12", kSettingsGroup, "vox"},
    {"Combo10", kSettingsGroup, "end_beep"},
    {"Combo11", kSettingsGroup, "tail_elimination"},
    {"Combo13", kSettingsGroup, "vox_level"},
    {"Combo14", kSettingsGroup, "voice_prompt"},
    {"SideKeyPf1Short", kSideKeysGroup, "pf1_short"},
    {"SideKeyPf1Long", kSideKeysGroup, "pf1_long"},
    {"SideKeyPf2Short", kSideKeysGroup, "pf2_short"},
    {"SideKeyPf2Long", kSideKeysGroup, "pf2_long"},
    {"DtmfFirstDelay", kDtmfGroup, "first_digit_delay_ms"},
    {"DtmfInterval", kDtmfGroup, "digit_interval_ms"},
    {"DtmfDelay", kDtmfGroup, "digit_delay_ms"},
    {"PowerLow", kPowerGroup, "low"},
    {"PowerHigh", kPowerGroup, "high"},
}};

// The words of the lists whose values are words, by position.
constexpr std::string_view kPttIdWords[] = {"off", "start_tx", "end_tx", "both"};
constexpr std::string_view kTailWords[] = {"phase_120", "phase_180", "phase_240", "frequency"};
constexpr std::string_view kVoicePromptWords[] = {"off", "chinese", "english"};
constexpr std::string_view kBusyLockWords[] = {"off", "carrier", "tone"};
constexpr std::string_view kBandwidthWords[] = {"wide", "narrow"};
constexpr std::string_view kTxPowerWords[] = {"low", "high"};
constexpr std::string_view kSideKeyWords[] = {
    "off", "monitor", "scan", "priority_scan", "power_level", "talkaround", "reverse", "vox"};

std::span<const std::string_view> WordsOf(ListId list) {
    switch (list) {
        case ListId::kPttId:
            return kPttIdWords;
        case ListId::kTailElimination:
            return kTailWords;
        case ListId::kVoicePrompt:
            return kVoicePromptWords;
        case ListId::kBusyLock:
            return kBusyLockWords;
        case ListId::kBandwidth:
            return kBandwidthWords;
        case ListId::kTxPower:
            return kTxPowerWords;
        case ListId::kSideKey:
            return kSideKeyWords;
        default:
            return {};
    }
}

// The number a numeric list's position stands for, or nothing when the list is not numeric.
std::optional<std::int64_t> NumberOf(ListId list, int position) {
    switch (list) {
        case ListId::kLaunchTime:
            return 30 * position;  // 0 is Off
        case ListId::kSquelchGrade:
        case ListId::kPowerLevel:
            return position;
        case ListId::kPriorityChannel:
        case ListId::kVoiceLevel:
            return position + 1;
        case ListId::kDtmfFirstDelay:
            return 50 * (position + 1);
        case ListId::kDtmfTime:
            return 25 * (position + 1);
        default:
            return std::nullopt;
    }
}

}  // namespace

std::span<const PlanSetting> PlanSettings() {
    static const std::vector<PlanSetting> settings = [] {
        std::vector<PlanSetting> all;
        for (const SettingField& field : SettingFields()) {
            for (const KeyName& name : kKeyNames) {
                if (name.field == field.name) {
                    all.push_back({name.group, name.key, &field});
                }
            }
        }
        return all;
    }();
    return settings;
}

std::string_view ChannelFieldKey(ChannelField field) {
    static constexpr std::array<std::string_view, kChannelFields.size()> kKeys{
        "rx_mhz", "rx_tone", "tx_mhz", "tx_tone", "busy_lock", "bandwidth", "scan", "power"};
    return kKeys[static_cast<std::size_t>(field)];
}

PlanValue PlanValueOf(ListId list, int position) {
    if (position < 0 || position >= ListSize(list)) {
        return {};
    }
    switch (list) {
        case ListId::kOffOn:
        case ListId::kAddScan:
            return position == 1;
        case ListId::kOnOff:
            return position == 0;
        case ListId::kTone:
            return position == 0 ? std::string("off") : ListItem(list, position, Lang::English);
        case ListId::kBand:
            return ListItem(list, position, Lang::English);
        default:
            break;
    }
    if (const auto number = NumberOf(list, position)) {
        return *number;
    }
    return std::string(WordsOf(list)[static_cast<std::size_t>(position)]);
}

std::optional<int> PositionOfPlanValue(ListId list, const PlanValue& value) {
    if (std::holds_alternative<std::monostate>(value)) {
        return std::nullopt;
    }
    for (int position = 0; position < ListSize(list); ++position) {
        if (PlanValueOf(list, position) == value) {
            return position;
        }
    }
    return std::nullopt;
}

Message PlanValueChoices(ListId list) {
    std::vector<PlanValue> values;
    for (int position = 0; position < ListSize(list); ++position) {
        values.push_back(PlanValueOf(list, position));
    }
    if (std::holds_alternative<bool>(values.front())) {
        return Text(kPlanTrueOrFalse);
    }
    if (std::holds_alternative<std::int64_t>(values.front())) {
        // Every numeric list is evenly spaced.
        const auto first = std::get<std::int64_t>(values.front());
        const auto last = std::get<std::int64_t>(values.back());
        const auto step =
            values.size() > 1 ? std::get<std::int64_t>(values[1]) - first : std::int64_t{1};
        Message range{&kPlanWholeNumber, {std::to_string(first), std::to_string(last)}};
        if (step == 1) {
            return range;
        }
        return Concatenated(
            {Inner(std::move(range)), Inner({&kPlanInSteps, {std::to_string(step)}})});
    }
    std::vector<MessagePart> words;
    for (const PlanValue& value : values) {
        if (!words.empty()) {
            words.emplace_back(&kListComma);
        }
        words.emplace_back(std::get<std::string>(value));
    }
    return {&kPlanOneOf, {Inner(Concatenated(std::move(words)))}};
}

std::string PlanValueText(const PlanValue& value) {
    if (const auto* flag = std::get_if<bool>(&value)) {
        return *flag ? "true" : "false";
    }
    if (const auto* number = std::get_if<std::int64_t>(&value)) {
        return std::to_string(*number);
    }
    if (const auto* word = std::get_if<std::string>(&value)) {
        return "\"" + *word + "\"";
    }
    return "null";
}

std::string PlanTone(const ToneCell& tone) {
    return IsEmpty(tone) ? "off" : ToneCellText(tone, "off");
}

}  // namespace m742
