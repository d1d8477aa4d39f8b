// Operations on whole memory channels, as the memory grid's channel numbers offer them: copy
// and paste as text, clear, move up and down, insert and delete, and fill a column down. Each works
// on the rows it is given (1-16, in any order) and leaves the channel numbers in column 0 where
// they are.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "channel_editing/frequency_entry.h"
#include "radio_data/editor_state.h"

namespace m742 {

// Copy's text is texts/grid_cells.h's CopyChannels.

// Why a pasted cell was refused.
enum class PasteProblem {
    kNotAFrequency,
    kOutOfBand,
    kNotATone,
    kNotInList,  // a list cell naming no item of its list, in either language
    kPastLastChannel,
};

// A pasted cell the rules refused: its channel and column, the text and why.
struct PasteRefusal {
    int channel = 0;
    int column = 0;
    std::string text;
    PasteProblem problem = PasteProblem::kNotAFrequency;
    bool operator==(const PasteRefusal&) const = default;
};

// Where Paste puts the lines.
enum class PasteTarget {
    kFromRow,       // one after another from the first row given
    kSameChannels,  // a line that starts with its channel number into that channel
};

// Pastes the lines of `text` into the channels from `firstRow` on, each cell through the rules
// of typing it: a frequency must lie in the band and is snapped, a tone is normalised, a list
// cell must name an item of its list (in either language). A line of the grid's headings (in
// either language) is skipped. A line may start with a channel number (1-16), as Copy puts it:
// the number is passed over, or with kSameChannels names the channel the line goes to; a line
// without one goes to the channel after the line before. An empty RX cell empties the channel;
// other empty cells keep what the channel has. Nothing is stored when a cell is refused, or a
// line would go past channel 16; the first refusal comes back.
std::optional<PasteRefusal> PasteChannels(EditorState& editor, int firstRow, std::string_view text,
                                          BandLimits band = {},
                                          PasteTarget target = PasteTarget::kFromRow);

// "Channel 3, RX Frequency: "4x" cannot be pasted: not a frequency." in the interface language,
// the reason as typing the cell would give it; a line past channel 16 is reported as channel 17.
Message PasteRefusalMessage(const PasteRefusal& refusal, BandLimits band = {});

// Empties each row as deleting its RX frequency does.
void ClearChannels(EditorState& editor, const std::vector<int>& rows);

// Moves the rows one channel up (or down), each swapping with its neighbour. False, changing
// nothing, when a row would leave channels 1-16.
bool MoveChannels(EditorState& editor, std::vector<int> rows, bool up);

// Inserts an empty channel at `row`: the channel there and those below move one down. False,
// changing nothing, when channel 16 is in use: it would be lost.
bool InsertChannel(EditorState& editor, int row);

// Deletes the rows' channels: those below move up into their places, and as many empty
// channels as were deleted end the list.
void DeleteChannels(EditorState& editor, const std::vector<int>& rows);

// The column that Fill down may fill: a tone, busy lock, the band, add scan or TX power.
bool IsFillColumn(int column);
// Sets `column` of every row in use to the first row's (the lowest) cell and list position.
void FillDown(EditorState& editor, std::vector<int> rows, int column);

}  // namespace m742
