// The editor: everything the main window holds of a channel plan. Widgets are views of it;
// every read, open, write and save decodes or encodes a whole image through it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "radio_data/radio_plan.h"

namespace m742 {

// Memory grid mfgrid1: rows 1-16 are channels 1-16; column 0 holds the channel number,
// 1 RX frequency, 2 decode tone, 3 TX frequency, 4 encode tone, 5 busy lock, 6 bandwidth,
// 7 add scan, 8 TX power. Row 0 is the heading row, drawn by the view in the interface
// language, and holds no text here.
inline constexpr int kMemoryColumns = 9;
inline constexpr int kColumnChannel = 0;
inline constexpr int kColumnRx = 1;
inline constexpr int kColumnDecodeTone = 2;
inline constexpr int kColumnTx = 3;
inline constexpr int kColumnEncodeTone = 4;
inline constexpr int kColumnBusyLock = 5;  // the first of the four list columns
inline constexpr int kColumnBandwidth = 6;
inline constexpr int kColumnAddScan = 7;
inline constexpr int kColumnTxPower = 8;  // the last list column
inline constexpr int kFirstListColumn = kColumnBusyLock;
inline constexpr int kLastListColumn = kColumnTxPower;
inline constexpr int kListColumnCount = kLastListColumn - kFirstListColumn + 1;
constexpr bool IsToneColumn(int column) {
    return column == kColumnDecodeTone || column == kColumnEncodeTone;
}
constexpr bool IsListColumn(int column) {
    return column >= kFirstListColumn && column <= kLastListColumn;
}
using MemoryGrid = std::array<std::array<std::string, kMemoryColumns>, kChannelCount + 1>;

// Per memory row, the list positions shown in columns 5-8 (the other columns are unused).
// The encoder builds the flags byte from these, not from the cell texts.
using CellListTable = std::array<std::array<std::int16_t, kMemoryColumns>, kChannelCount + 1>;

// Debug grid mfgrid2: rows 1-16; column 0 the channel number, 1 RX and 2 TX frequency.
inline constexpr int kDebugColumns = 3;
inline constexpr int kDebugColumnRx = 1;
inline constexpr int kDebugColumnTx = 2;
using DebugGrid = std::array<std::array<std::string, kDebugColumns>, kChannelCount + 1>;

// The dialogs' own selections: a dialog shows these, and OK commits them to the plan's values.
// The decoder sets them along with the plan's values; -1 is no selection.
struct DialogSelections {
    SideKeys sideKeys{kNoSelection, kNoSelection, kNoSelection, kNoSelection};
    DtmfTiming dtmf{kNoSelection, kNoSelection, kNoSelection};
    PowerLevels powerLevels{0, 0};  // the sliders, 0-255
    bool operator==(const DialogSelections&) const = default;
};

// The grids still hold the texts they show; the radio-wide values are the plan's own.
struct EditorState : RadioWideSettings {
    std::int16_t LanguageFlag = 0;  // 0 Chinese, any other value English
    // The string grids take no "{}": clang 14 crashes on a braced default member initializer
    // of nested arrays of strings, and their cells start empty without one.
    MemoryGrid mfgrid1;
    CellListTable CellListIndex{};
    DebugGrid mfgrid2;
    DialogSelections dialogs;
    bool operator==(const EditorState&) const = default;
};

// A memory channel is in use exactly when its RX cell is not empty.
inline bool ChannelInUse(const EditorState& editor, int row) {
    return !editor.mfgrid1[static_cast<std::size_t>(row)][1].empty();
}

// Blanks memory row `row` (1-16): cells 1-8 empty, its four list positions 0.
void ClearNO(EditorState& editor, int row);

// Empties columns 1-8 of every memory row; channel numbers and list positions stay.
void ClearMemoryGrid(EditorState& editor);

// Empties both frequency columns of every debug row.
void ClearDebugGrid(EditorState& editor);

// What each dialog selects when it is created: the side keys their value when it is 0-7,
// else "Surveillance"; the DTMF lists their value when it is in the list; the sliders the
// power levels.
void CreateDialogControls(EditorState& editor);

}  // namespace m742
