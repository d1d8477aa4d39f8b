#include "plan_formats/plan_json.h"

#include <algorithm>
#include <array>
#include <limits>
#include <set>
#include <string_view>
#include <vector>

#include "plan_formats/plan_document.h"
#include "plan_formats/plan_keys.h"
#include "radio_data/lists.h"
#include "radio_data/text_codes.h"
#include "texts/message_text.h"
#include "texts/plan_texts.h"
#include "texts/punctuation.h"

namespace m742 {

namespace {

constexpr std::string_view kFormatKey = "format";
constexpr std::string_view kFormatName = "m742-plan";
constexpr std::string_view kVersionKey = "version";
constexpr int kVersion = 2;
constexpr std::string_view kPasswordKey = "password";
constexpr std::string_view kAniKey = "ani";
constexpr std::string_view kChannelsKey = "channels";
constexpr std::string_view kDebugChannelsKey = "debug_channels";
constexpr std::array<std::string_view, 4> kGroups{kSettingsGroup, kSideKeysGroup, kDtmfGroup,
                                                  kPowerGroup};

// Thrown inside ApplyPlanJson only, to leave the nested checks at the first problem.
struct Refusal {
    PlanProblem problem;
};

// A place named by the document's own keys: "settings.squelch_level", "channels[2]"; nothing
// for the document itself.
Message Place(const std::string& keys) {
    return keys.empty() ? Message{} : Concatenated({keys});
}

[[noreturn]] void Refuse(Message where, Message message) {
    throw Refusal{{false, ErrorCode::kNone, std::move(where), std::move(message)}};
}

// A plan value as the document writes it, shortened for a message.
std::string Shown(const Json& value) {
    constexpr std::size_t kLongest = 40;
    if (value.is_object()) {
        return "{...}";
    }
    if (value.is_array()) {
        return "[...]";
    }
    if (value.is_string()) {
        return Json(Shortened(value.get_ref<const std::string&>(), kLongest))
            .dump(-1, ' ', false, Json::error_handler_t::replace);
    }
    return value.dump();
}

// "<value> is not allowed; <choices>"
[[noreturn]] void RefuseValue(Message where, const Json& value, Message choices) {
    Refuse(std::move(where), Concatenated({Shown(value) + " ", &kPlanNotAllowedText, &kSemicolon,
                                           Inner(std::move(choices))}));
}

[[noreturn]] void RefuseKey(Message where, const std::string& key,
                            const std::vector<std::string_view>& keys) {
    std::string list;
    for (const std::string_view name : keys) {
        list += (list.empty() ? "" : ", ") + std::string(name);
    }
    Refuse(std::move(where), Concatenated({&kPlanUnknownKeyText, " " + Shown(Json(key)),
                                           &kSemicolon, &kPlanKeysAreText, list}));
}

[[noreturn]] void RefuseMissing(Message where, std::string_view key) {
    Refuse(std::move(where), Concatenated({&kPlanMissingKeyText, " \"" + std::string(key) + "\""}));
}

// The JSON value as a plan value: nothing for a value of no plan type (a fraction, an array,
// an object, a number beyond 64 bits).
std::optional<PlanValue> PlanValueOfJson(const Json& value) {
    if (value.is_null()) {
        return PlanValue{};
    }
    if (value.is_boolean()) {
        return PlanValue{value.get<bool>()};
    }
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            return std::nullopt;
        }
        return PlanValue{static_cast<std::int64_t>(number)};
    }
    if (value.is_number_integer()) {
        return PlanValue{value.get<std::int64_t>()};
    }
    if (value.is_string()) {
        return PlanValue{value.get<std::string>()};
    }
    return std::nullopt;
}

// Whether a value is the one the plan starts with. Such a value is kept as it is, even where
// the window would not take it (a damaged file's frequency, a password the box cannot hold):
// a plan of OLD.dat encodes over OLD.dat whatever it holds, and only what a plan changes must
// pass the rules.
bool Unchanged(const Json& value, const PlanValue& start) {
    const auto planValue = PlanValueOfJson(value);
    return planValue && *planValue == start;
}

