// The list editors of the memory grid: the Combo5 member of columns 5 to 8.
#pragma once

#include "radio_data/editor_state.h"

namespace m742 {

// A pick of item `position` in the list of memory column 5-8 (busy lock, band, add scan, TX
// power): the cell gets the item's text in the editor's language and CellListIndex the position,
// which is what the encoder stores. Returns false, changing nothing, for a row, column or
// position outside the lists (a list without a selection reports -1).
bool PickListItem(EditorState& editor, int row, int column, int position);

}  // namespace m742
