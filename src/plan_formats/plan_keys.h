// The names a channel plan goes by outside the program: in the JSON plan, in "diff --json"
// and wherever a script reads or writes a plan. Names are English snake_case with the unit in
// the name; list values are words, numbers or true/false, the same whatever the interface
// language, never list positions. docs/plan-format.md lists them all.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "radio_data/radio_plan.h"
#include "radio_data/status.h"

namespace m742 {

// A value in a plan: nothing (a list with no selection), true/false, a whole number or a word.
using PlanValue = std::variant<std::monostate, bool, std::int64_t, std::string>;

// The groups of radio-wide settings in a plan.
inline constexpr std::string_view kSettingsGroup = "settings";   // the settings panel
inline constexpr std::string_view kSideKeysGroup = "side_keys";  // the side key dialog
inline constexpr std::string_view kDtmfGroup = "dtmf";           // the DTMF timing dialog
inline constexpr std::string_view kPowerGroup = "power_levels";  // the power parameters dialog

// One radio-wide setting under its plan name.
struct PlanSetting {
    std::string_view group;  // one of the groups above
    std::string_view key;    // "squelch_level"
    const SettingField* field;
};

// Every radio-wide setting the radio stores, in the order of SettingFields() (the band, which
// has a single value and is not stored, is left out).
std::span<const PlanSetting> PlanSettings();

// The plan name of a channel's field (radio_plan.h lists them in the plan's order): "rx_mhz",
// "rx_tone", "tx_mhz", "tx_tone", ...; a debug channel's two are "rx_mhz" and "tx_mhz".
std::string_view ChannelFieldKey(ChannelField field);
// The plan name of a channel's number.
inline constexpr std::string_view kChannelNumberKey = "channel";

// The plan value of position `position` in `list`; nothing for -1 or a position outside it.
// A channel's tones are no list positions: see PlanTone.
PlanValue PlanValueOf(ListId list, int position);

// The position whose plan value is `value`; nothing when no position has it.
std::optional<int> PositionOfPlanValue(ListId list, const PlanValue& value);

// What `list` admits, for a message: "one of off, start_tx, end_tx, both", "true or false",
// "a whole number from 25 to 6400 in steps of 25".
Message PlanValueChoices(ListId list);

// A value as a script writes it: 12, true, "wide", null.
std::string PlanValueText(const PlanValue& value);

// A channel's tone in a plan: "off" for Off and for none, the tone's text otherwise ("88.5",
// "D023N").
std::string PlanTone(const ToneCell& tone);

}  // namespace m742
