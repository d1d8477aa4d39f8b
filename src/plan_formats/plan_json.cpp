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

[[noreturn]] void Refuse(std::string where, std::string message) {
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

std::string Colon(Lang lang) {
    return std::string(kColon.in(lang));
}

std::string Comma(Lang lang) {
    return std::string(kComma.in(lang));
}

// "<value> is not allowed; <choices>"
[[noreturn]] void RefuseValue(std::string where, const Json& value, std::string_view choices,
                              Lang lang) {
    Refuse(std::move(where), Shown(value) + " " + std::string(kPlanNotAllowedText.in(lang)) +
                                 std::string(kSemicolon.in(lang)) + std::string(choices));
}

[[noreturn]] void RefuseKey(std::string where, const std::string& key,
                            const std::vector<std::string_view>& keys, Lang lang) {
    std::string list;
    for (const std::string_view name : keys) {
        list += (list.empty() ? "" : ", ") + std::string(name);
    }
    Refuse(std::move(where), std::string(kPlanUnknownKeyText.in(lang)) + " " + Shown(Json(key)) +
                                 std::string(kSemicolon.in(lang)) +
                                 std::string(kPlanKeysAreText.in(lang)) + list);
}

[[noreturn]] void RefuseMissing(std::string where, std::string_view key, Lang lang) {
    Refuse(std::move(where),
           std::string(kPlanMissingKeyText.in(lang)) + " \"" + std::string(key) + "\"");
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

const Json& ObjectOf(const Json& value, const std::string& where, Lang lang) {
    if (!value.is_object()) {
        RefuseValue(where, value, kPlanObjectChoice.in(lang), lang);
    }
    return value;
}

const Json& ArrayOf(const Json& value, const std::string& where, Lang lang) {
    if (!value.is_array()) {
        RefuseValue(where, value, kPlanArrayChoice.in(lang), lang);
    }
    return value;
}

// Hands `value` to `set` as a plan value; a refusal names `where`.
template <typename Set>
void Take(const Json& value, const std::string& where, const std::string& choices, Lang lang,
          Set set) {
    const auto planValue = PlanValueOfJson(value);
    const PlanResult refused = planValue ? set(*planValue) : PlanRefusal{};
    if (!refused) {
        return;
    }
    if (refused->windowRule) {
        throw Refusal{{true, refused->code, where + Colon(lang) + Shown(value), refused->message}};
    }
    RefuseValue(where, value, planValue ? refused->message : choices, lang);
}

void ApplyGroup(const Json& value, std::string_view group, EditorState& editor, Lang lang) {
    const std::string where(group);
    ObjectOf(value, where, lang);
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
            RefuseKey(where, item.key(), keys, lang);
        }
        Take(item.value(), where + "." + item.key(), SettingValueChoices(*setting, lang), lang,
             [&](const PlanValue& v) { return SetSettingPlanValue(editor, *setting, v); });
    }
}

// The channel number of entry `index` of a channel list, checked once per list.
int ChannelNumber(const Json& entry, const std::string& where, std::set<int>& seen, Lang lang) {
    constexpr std::string_view kChannelKey = "channel";
    ObjectOf(entry, where, lang);
    const auto number = entry.find(kChannelKey);
    if (number == entry.end()) {
        RefuseMissing(where, kChannelKey, lang);
    }
    const bool valid = number->is_number_integer() && number->get<std::int64_t>() >= 1 &&
                       number->get<std::int64_t>() <= kChannelCount;
    if (!valid) {
        RefuseValue(where + "." + std::string(kChannelKey), *number,
                    PlanValueChoices(ListId::kPriorityChannel, lang), lang);
    }
    const int channel = number->get<int>();
    if (!seen.insert(channel).second) {
        Refuse(where, std::string(kPlanChannelText.in(lang)) + " " + std::to_string(channel) + " " +
                          std::string(kPlanListedTwiceText.in(lang)));
    }
    return channel;
}

std::string ChannelPlace(Bilingual what, int channel, Lang lang) {
    return std::string(what.in(lang)) + " " + std::to_string(channel);
}

void ApplyChannels(const Json& value, EditorState& editor, Lang lang) {
    const std::string where(kChannelsKey);
    ArrayOf(value, where, lang);
    const EditorState start = editor;
    for (int row = 1; row <= kChannelCount; ++row) {
        ClearMemoryChannel(editor, row);
    }
    std::vector<std::string_view> keys;
    for (int column = 0; column < kMemoryColumns; ++column) {
        keys.push_back(ChannelKey(column));
    }
    std::set<int> seen;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const Json& entry = value[i];
        const std::string index = where + "[" + std::to_string(i) + "]";
        const int row = ChannelNumber(entry, index, seen, lang);
        const std::string place = ChannelPlace(kPlanChannelText, row, lang);
        for (const auto& item : entry.items()) {
            if (std::find(keys.begin(), keys.end(), item.key()) == keys.end()) {
                RefuseKey(place, item.key(), keys, lang);
            }
        }
        // A channel in use keeps what the plan leaves out; an empty one starts as the window
        // starts a channel when its RX frequency is entered.
        if (ChannelInUse(start, row)) {
            MemoryChannelOf(editor, row) = MemoryChannelOf(start, row);
        }
        if (!entry.contains(ChannelKey(kColumnRx))) {
            RefuseMissing(place, ChannelKey(kColumnRx), lang);
        }
        for (int column = kColumnRx; column < kMemoryColumns; ++column) {
            const auto cell = entry.find(ChannelKey(column));
            if (cell != entry.end() && !(ChannelInUse(start, row) &&
                                         Unchanged(*cell, ChannelPlanValue(start, row, column)))) {
                Take(*cell, place + Comma(lang) + std::string(ChannelKey(column)),
                     ChannelValueChoices(column, lang), lang, [&](const PlanValue& v) {
                         return SetChannelPlanValue(editor, row, column, v);
                     });
            }
        }
    }
}

