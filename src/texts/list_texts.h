// The words of the radio's lists and grids in both languages: each list's items, the Off word,
// the grids' column headings and the captions of the radio-wide settings.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "radio_data/editor_state.h"
#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "radio_data/status.h"
#include "texts/grid_columns.h"

namespace m742 {

// The text of one item in the given language; the empty text for a position outside the list
// (-1 is "no selection").
std::string ListItem(ListId list, int position, Lang lang);

// The words of an item of the memory grid's lists (busy lock, band, add scan, TX power) in both
// languages; nothing for another list or a position outside it.
const Bilingual* ChannelListItemWords(ListId list, int position);

// The Off word: the first entry of the tone list.
std::string_view OffWord(Lang lang);

// Whether a text is the Off word of either language.
bool IsOffWord(std::string_view text);

// The column headings of the memory grid and the debug grid. The two tone columns carry the
// same Chinese heading.
extern const std::array<Bilingual, kMemoryColumns> kMemoryHeadings;
extern const std::array<Bilingual, kDebugColumns> kDebugHeadings;

// The caption of a radio-wide setting, as the panel's label or the dialog shows it.
Bilingual SettingCaption(const SettingField& field);

}  // namespace m742
