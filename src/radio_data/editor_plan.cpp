#include "radio_data/editor_plan.h"

#include "radio_data/layout.h"
#include "radio_data/lists.h"

namespace m742 {

RadioPlan PlanOfEditor(const EditorState& editor) {
    RadioPlan plan;
    static_cast<RadioWideSettings&>(plan) = editor;
    for (int n = 1; n <= kChannelCount; ++n) {
        const auto row = static_cast<std::size_t>(n);
        const auto& cells = editor.mfgrid1[row];
        MemoryChannel& channel = MemoryChannelOf(plan, n);
        channel.rx = FrequencyCellOf(cells[kColumnRx]);
        channel.tx = FrequencyCellOf(cells[kColumnTx]);
        channel.decodeTone = ToneCellOf(cells[kColumnDecodeTone]);
        channel.encodeTone = ToneCellOf(cells[kColumnEncodeTone]);
        for (int column = kFirstListColumn; column <= kLastListColumn; ++column) {
            SetListPosition(channel, column,
                            editor.CellListIndex[row][static_cast<std::size_t>(column)]);
        }
        DebugChannel& debug = DebugChannelOf(plan, n);
        debug.rx = FrequencyCellOf(editor.mfgrid2[row][kDebugColumnRx]);
        debug.tx = FrequencyCellOf(editor.mfgrid2[row][kDebugColumnTx]);
    }
    return plan;
}

void ShowPlan(const RadioPlan& plan, EditorState& editor) {
    static_cast<RadioWideSettings&>(editor) = plan;
    const Lang lang = LanguageOf(editor.LanguageFlag);
    for (int n = 1; n <= kChannelCount; ++n) {
        const auto row = static_cast<std::size_t>(n);
        auto& cells = editor.mfgrid1[row];
        const MemoryChannel& channel = MemoryChannelOf(plan, n);
        cells[kColumnRx] = FrequencyCellText(channel.rx);
        cells[kColumnTx] = FrequencyCellText(channel.tx);
        cells[kColumnDecodeTone] = ToneCellText(channel.decodeTone, OffWord(lang));
        cells[kColumnEncodeTone] = ToneCellText(channel.encodeTone, OffWord(lang));
        for (int column = kFirstListColumn; column <= kLastListColumn; ++column) {
            const ListPosition position = ListPositionOf(channel, column);
            const auto at = static_cast<std::size_t>(column);
            editor.CellListIndex[row][at] = position;
            cells[at] = channel.inUse() ? ListItem(GridColumnList(column), position, lang) : "";
        }
        const DebugChannel& debug = DebugChannelOf(plan, n);
        editor.mfgrid2[row][kDebugColumnRx] = FrequencyCellText(debug.rx);
        editor.mfgrid2[row][kDebugColumnTx] = FrequencyCellText(debug.tx);
    }
}

}  // namespace m742