const Json& ObjectOf(const Json& value, const Message& where) {
    if (!value.is_object()) {
        RefuseValue(where, value, Text(kPlanObjectChoice));
    }
    return value;
}

const Json& ArrayOf(const Json& value, const Message& where) {
    if (!value.is_array()) {
        RefuseValue(where, value, Text(kPlanArrayChoice));
    }
    return value;
}

// Hands `value` to `set` as a plan value; a refusal names `where`.
template <typename Set>
void Take(const Json& value, const Message& where, const Message& choices, Set set) {
    const auto planValue = PlanValueOfJson(value);
    const PlanResult refused = planValue ? set(*planValue) : PlanRefusal{};
    if (!refused) {
        return;
    }
    if (refused->windowRule) {
        throw Refusal{{true, refused->code, Concatenated({Inner(where), &kColon, Shown(value)}),
                       refused->message}};
    }
    RefuseValue(where, value, planValue ? refused->message : choices);
}

void ApplyGroup(const Json& value, std::string_view group, EditorState& editor) {
    const std::string where(group);
    ObjectOf(value, Place(where));
    std::vector<std::string_view> keys;
    for (const PlanSetting& setting : PlanSettings()) {
        if (setting.group == group) {
            keys.push_back(setting.key);
        }
    }
    for (const auto& item : value.items()) {
        const auto setting = std::find_if(
            PlanSettings().begin(), PlanSettings().end(),
            [&](const PlanSetting& s) { return s.group == group && s.key == item.key(); });
        if (setting == PlanSettings().end()) {
            RefuseKey(Place(where), item.key(), keys);
        }
        Take(item.value(), Place(where + "." + item.key()), SettingValueChoices(*setting),
             [&](const PlanValue& v) { return SetSettingPlanValue(editor, *setting, v); });
    }
}

// The channel number of entry `index` of a channel list, checked once per list.
int ChannelNumber(const Json& entry, const std::string& where, std::set<int>& seen) {
    ObjectOf(entry, Place(where));
    const auto number = entry.find(kChannelNumberKey);
    if (number == entry.end()) {
        RefuseMissing(Place(where), kChannelNumberKey);
    }
    const bool valid = number->is_number_integer() && number->get<std::int64_t>() >= 1 &&
                       number->get<std::int64_t>() <= kChannelCount;
    if (!valid) {
        RefuseValue(Place(where + "." + std::string(kChannelNumberKey)), *number,
                    PlanValueChoices(ListId::kPriorityChannel));
    }
    const int channel = number->get<int>();
    if (!seen.insert(channel).second) {
        Refuse(Place(where), Concatenated({&kPlanChannelText, " " + std::to_string(channel) + " ",
                                           &kPlanListedTwiceText}));
    }
    return channel;
}

Message ChannelPlace(const Bilingual& what, int channel) {
    return Concatenated({&what, " " + std::to_string(channel)});
}

// "channel 5, rx_mhz"
Message KeyPlace(const Message& place, std::string_view key) {
    return Concatenated({Inner(place), &kComma, std::string(key)});
}

void ApplyChannels(const Json& value, EditorState& editor) {
    const std::string where(kChannelsKey);
    ArrayOf(value, Place(where));
    const EditorState start = editor;
    for (int row = 1; row <= kChannelCount; ++row) {
        ClearMemoryChannel(editor, row);
    }
    std::vector<std::string_view> keys{kChannelNumberKey};
    for (const ChannelField field : kChannelFields) {
        keys.push_back(ChannelFieldKey(field));
    }
    std::set<int> seen;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const Json& entry = value[i];
        const std::string index = where + "[" + std::to_string(i) + "]";
        const int row = ChannelNumber(entry, index, seen);
        const Message place = ChannelPlace(kPlanChannelText, row);
        for (const auto& item : entry.items()) {
            if (std::find(keys.begin(), keys.end(), item.key()) == keys.end()) {
                RefuseKey(place, item.key(), keys);
            }
        }
        // A channel in use keeps what the plan leaves out; an empty one starts as the window
        // starts a channel when its RX frequency is entered.
        if (ChannelInUse(start, row)) {
            MemoryChannelOf(editor, row) = MemoryChannelOf(start, row);
        }
        const std::string_view rxKey = ChannelFieldKey(ChannelField::kRx);
        if (!entry.contains(rxKey)) {
            RefuseMissing(place, rxKey);
        }
        const bool inUse = ChannelInUse(start, row);
        for (const ChannelField field : kChannelFields) {
            const auto cell = entry.find(ChannelFieldKey(field));
            if (cell != entry.end() &&
                !(inUse &&
                  Unchanged(*cell, ChannelPlanValue(MemoryChannelOf(start, row), field)))) {
                Take(
                    *cell, KeyPlace(place, ChannelFieldKey(field)), ChannelValueChoices(field),
                    [&](const PlanValue& v) { return SetChannelPlanValue(editor, row, field, v); });
            }
        }
    }
}

