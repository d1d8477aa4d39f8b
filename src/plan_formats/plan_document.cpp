#include "plan_formats/plan_document.h"

#include <algorithm>

#include "channel_editing/frequency_entry.h"
#include "channel_editing/snap.h"
#include "channel_editing/tone_entry.h"
#include "radio_data/lists.h"
#include "radio_data/text_codes.h"
#include "radio_data/tones.h"
#include "texts/edit_texts.h"
#include "texts/grid_cells.h"
#include "texts/message_text.h"
#include "texts/plan_texts.h"
#include "texts/store_refusal.h"

namespace m742 {

namespace {

constexpr std::size_t kPasswordCharacters = 6;  // what the password box holds
constexpr std::size_t kAniCharacters = 8;       // what the radio stores
constexpr std::uint32_t kLastStorableCode = 0xFE;

PlanRefusal NotAllowed(Message choices) {
    return {false, ErrorCode::kNone, std::move(choices)};
}

// "ddd.ddddd", all digits: a frequency as a plan prints it and the radio stores it.
bool IsStoredFrequencyForm(std::string_view text) {
    if (text.size() != 9 || text[3] != '.') {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i != 3 && (text[i] < '0' || text[i] > '9')) {
            return false;
        }
    }
    return true;
}

const std::string* TextOf(const PlanValue& value) {
    return std::get_if<std::string>(&value);
}

PlanResult SetMemoryFrequency(EditorState& editor, int row, ChannelField field,
                              const std::string& text) {
    if (field == ChannelField::kTx && text.empty()) {
        MemoryChannelOf(editor, row).tx = {};  // receive only, as a radio may hold it
        return std::nullopt;
    }
    // The window's entry decides; the text itself is kept when it is in the stored form.
    EditorState entered = editor;
    const FrequencyCommit commit = CommitFrequency(entered, row, ColumnOf(field), text);
    if (commit.outcome == FrequencyOutcome::kOutOfBand) {
        return PlanRefusal{true, ErrorCode::kFrequencyRefused, OutOfBandRefusal(BandLimits{})};
    }
    if (commit.outcome != FrequencyOutcome::kWritten &&
        commit.outcome != FrequencyOutcome::kChannelStarted) {
        return PlanRefusal{true, ErrorCode::kFrequencyRefused, Text(kFrequencyRefused)};
    }
    // A channel in use only takes the frequency: the window would start a receive-only
    // channel afresh, which a plan that leaves its other keys out must not do.
    const bool started = !ChannelInUse(editor, row);
    const FrequencyCell stored = IsStoredFrequencyForm(text)
                                     ? FrequencyCellOf(text)
                                     : FrequencyOf(MemoryChannelOf(entered, row), field);
    if (started) {
        editor = std::move(entered);
        MemoryChannelOf(editor, row).tx = stored;
    }
    FrequencyOf(MemoryChannelOf(editor, row), field) = stored;
    return std::nullopt;
}

PlanResult SetTone(ToneCell& cell, const std::string& tone) {
    if (tone == "off") {
        cell = ToneOff{};
        return std::nullopt;
    }
    const auto normalised = NormalisedTone(tone);
    if (!normalised) {
        return PlanRefusal{true, ErrorCode::kToneRefused,
                           Concatenated({&kToneRefused, &kToneFormsHint})};
    }
    cell = ToneCellOf(*normalised);
    return std::nullopt;
}

}  // namespace

Message OutOfBandRefusal(BandLimits band) {
    return Concatenated(
        {&kOutOfBandText,
         Inner({&kBandHint, {std::to_string(band.low), std::to_string(band.high)}})});
}

PlanValue ChannelPlanValue(const MemoryChannel& channel, ChannelField field) {
    if (IsListField(field)) {
        return PlanValueOf(ChannelFieldList(field), ListPositionOf(channel, field));
    }
    if (IsToneField(field)) {
        return PlanTone(ToneOf(channel, field));
    }
    return FrequencyCellText(FrequencyOf(channel, field));
}

std::string DebugPlanValue(const EditorState& editor, int row, ChannelField field) {
    return FrequencyCellText(FrequencyOf(DebugChannelOf(editor, row), field));
}

PlanValue SettingPlanValue(const EditorState& editor, const PlanSetting& setting) {
    return PlanValueOf(setting.field->list, SettingValue(*setting.field, editor));
}

