// A row of a CHIRP CSV channel list and the memory channel it stands for: what the export and
// the import share, and one row taken into one channel by the window's rules for typing it in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "channel_editing/frequency_entry.h"
#include "plan_formats/csv_records.h"
#include "radio_data/editor_state.h"
#include "radio_data/status.h"

namespace m742::chirp {

// List positions of the grid's list columns.
inline constexpr std::int16_t kWide = 0;
inline constexpr std::int16_t kNarrow = 1;
inline constexpr std::int16_t kNotScanned = 0;
inline constexpr std::int16_t kScanned = 1;
inline constexpr std::int16_t kLowPower = 0;
inline constexpr std::int16_t kHighPower = 1;

// MHz with six decimals, as CHIRP writes frequencies and offsets.
std::string Megahertz(std::int64_t steps);

// What became of a row.
struct RowOutcome {
    bool taken = false;
    Message refusal;                // why it was not taken
    std::vector<Message> adjusted;  // taken, with a frequency moved onto the raster
};

// Fills `channel` of `plan` from `record`, a row under the header `columns` whose fields
// `separator` parts (with ";", a decimal comma is read as a point). The
// channel gets `busyLock`, which CHIRP has no column for. A refused row may leave `plan` half
// changed: the caller works on a copy.
RowOutcome ImportRow(const CsvRecord& record, const CsvColumns& columns, char separator,
                     EditorState& plan, int channel, std::int16_t busyLock, BandLimits band);

}  // namespace m742::chirp
