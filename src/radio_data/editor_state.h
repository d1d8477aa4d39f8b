// The editor: everything the main window holds of a channel plan. Widgets are views of it;
// every read, open, write and save decodes or encodes a whole image through it.
//
// The grids show the plan's channels: memory grid mfgrid1 and debug grid mfgrid2, one row per
// channel under a heading row that the view draws. GridCellText (grid_cells.h) gives the text
// each cell shows.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "radio_data/radio_plan.h"

namespace m742 {

// The memory grid's columns: 0 the channel number, 1 RX frequency, 2 decode tone, 3 TX
// frequency, 4 encode tone, 5 busy lock, 6 bandwidth, 7 add scan, 8 TX power.
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
// The debug grid's columns: 0 the channel number, 1 RX and 2 TX frequency.
inline constexpr int kDebugColumns = 3;
inline constexpr int kDebugColumnRx = 1;
inline constexpr int kDebugColumnTx = 2;

// The dialogs' own selections: a dialog shows these, and OK commits them to the plan's values.
// The decoder sets them along with the plan's values; -1 is no selection.
struct DialogSelections {
    SideKeys sideKeys{kNoSelection, kNoSelection, kNoSelection, kNoSelection};
    DtmfTiming dtmf{kNoSelection, kNoSelection, kNoSelection};
    PowerLevels powerLevels{0, 0};  // the sliders, 0-255
    bool operator==(const DialogSelections&) const = default;
};

// The plan being edited and the dialogs' selections.
struct EditorState : RadioPlan {
    DialogSelections dialogs;
    bool operator==(const EditorState&) const = default;
};

// Whether memory channel `number` (1-16) is in use: it has an RX frequency.
inline bool ChannelInUse(const RadioPlan& plan, int number) {
    return MemoryChannelOf(plan, number).inUse();
}

// Blanks memory channel `number` (1-16): no frequencies or tones, its four lists at position 0.
void ClearMemoryChannel(RadioPlan& plan, int number);

// Empties the frequencies and tones of every memory channel; their list positions stay (the
// radio keeps storing them in the channels' flags).
void ClearMemoryChannels(RadioPlan& plan);

// Empties both frequencies of every debug channel.
void ClearDebugChannels(RadioPlan& plan);

// What each dialog selects when it is created: the side keys their value when it is 0-7,
// else "Surveillance"; the DTMF lists their value when it is in the list; the sliders the
// power levels.
void CreateDialogControls(EditorState& editor);

}  // namespace m742
