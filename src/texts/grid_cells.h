// The text each cell of the grids shows for a plan, and a cell's text taken back into it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "radio_data/editor_state.h"
#include "radio_data/radio_plan.h"
#include "radio_data/status.h"
#include "texts/grid_columns.h"
#include "texts/list_texts.h"

namespace m742 {

// Memory channel `row` (1-16), grid column `column` (0-8): the channel number, the
// frequencies and tones as the radio writes them (Off in `lang`), and the list columns' items
// in `lang` for a channel in use, empty for one that is not.
std::string MemoryCellText(const RadioPlan& plan, int row, int column, Lang lang);

// Debug channel `row` (1-16), column 0-2: the number, the RX and the TX frequency.
std::string DebugCellText(const RadioPlan& plan, int row, int column);

// Every cell of memory channel `row` in `lang`, by column.
std::array<std::string, kMemoryColumns> MemoryRowText(const RadioPlan& plan, int row, Lang lang);

// What Copy puts on the clipboard, as a spreadsheet takes it: a line of the grid's headings in
// `lang`, then each row's channel number and cells as shown, in ascending order; the fields
// tab-separated, each line ending in "\n".
std::string CopyChannels(const RadioPlan& plan, std::vector<int> rows, Lang lang);

// The field a text stands for: "" nothing, the Off word of either language Off, a tone in the
// radio's own form ("88.5", "D023N") that tone, any other text as typed.
ToneCell ToneCellOf(std::string_view text);

// Puts a text into a frequency or tone column (1-4) of memory channel `row` as the field it
// stands for (FrequencyCellOf, ToneCellOf). Other columns are left alone.
void SetMemoryCellText(RadioPlan& plan, int row, int column, std::string_view text);

// Puts a text into debug column 1 or 2 of debug channel `row`.
void SetDebugCellText(RadioPlan& plan, int row, int column, std::string_view text);

// The frequency field of memory column 1 or 3, the tone field of column 2 or 4.
FrequencyCell& FrequencyField(MemoryChannel& channel, int column);
const FrequencyCell& FrequencyField(const MemoryChannel& channel, int column);
ToneCell& ToneField(MemoryChannel& channel, int column);
const ToneCell& ToneField(const MemoryChannel& channel, int column);

// The frequency field of debug column 1 or 2.
FrequencyCell& DebugField(DebugChannel& channel, int column);
const FrequencyCell& DebugField(const DebugChannel& channel, int column);

}  // namespace m742