void ApplyDebugChannels(const Json& value, EditorState& editor) {
    const std::string where(kDebugChannelsKey);
    ArrayOf(value, Place(where));
    const EditorState start = editor;
    ClearDebugChannels(editor);
    constexpr std::array kFrequencies{ChannelField::kRx, ChannelField::kTx};
    const std::vector<std::string_view> keys{kChannelNumberKey, ChannelFieldKey(ChannelField::kRx),
                                             ChannelFieldKey(ChannelField::kTx)};
    std::set<int> seen;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const Json& entry = value[i];
        const std::string index = where + "[" + std::to_string(i) + "]";
        const int row = ChannelNumber(entry, index, seen);
        const Message place = ChannelPlace(kPlanDebugChannelText, row);
        for (const auto& item : entry.items()) {
            if (std::find(keys.begin(), keys.end(), item.key()) == keys.end()) {
                RefuseKey(place, item.key(), keys);
            }
        }
        DebugChannelOf(editor, row) = DebugChannelOf(start, row);
        for (const ChannelField field : kFrequencies) {
            const auto cell = entry.find(ChannelFieldKey(field));
            if (cell != entry.end() && !Unchanged(*cell, DebugPlanValue(start, row, field))) {
                Take(*cell, KeyPlace(place, ChannelFieldKey(field)), DebugValueChoices(),
                     [&](const PlanValue& v) { return SetDebugPlanValue(editor, row, field, v); });
            }
        }
    }
}

std::vector<std::string_view> TopKeys() {
    std::vector<std::string_view> keys{kFormatKey, kVersionKey, kPasswordKey, kAniKey};
    keys.insert(keys.end(), kGroups.begin(), kGroups.end());
    keys.push_back(kChannelsKey);
    keys.push_back(kDebugChannelsKey);
    return keys;
}

void ApplyDocument(const Json& document, EditorState& editor) {
    if (!document.is_object()) {
        RefuseValue({}, document, Text(kPlanObjectChoice));
    }
    const auto keys = TopKeys();
    for (const auto& item : document.items()) {
        if (std::find(keys.begin(), keys.end(), item.key()) == keys.end()) {
            RefuseKey({}, item.key(), keys);
        }
    }
    const auto format = document.find(kFormatKey);
    if (format == document.end()) {
        RefuseMissing({}, kFormatKey);
    }
    if (!format->is_string() || format->get_ref<const std::string&>() != kFormatName) {
        RefuseValue(Place(std::string(kFormatKey)), *format, Text(kPlanFormatChoice));
    }
    const auto version = document.find(kVersionKey);
    if (version == document.end()) {
        RefuseMissing({}, kVersionKey);
    }
    if (!version->is_number_integer() || *version != kVersion) {
        RefuseValue(Place(std::string(kVersionKey)), *version, Text(kPlanVersionChoice));
    }
    if (const auto password = document.find(kPasswordKey);
        password != document.end() && !Unchanged(*password, editor.password)) {
        Take(*password, Place(std::string(kPasswordKey)), Text(kPlanPasswordChoice),
             [&](const PlanValue& v) { return SetPlanPassword(editor, v); });
    }
    if (const auto ani = document.find(kAniKey); ani != document.end()) {
        Take(*ani, Place(std::string(kAniKey)), Text(kPlanAniChoice),
             [&](const PlanValue& v) { return SetPlanAni(editor, v); });
    }
    for (const std::string_view group : kGroups) {
        if (const auto values = document.find(group); values != document.end()) {
            ApplyGroup(*values, group, editor);
        }
    }
    if (const auto channels = document.find(kChannelsKey); channels != document.end()) {
        ApplyChannels(*channels, editor);
    }
    if (const auto debug = document.find(kDebugChannelsKey); debug != document.end()) {
        ApplyDebugChannels(*debug, editor);
    }
}