bool DebugChannelInUse(const EditorState& editor, int row) {
    return DebugChannelOf(editor, row).inUse();
}

Message ChannelValueChoices(ChannelField field) {
    if (IsListField(field)) {
        return PlanValueChoices(ChannelFieldList(field));
    }
    if (IsToneField(field)) {
        return Text(kPlanToneChoice);
    }
    return Text(field == ChannelField::kTx ? kPlanTxFrequencyChoice : kPlanRxFrequencyChoice);
}

Message DebugValueChoices() {
    return Text(kPlanDebugFrequencyChoice);
}

Message SettingValueChoices(const PlanSetting& setting) {
    Message choices = PlanValueChoices(setting.field->list);
    if (setting.field->section == Section::kPanel) {
        return Concatenated({Inner(std::move(choices)), &kPlanOrNull});
    }
    return choices;
}

PlanResult SetChannelPlanValue(EditorState& editor, int row, ChannelField field,
                               const PlanValue& value) {
    MemoryChannel& channel = MemoryChannelOf(editor, row);
    if (IsListField(field)) {
        const auto position = PositionOfPlanValue(ChannelFieldList(field), value);
        if (!position) {
            return NotAllowed(ChannelValueChoices(field));
        }
        SetListPosition(channel, field, static_cast<ListPosition>(*position));
        return std::nullopt;
    }
    const std::string* text = TextOf(value);
    if (text == nullptr) {
        return NotAllowed(ChannelValueChoices(field));
    }
    if (IsToneField(field)) {
        return SetTone(ToneOf(channel, field), *text);
    }
    // The window's frequency editor decides, as for a cell typed into.
    return SetMemoryFrequency(editor, row, field, *text);
}

PlanResult SetDebugPlanValue(EditorState& editor, int row, ChannelField field,
                             const PlanValue& value) {
    const std::string* text = TextOf(value);
    if (text == nullptr) {
        return NotAllowed(DebugValueChoices());
    }
    FrequencyCell& cell = FrequencyOf(DebugChannelOf(editor, row), field);
    if (text->empty() || IsStoredFrequencyForm(*text)) {
        cell = FrequencyCellOf(*text);
        return std::nullopt;
    }
    const auto stored = StoredFrequencyText(*text);
    if (!stored) {
        return PlanRefusal{true, ErrorCode::kFrequencyRefused, Text(kFrequencyRefused)};
    }
    cell = FrequencyCellOf(*stored);
    return std::nullopt;
}

PlanResult SetSettingPlanValue(EditorState& editor, const PlanSetting& setting,
                               const PlanValue& value) {
    const bool panel = setting.field->section == Section::kPanel;
    if (panel && std::holds_alternative<std::monostate>(value)) {
        setting.field->value(editor) = -1;
        return std::nullopt;
    }
    const auto position = PositionOfPlanValue(setting.field->list, value);
    if (!position) {
        return NotAllowed(SettingValueChoices(setting));
    }
    setting.field->value(editor) = static_cast<std::int16_t>(*position);
    return std::nullopt;
}

PlanResult SetPlanPassword(EditorState& editor, const PlanValue& value) {
    const std::string* text = TextOf(value);
    const auto codes = text != nullptr ? CharacterCodes(*text) : std::vector<std::uint32_t>{};
    const bool digits = std::all_of(codes.begin(), codes.end(), [](std::uint32_t code) {
        return (code >= '0' && code <= '9') || code == '.';
    });
    if (text == nullptr || codes.size() > kPasswordCharacters || !digits) {
        return NotAllowed(Text(kPlanPasswordChoice));
    }
    editor.password = *text;
    return std::nullopt;
}

PlanResult SetPlanAni(EditorState& editor, const PlanValue& value) {
    const std::string* text = TextOf(value);
    const auto codes = text != nullptr ? CharacterCodes(*text) : std::vector<std::uint32_t>{};
    const bool storable = std::all_of(codes.begin(), codes.end(),
                                      [](std::uint32_t code) { return code <= kLastStorableCode; });
    if (text == nullptr || codes.size() > kAniCharacters || !storable) {
        return NotAllowed(Text(kPlanAniChoice));
    }
    editor.ani = *text;
    return std::nullopt;
}

}  // namespace m742
