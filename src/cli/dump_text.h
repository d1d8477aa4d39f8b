// The readable form of the editor that "dump" prints: the memory channels, the debug channels,
// the settings panel and the settings of the three dialogs, in one language.
#pragma once

#include <string>

#include "radio_data/editor_state.h"
#include "radio_data/status.h"

namespace m742::cli {

// Tables whose columns line up on a terminal that shows CJK characters two columns wide.
// The password box is left out: a data file's password is never read back into the editor.
std::string DumpText(const EditorState& editor, Lang lang);

// "dump --json --plan-version 1": the editor in the version-1 JSON form that "encode" reads
// (plan_formats/editor_json.h), its cells in `lang`, one grid row per line.
std::string DumpJson(const EditorState& editor, Lang lang);

}  // namespace m742::cli
