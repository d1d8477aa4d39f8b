#include "channel_editing/list_entry.h"

#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "texts/grid_columns.h"

namespace m742 {

bool PickListItem(EditorState& editor, int row, int column, int position) {
    if (row < 1 || row > kChannelCount || !IsListColumn(column)) {
        return false;
    }
    const ListId list = GridColumnList(column);
    if (position < 0 || position >= ListSize(list)) {
        return false;
    }
    SetListPosition(MemoryChannelOf(editor, row), column, static_cast<ListPosition>(position));
    return true;
}

}  // namespace m742
