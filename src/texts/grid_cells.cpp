#include "texts/grid_cells.h"

#include <utility>

#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "radio_data/tones.h"
#include "texts/list_texts.h"

namespace m742 {

FrequencyCell& FrequencyField(MemoryChannel& channel, int column) {
    return FrequencyOf(channel, FieldOfColumn(column));
}

const FrequencyCell& FrequencyField(const MemoryChannel& channel, int column) {
    return FrequencyOf(channel, FieldOfColumn(column));
}

ToneCell& ToneField(MemoryChannel& channel, int column) {
    return ToneOf(channel, FieldOfColumn(column));
}

const ToneCell& ToneField(const MemoryChannel& channel, int column) {
    return ToneOf(channel, FieldOfColumn(column));
}

FrequencyCell& DebugField(DebugChannel& channel, int column) {
    return FrequencyOf(channel, DebugFieldOfColumn(column));
}

const FrequencyCell& DebugField(const DebugChannel& channel, int column) {
    return FrequencyOf(channel, DebugFieldOfColumn(column));
}

std::string MemoryCellText(const RadioPlan& plan, int row, int column, Lang lang) {
    const MemoryChannel& channel = MemoryChannelOf(plan, row);
    switch (column) {
        case kColumnChannel:
            return std::to_string(row);
        case kColumnRx:
        case kColumnTx:
            return FrequencyCellText(FrequencyField(channel, column));
        case kColumnDecodeTone:
        case kColumnEncodeTone:
            return ToneCellText(ToneField(channel, column), OffWord(lang));
        default:
            return channel.inUse()
                       ? ListItem(GridColumnList(column), ListPositionOf(channel, column), lang)
                       : std::string();
    }
}

std::string DebugCellText(const RadioPlan& plan, int row, int column) {
    if (column == 0) {
        return std::to_string(row);
    }
    return FrequencyCellText(DebugField(DebugChannelOf(plan, row), column));
}

std::array<std::string, kMemoryColumns> MemoryRowText(const RadioPlan& plan, int row, Lang lang) {
    std::array<std::string, kMemoryColumns> cells;
    for (int column = 0; column < kMemoryColumns; ++column) {
        cells[static_cast<std::size_t>(column)] = MemoryCellText(plan, row, column, lang);
    }
    return cells;
}

std::string CopyChannels(const RadioPlan& plan, std::vector<int> rows, Lang lang) {
    std::string text;
    for (int column = kColumnChannel; column <= kLastListColumn; ++column) {
        text += kMemoryHeadings[static_cast<std::size_t>(column)].in(lang);
        text += column == kLastListColumn ? '\n' : '\t';
    }
    for (int row : ChannelNumbers(std::move(rows))) {
        for (int column = kColumnChannel; column <= kLastListColumn; ++column) {
            text += MemoryCellText(plan, row, column, lang);
            text += column == kLastListColumn ? '\n' : '\t';
        }
    }
    return text;
}

ToneCell ToneCellOf(std::string_view text) {
    if (text.empty()) {
        return std::monostate{};
    }
    if (IsOffWord(text)) {
        return ToneOff{};
    }
    const auto code = ToneCodeOf(text);
    if (code && *code != 0xFFFF) {
        ToneCell cell = ToneCellOfCode(*code, true);
        if (!std::holds_alternative<std::monostate>(cell) && ToneCellText(cell, {}) == text) {
            return cell;
        }
    }
    return ToneAsTyped{std::string(text)};
}

void SetMemoryCellText(RadioPlan& plan, int row, int column, std::string_view text) {
    MemoryChannel& channel = MemoryChannelOf(plan, row);
    if (column == kColumnRx || column == kColumnTx) {
        FrequencyField(channel, column) = FrequencyCellOf(text);
    } else if (IsToneColumn(column)) {
        ToneField(channel, column) = ToneCellOf(text);
    }
}

void SetDebugCellText(RadioPlan& plan, int row, int column, std::string_view text) {
    DebugField(DebugChannelOf(plan, row), column) = FrequencyCellOf(text);
}

}  // namespace m742
