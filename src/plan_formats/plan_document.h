// A channel plan's values under their plan names (plan_keys.h), read from the editor and put
// back into it by the window's own entry rules. A plan format only parses and prints: what a
// value means and whether the editor takes it is decided here, the same for every format.
//
// Putting values in follows the window, with one difference that keeps a plan exact: a
// frequency written as a plan prints it ("460.00100": three digits, a point, five decimals)
// is taken as it is, checked against the band but not snapped onto the channel raster, so a
// radio's off-raster frequency survives the trip out and back. Any other number is entered as
// the window enters it: rounded to five decimals and snapped.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "channel_editing/frequency_entry.h"
#include "plan_formats/plan_keys.h"
#include "radio_data/editor_state.h"
#include "radio_data/status.h"

namespace m742 {

// "Beyond the frequency range (the band is 400–480 MHz)": the window's message, and the band
// that the window leaves unsaid.
Message OutOfBandRefusal(BandLimits band);

// Why a value was not taken.
struct PlanRefusal {
    // The value is one the window's rules refuse (a frequency out of band, a tone the tone
    // editor does not take): `code` is the encoder's, `message` the window's own. Otherwise
    // the key does not admit such a value and `message` says what it admits.
    bool windowRule = false;
    ErrorCode code = ErrorCode::kNone;
    Message message;
};
using PlanResult = std::optional<PlanRefusal>;

// A field of a memory channel: frequencies as their text ("" for none), tones as PlanTone
// ("off" for none too), lists as PlanValueOf.
PlanValue ChannelPlanValue(const MemoryChannel& channel, ChannelField field);
// The kRx or kTx frequency of debug channel `row`: the text, "" for none.
std::string DebugPlanValue(const EditorState& editor, int row, ChannelField field);
PlanValue SettingPlanValue(const EditorState& editor, const PlanSetting& setting);

// A debug channel is left out of a plan when both of its frequencies are empty.
bool DebugChannelInUse(const EditorState& editor, int row);

// What a key admits, for a message.
Message ChannelValueChoices(ChannelField field);
Message DebugValueChoices();
Message SettingValueChoices(const PlanSetting& setting);

// Takes a value into memory channel `row`. An RX frequency given to an empty row starts the
// channel as the window does (TX the same, tones off, busy lock off, wide, scan on, high
// power); the other columns expect a started row. On a refusal the editor is unchanged.
PlanResult SetChannelPlanValue(EditorState& editor, int row, ChannelField field,
                               const PlanValue& value);
// Takes a frequency into debug channel `row`, kRx or kTx, as the debug panel stores it (no
// band check); "" empties the field.
PlanResult SetDebugPlanValue(EditorState& editor, int row, ChannelField field,
                             const PlanValue& value);
// A setting of the panel may be null (no selection); a dialog's may not.
PlanResult SetSettingPlanValue(EditorState& editor, const PlanSetting& setting,
                               const PlanValue& value);
// The password box takes at most six digits or points; the ANI box at most eight characters
// the radio can store.
PlanResult SetPlanPassword(EditorState& editor, const PlanValue& value);
PlanResult SetPlanAni(EditorState& editor, const PlanValue& value);

}  // namespace m742
