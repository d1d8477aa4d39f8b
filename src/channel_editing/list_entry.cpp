#include "channel_editing/list_entry.h"

#include "radio_data/lists.h"

namespace m742 {

bool PickListItem(EditorState& editor, int row, int column, int position) {
    if (row < 1 || row > kChannelCount || !IsListColumn(column)) {
        return false;
    }
    const ListId list = GridColumnList(column);
    if (position < 0 || position >= ListSize(list)) {
        return false;
    }
    const auto r = static_cast<std::size_t>(row);
    const auto c = static_cast<std::size_t>(column);
    editor.mfgrid1[r][c] = ListItem(list, position, LanguageOf(editor.LanguageFlag));
    editor.CellListIndex[r][c] = static_cast<std::int16_t>(position);
    return true;
}

}  // namespace m742
