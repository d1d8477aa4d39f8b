// The editor: everything the main window holds of a channel plan. Widgets are views of it;
// every read, open, write and save decodes or encodes a whole image through it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "radio_data/radio_plan.h"

namespace m742 {

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
