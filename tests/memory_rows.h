// Memory channels written and read as the grid's rows of texts, for tests that state a channel
// as the window shows it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "texts/grid_cells.h"
#include "texts/list_texts.h"

namespace m742 {

using Row = std::array<std::string, kMemoryColumns>;

// Sets memory channel `row` to what `cells` show: the frequency and tone texts as fields, each
// list column at the position whose item reads as its text in either language (position 0
// for an empty text). Column 0, the number, is not looked at.
inline void SetMemoryRow(RadioPlan& plan, int row, const Row& cells) {
    for (int column = kColumnRx; column <= kColumnEncodeTone; ++column) {
        SetMemoryCellText(plan, row, column, cells[static_cast<std::size_t>(column)]);
    }
    for (int column = kFirstListColumn; column <= kLastListColumn; ++column) {
        const ListId list = GridColumnList(column);
        const std::string& text = cells[static_cast<std::size_t>(column)];
        int position = 0;
        for (int p = 0; p < ListSize(list); ++p) {
            if (ListItem(list, p, Lang::English) == text ||
                ListItem(list, p, Lang::Chinese) == text) {
                position = p;
            }
        }
        SetListPosition(MemoryChannelOf(plan, row), column, static_cast<ListPosition>(position));
    }
}

// The list positions of memory channel `row` by grid column (only columns 5-8 are used).
using Positions = std::array<std::int16_t, kMemoryColumns>;
inline void SetListPositions(RadioPlan& plan, int row, const Positions& positions) {
    for (int column = kFirstListColumn; column <= kLastListColumn; ++column) {
        SetListPosition(MemoryChannelOf(plan, row), column,
                        positions[static_cast<std::size_t>(column)]);
    }
}
inline Positions ListPositions(const RadioPlan& plan, int row) {
    Positions positions{};
    for (int column = kFirstListColumn; column <= kLastListColumn; ++column) {
        positions[static_cast<std::size_t>(column)] =
            ListPositionOf(MemoryChannelOf(plan, row), column);
    }
    return positions;
}

// Memory channel `row` as the grid shows it in `lang`.
inline Row MemoryRow(const RadioPlan& plan, int row, Lang lang = Lang::English) {
    return MemoryRowText(plan, row, lang);
}

}  // namespace m742
