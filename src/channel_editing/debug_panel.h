// The debug channel panel: storing its two boxes into the debug grid, and the grid's context
// menu that deletes a debug channel.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "radio_data/editor_state.h"
#include "radio_data/status.h"

namespace m742 {

struct DebugStore {
    bool rxStored = false;
    bool txStored = false;
};

// Command1: the RX and TX boxes go into columns 1 and 2 of debug row `row` (1-16), each
// formatted with "0.00000", snapped and formatted again. There is no band check: 500 is stored
// as 500.00000. A box that holds no number (empty, or a point alone) leaves its cell as it is,
// so a cell only ever holds a frequency text or stays empty. Another row changes nothing.
DebugStore StoreDebugChannel(EditorState& editor, int row, std::string_view rxText,
                             std::string_view txText);

// The caption of mnudel_channel when the context menu opens over debug row `row`:
// "Delete debugging channel12data" in English. Nothing for the heading row or a
// point below the last row (any row outside 1-16): no menu opens there.
std::optional<Message> DeleteChannelCaption(int row);

// mnudel_channel: empties both frequencies of debug row `row` (1-16); the number stays.
void DeleteDebugChannel(EditorState& editor, int row);

}  // namespace m742
