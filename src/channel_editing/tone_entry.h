// The tone editor Combo8 of the memory grid: what an entry does to the current tone cell when
// the editor loses the focus. Its key filter is ToneKeyFilter (key_filters.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "radio_data/editor_state.h"

namespace m742 {

// The text a tone entry leaves in its cell, or nothing when the cell keeps its own:
// - the Off word of either language: kept;
// - not starting with "D": the number at its start (0 if none) when 67.0 <= value <= 254.1,
//   with one decimal ("88" -> "88.0", "88.55" -> "88.6");
// - "D", three digits and "N" or "I": as it is when the digits are below 778 (they are not
//   checked against the code list);
// - "D", fewer digits and the suffix: the digits padded with "0" to three ("D23N" -> "D023N",
//   "DI" -> "D000I");
// - anything else starting with "D" is refused: no suffix, more than three characters between
//   "D" and the suffix, or any that is not a digit ("DIN", "D1.N"), which no DCS code could hold.
std::optional<std::string> NormalisedTone(std::string_view entered);

// Commits `entered` to memory cell (row 1-16, column 2 or 4) as NormalisedTone says; returns
// whether the entry was written. Any other row or column is left alone.
bool CommitTone(EditorState& editor, int row, int column, std::string_view entered);

}  // namespace m742
