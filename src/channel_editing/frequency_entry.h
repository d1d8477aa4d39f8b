// The frequency editor Text1 of the memory grid: what an entry does to the current cell when
// the editor loses the focus.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "radio_data/editor_state.h"
#include "radio_data/status.h"

namespace m742 {

// BandLow and BandHigh in MHz: an entry is taken when BandLow <= value < BandHigh.
struct BandLimits {
    int low = 400;
    int high = 480;
};

// A message the window shows through ShowMessage: text, classic style number and title.
struct EntryMessage {
    Message text;
    int style = 0;
    std::string title;
    bool operator==(const EntryMessage&) const = default;
};

// What a committed frequency entry did.
enum class FrequencyOutcome {
    kKept,            // no number, or an emptied TX cell: the cell keeps its text
    kWritten,         // the cell holds the snapped frequency
    kChannelStarted,  // written, and the row had no TX frequency: the new-channel defaults
    kChannelDeleted,  // an emptied RX cell deleted the whole channel
    kOutOfBand,       // refused with the message below; the cell keeps its text
};

struct FrequencyCommit {
    FrequencyOutcome outcome = FrequencyOutcome::kKept;
    std::optional<EntryMessage> message;  // set exactly when the entry is out of band
};

// "Beyond the frequency range" in English, style 0 (OK only), empty title.
EntryMessage OutOfBandMessage();

// Commits `entered` to memory cell (row 1-16, column 1 RX or 3 TX):
// - empty: RX deletes the channel (ClearNO), TX keeps its text;
// - no number (see IsNumberText): kept, silently;
// - a value outside the band, tested as typed and again as it would be stored (rounded to five
//   decimals and snapped): kept, with the message in the editor's language;
// - otherwise the cell gets the entry formatted, snapped and formatted again, and an RX entry
//   in a row without a TX frequency starts the channel: TX the same text, both tones the Off
//   word, busy lock Off, band Wide, add scan Yes, power High (positions 0, 0, 1, 1).
// Any other row or column is left alone.
FrequencyCommit CommitFrequency(EditorState& editor, int row, int column, std::string_view entered,
                                BandLimits band = {});

}  // namespace m742
