// The memory grid's language-dependent cells.
#pragma once

#include "radio_data/editor_state.h"

namespace m742 {

// After a change of interface language: in every channel in use, a tone cell holding the Off
// word of either language takes the Off word of the editor's language, and each list cell
// (columns 5-8) the text of its list position. Frequencies and other tones stay.
void SetGrid1Text(EditorState& editor);

// The same for memory row `row` (1-16) alone.
void SetGrid1RowText(EditorState& editor, int row);

}  // namespace m742