void ApplyDebugChannels(const Json& value, EditorState& editor, Lang lang) {
    const std::string where(kDebugChannelsKey);
    ArrayOf(value, where, lang);
    const EditorState start = editor;
    ClearDebugChannels(editor);
    const std::vector<std::string_view> keys{DebugChannelKey(0), DebugChannelKey(kDebugColumnRx),
                                             DebugChannelKey(kDebugColumnTx)};
    std::set<int> seen;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const Json& entry = value[i];
        const std::string index = where + "[" + std::to_string(i) + "]";
        const int row = ChannelNumber(entry, index, seen, lang);
        const std::string place = ChannelPlace(kPlanDebugChannelText, row, lang);
        for (const auto& item : entry.items()) {
            if (std::find(keys.begin(), keys.end(), item.key()) == keys.end()) {
                RefuseKey(place, item.key(), keys, lang);
            }
        }
        DebugChannelOf(editor, row) = DebugChannelOf(start, row);
        for (const int column : {kDebugColumnRx, kDebugColumnTx}) {
            const auto cell = entry.find(DebugChannelKey(column));
            if (cell != entry.end() && !Unchanged(*cell, DebugPlanValue(start, row, column))) {
                Take(*cell, place + Comma(lang) + std::string(DebugChannelKey(column)),
                     DebugValueChoices(lang), lang,
                     [&](const PlanValue& v) { return SetDebugPlanValue(editor, row, column, v); });
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

void ApplyDocument(const Json& document, EditorState& editor, Lang lang) {
    if (!document.is_object()) {
        RefuseValue("", document, kPlanObjectChoice.in(lang), lang);
    }
    const auto keys = TopKeys();
    for (const auto& item : document.items()) {
        if (std::find(keys.begin(), keys.end(), item.key()) == keys.end()) {
            RefuseKey("", item.key(), keys, lang);
        }
    }
    const auto format = document.find(kFormatKey);
    if (format == document.end()) {
        RefuseMissing("", kFormatKey, lang);
    }
    if (!format->is_string() || format->get_ref<const std::string&>() != kFormatName) {
        RefuseValue(std::string(kFormatKey), *format, kPlanFormatChoice.in(lang), lang);
    }
    const auto version = document.find(kVersionKey);
    if (version == document.end()) {
        RefuseMissing("", kVersionKey, lang);
    }
    if (!version->is_number_integer() || *version != kVersion) {
        RefuseValue(std::string(kVersionKey), *version, kPlanVersionChoice.in(lang), lang);
    }
    if (const auto password = document.find(kPasswordKey);
        password != document.end() && !Unchanged(*password, editor.password)) {
        Take(*password, std::string(kPasswordKey), std::string(kPlanPasswordChoice.in(lang)), lang,
             [&](const PlanValue& v) { return SetPlanPassword(editor, v); });
    }
    if (const auto ani = document.find(kAniKey); ani != document.end()) {
        Take(*ani, std::string(kAniKey), std::string(kPlanAniChoice.in(lang)), lang,
             [&](const PlanValue& v) { return SetPlanAni(editor, v); });
    }
    for (const std::string_view group : kGroups) {
        if (const auto values = document.find(group); values != document.end()) {
            ApplyGroup(*values, group, editor, lang);
        }
    }
    if (const auto channels = document.find(kChannelsKey); channels != document.end()) {
        ApplyChannels(*channels, editor, lang);
    }
    if (const auto debug = document.find(kDebugChannelsKey); debug != document.end()) {
        ApplyDebugChannels(*debug, editor, lang);
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
            channel[ChannelKey(kColumnChannel)] = row;
            for (int column = kColumnRx; column < kMemoryColumns; ++column) {
                channel[ChannelKey(column)] =
                    JsonOfPlanValue(ChannelPlanValue(editor, row, column));
            }
            channels.push_back(std::move(channel));
        }
        if (DebugChannelInUse(editor, row)) {
            debug.push_back(
                {{DebugChannelKey(0), row},
                 {DebugChannelKey(kDebugColumnRx), DebugPlanValue(editor, row, kDebugColumnRx)},
                 {DebugChannelKey(kDebugColumnTx), DebugPlanValue(editor, row, kDebugColumnTx)}});
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
    const Lang lang = LanguageOf(editor.LanguageFlag);
    EditorState changed = editor;
    try {
        ApplyDocument(document, changed, lang);
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
