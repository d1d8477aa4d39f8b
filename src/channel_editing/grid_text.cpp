#include "channel_editing/grid_text.h"

#include "radio_data/lists.h"

namespace m742 {

void SetGrid1Text(EditorState& editor) {
    for (int row = 1; row <= kChannelCount; ++row) {
        SetGrid1RowText(editor, row);
    }
}

void SetGrid1RowText(EditorState& editor, int row) {
    if (row < 1 || row > kChannelCount || !ChannelInUse(editor, row)) {
        return;
    }
    const Lang lang = LanguageOf(editor.LanguageFlag);
    auto& cells = editor.mfgrid1[static_cast<std::size_t>(row)];
    for (std::size_t col : {kColumnDecodeTone, kColumnEncodeTone}) {
        if (cells[col] == OffWord(Lang::English) || cells[col] == OffWord(Lang::Chinese)) {
            cells[col] = OffWord(lang);
        }
    }
    for (int col = kFirstListColumn; col <= kLastListColumn; ++col) {
        cells[static_cast<std::size_t>(col)] = ListItem(
            GridColumnList(col),
            editor.CellListIndex[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)],
            lang);
    }
}

}  // namespace m742