// A value on one line: {"channel": 1, "rx_mhz": "460.12500"}.
std::string Inline(const Json& value) {
    if (!value.is_object()) {
        return value.dump(-1, ' ', false, Json::error_handler_t::replace);
    }
    std::string out = "{";
    for (const auto& item : value.items()) {
        out += (out.size() > 1 ? ", " : "") + Json(item.key()).dump() + ": " + Inline(item.value());
    }
    return out + "}";
}

}  // namespace

Json JsonOfPlanValue(const PlanValue& value) {
    if (const auto* flag = std::get_if<bool>(&value)) {
        return *flag;
    }
    if (const auto* number = std::get_if<std::int64_t>(&value)) {
        return *number;
    }
    if (const auto* word = std::get_if<std::string>(&value)) {
        return *word;
    }
    return nullptr;
}

Json PlanToJson(const EditorState& editor) {
    Json plan = Json::object();
    plan[kFormatKey] = kFormatName;
    plan[kVersionKey] = kVersion;
    plan[kPasswordKey] = editor.password;
    plan[kAniKey] = editor.ani;
    for (const std::string_view group : kGroups) {
        Json values = Json::object();
        for (const PlanSetting& setting : PlanSettings()) {
            if (setting.group == group) {
                values[std::string(setting.key)] =
                    JsonOfPlanValue(SettingPlanValue(editor, setting));
            }
        }
        plan[group] = std::move(values);
    }
    Json channels = Json::array();
    Json debug = Json::array();
    for (int row = 1; row <= kChannelCount; ++row) {
        if (ChannelInUse(editor, row)) {
            Json channel = Json::object();
            channel[kChannelNumberKey] = row;
            for (const ChannelField field : kChannelFields) {
                channel[ChannelFieldKey(field)] =
                    JsonOfPlanValue(ChannelPlanValue(MemoryChannelOf(editor, row), field));
            }
            channels.push_back(std::move(channel));
        }
        if (DebugChannelInUse(editor, row)) {
            debug.push_back({{kChannelNumberKey, row},
                             {ChannelFieldKey(ChannelField::kRx),
                              DebugPlanValue(editor, row, ChannelField::kRx)},
                             {ChannelFieldKey(ChannelField::kTx),
                              DebugPlanValue(editor, row, ChannelField::kTx)}});
        }
    }
    plan[kChannelsKey] = std::move(channels);
    plan[kDebugChannelsKey] = std::move(debug);
    return plan;
}

bool IsPlanDocument(const Json& document) {
    return document.is_object() &&
           (document.contains(kFormatKey) || document.contains(kVersionKey));
}

std::optional<PlanProblem> ApplyPlanJson(const Json& document, EditorState& editor) {
    EditorState changed = editor;
    try {
        ApplyDocument(document, changed);
    } catch (const Refusal& refusal) {
        return refusal.problem;
    }
    editor = std::move(changed);
    return std::nullopt;
}

std::string FormatPlanJson(const Json& plan) {
    std::string out = "{\n";
    std::size_t i = 0;
    for (const auto& item : plan.items()) {
        out += "  " + Json(item.key()).dump() + ": ";
        const Json& value = item.value();
        if (value.is_structured() && !value.empty()) {
            const bool array = value.is_array();
            out += array ? "[\n" : "{\n";
            std::size_t k = 0;
            for (auto entry = value.begin(); entry != value.end(); ++entry) {
                out += "    " + (array ? "" : Json(entry.key()).dump() + ": ") + Inline(*entry);
                out += ++k < value.size() ? ",\n" : "\n";
            }
            out += array ? "  ]" : "  }";
        } else {
            out += Inline(value);
        }
        out += ++i < plan.size() ? ",\n" : "\n";
    }
    return out + "}\n";
}

}  // namespace m742
