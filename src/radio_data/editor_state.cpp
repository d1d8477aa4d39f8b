#include "radio_data/editor_state.h"

#include "radio_data/lists.h"

namespace m742 {

namespace {

std::int16_t SideKeyAtCreation(std::int16_t value) {
    return value >= 0 && value <= 7 ? value : 1;
}

// A list keeps its selection when asked to select a position it does not have.
void SelectIfInList(std::int16_t& control, std::int16_t position, ListId list) {
    if (position >= 0 && position < ListSize(list)) {
        control = position;
    }
}

}  // namespace

void ClearNO(EditorState& editor, int row) {
    auto& cells = editor.mfgrid1[static_cast<std::size_t>(row)];
    auto& positions = editor.CellListIndex[static_cast<std::size_t>(row)];
    for (int col = 1; col < kMemoryColumns; ++col) {
        cells[static_cast<std::size_t>(col)].clear();
    }
    for (int col = kFirstListColumn; col <= kLastListColumn; ++col) {
        positions[static_cast<std::size_t>(col)] = 0;
    }
}

void ClearMemoryGrid(EditorState& editor) {
    for (int row = 1; row <= kChannelCount; ++row) {
        for (int col = 1; col < kMemoryColumns; ++col) {
            editor.mfgrid1[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)].clear();
        }
    }
}

void ClearDebugGrid(EditorState& editor) {
    for (int row = 1; row <= kChannelCount; ++row) {
        editor.mfgrid2[static_cast<std::size_t>(row)][1].clear();
        editor.mfgrid2[static_cast<std::size_t>(row)][2].clear();
    }
}

void CreateDialogControls(EditorState& editor) {
    const SideKeys& keys = editor.sideKeys;
    editor.dialogs.sideKeys = {SideKeyAtCreation(keys.pf1Short), SideKeyAtCreation(keys.pf1Long),
                               SideKeyAtCreation(keys.pf2Short), SideKeyAtCreation(keys.pf2Long)};
    DialogSelections& shown = editor.dialogs;
    SelectIfInList(shown.dtmf.firstDigitDelay, editor.dtmf.firstDigitDelay,
                   ListId::kDtmfFirstDelay);
    SelectIfInList(shown.dtmf.digitInterval, editor.dtmf.digitInterval, ListId::kDtmfTime);
    SelectIfInList(shown.dtmf.digitDelay, editor.dtmf.digitDelay, ListId::kDtmfTime);
    SelectIfInList(shown.powerLevels.low, editor.powerLevels.low, ListId::kPowerLevel);
    SelectIfInList(shown.powerLevels.high, editor.powerLevels.high, ListId::kPowerLevel);
}

}  // namespace m742
