// The channel plan in JSON, version 2: the form "dump --json" prints and "encode" reads.
// docs/plan-format.md describes every key; docs/m742-plan.schema.json is its JSON Schema.
//
//   {"format": "m742-plan", "version": 2, "password": "1234", "ani": "...",
//    "settings": {...}, "side_keys": {...}, "dtmf": {...}, "power_levels": {...},
//    "channels": [{"channel": 1, "rx_mhz": "460.12500", ...}, ...],
//    "debug_channels": [{"channel": 1, "rx_mhz": "...", "tx_mhz": "..."}, ...]}
//
// The values (plan_document.h) are the same words whatever the interface language; only the
// messages, worded by the front ends, follow it. Version 1, the editor's own form, is
// editor_json.h.
#pragma once

#include <optional>
#include <string>

#include "plan_formats/editor_json.h"
#include "plan_formats/plan_keys.h"
#include "radio_data/editor_state.h"
#include "radio_data/status.h"

namespace m742 {

// The plan of `editor`, whose Text2 holds the password (the decoder leaves it to the caller).
// Empty memory and debug channels are left out.
Json PlanToJson(const EditorState& editor);

// A plan value as JSON: true/false, a number, a text, or null for no value.
Json JsonOfPlanValue(const PlanValue& value);

// A version-2 document: one with a "format" or a "version" key. Anything else is version 1.
bool IsPlanDocument(const Json& document);

// Why a plan was not taken.
struct PlanProblem {
    bool windowRule = false;  // exit 1: the window's rule refused a frequency or tone
    ErrorCode code = ErrorCode::kNone;
    Message where;  // "channel 5, rx_mhz", "settings.squelch_level", "channels[2]"; or none
    Message message;
};

// Takes the plan into `editor`: a top-level key left out keeps the editor's value, and so
// does a setting left out of its group or a key left out of a channel that was in use; a
// channel left out of "channels" (or "debug_channels") is empty afterwards. At the first
// problem `editor` is left unchanged.
std::optional<PlanProblem> ApplyPlanJson(const Json& document, EditorState& editor);

// The JSON text: a group's settings one per line, a channel on a line of its own.
std::string FormatPlanJson(const Json& plan);

}  // namespace m742
