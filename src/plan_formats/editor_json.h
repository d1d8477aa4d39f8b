// The editor in JSON, version 1: the form "dump --json --plan-version 1" prints (cli/dump_text.h)
// and "encode" reads.
//
//   "memory":         16 rows of the 8 cell texts of memory grid columns 1-8
//   "CellListIndex":  16 rows of the list positions of columns 5-8; the encoder builds the
//                     flags byte from these, not from the texts of columns 5-8
//   "debug":          16 rows of the RX and TX cell texts of the debug grid
//   "Text2", "Text3": the password and ANI boxes
//   "settings":       the list positions of the settings panel, by control name (Combo1 ...)
//   "globals":        the dialog-held settings, by name (SideKeyPf1Short ...)
//
// A list position with no selection is -1.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "radio_data/editor_state.h"
#include "radio_data/layout.h"

namespace m742 {

// Keys keep the order they are written in, so a dump reads in the order above.
using Json = nlohmann::ordered_json;

// The settings of `section` in the order the form lists them.
std::vector<const SettingField*> StateJsonFields(Section section);

// A value that the JSON form does not admit, and why.
struct JsonProblem {
    std::string path;     // "settings.Combo2", "memory[2][0] (channel 3, RX Frequency)"
    std::string problem;  // "7 is not a position of its list (-1 to 3)"
};

// Takes every key present in `state` over into `editor`; what is missing keeps the editor's
// value. Refuses unknown keys, wrong shapes and types, and values the editor cannot hold, at
// the first such value in document order; `editor` is then unchanged. Cell texts are taken
// as they are: the encoder judges frequencies and tones.
std::optional<JsonProblem> ApplyStateJson(const Json& state, EditorState& editor);

}  // namespace m742
