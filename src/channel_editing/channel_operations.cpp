#include "channel_editing/channel_operations.h"

#include <algorithm>

#include "channel_editing/key_filters.h"
#include "channel_editing/list_entry.h"
#include "channel_editing/tone_entry.h"
#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "radio_data/text_codes.h"
#include "texts/edit_texts.h"
#include "texts/grid_cells.h"
#include "texts/list_texts.h"

namespace m742 {

namespace {

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

std::vector<std::string> Split(std::string_view line, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(separator, start);
        parts.emplace_back(line.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

// The list position whose item reads `text` in either language, or -1.
int PositionNamed(int column, const std::string& text) {
    const ListId list = GridColumnList(column);
    for (int position = 0; position < ListSize(list); ++position) {
        if (ListItem(list, position, Lang::English) == text ||
            ListItem(list, position, Lang::Chinese) == text) {
            return position;
        }
    }
    return -1;
}

// Pastes one line into `row`; the first refused cell, if any.
std::optional<PasteRefusal> PasteLine(EditorState& editor, int row, std::string_view line,
                                      BandLimits band) {
    std::vector<std::string> cells = Split(line, '\t');
    cells.resize(At(kLastListColumn));  // missing cells are empty, extra ones are dropped
    auto cell = [&cells](int column) -> const std::string& { return cells[At(column - 1)]; };
    auto refused = [&](int column) { return PasteRefusal{row, column, cell(column)}; };
    if (cell(kColumnRx).empty()) {
        ClearMemoryChannel(editor, row);
        return std::nullopt;
    }
    for (int column : {kColumnRx, kColumnTx}) {
        if (cell(column).empty()) {
            continue;
        }
        // What the frequency box would have kept of the text, pasted into it.
        const std::string typed = PastedFrequency("", cell(column), false);
        const FrequencyCommit commit = CommitFrequency(editor, row, column, typed, band);
        if (commit.outcome != FrequencyOutcome::kWritten &&
            commit.outcome != FrequencyOutcome::kChannelStarted) {
            return refused(column);
        }
    }
    for (int column : {kColumnDecodeTone, kColumnEncodeTone}) {
        const std::string& tone = cell(column);
        if (IsOffWord(tone)) {
            ToneField(MemoryChannelOf(editor, row), column) = ToneOff{};
        } else if (!tone.empty() && !CommitTone(editor, row, column, ToneKeyFilter().Text(tone))) {
            return refused(column);
        }
    }
    for (int column = kFirstListColumn; column <= kLastListColumn; ++column) {
        if (cell(column).empty()) {
            continue;
        }
        if (!PickListItem(editor, row, column, PositionNamed(column, cell(column)))) {
            return refused(column);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<PasteRefusal> PasteChannels(EditorState& editor, int firstRow, std::string_view text,
                                          BandLimits band) {
    std::vector<std::string> lines = Split(text, '\n');
    if (!lines.empty() && lines.back().empty()) {
        lines.pop_back();  // the line end of the last line
    }
    EditorState pasted = editor;
    int row = firstRow;
    for (std::string& line : lines) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (row > kChannelCount) {
            return PasteRefusal{row, kColumnRx, line};
        }
        if (auto refusal = PasteLine(pasted, row, line, band)) {
            return refusal;
        }
        ++row;
    }
    editor = std::move(pasted);
    return std::nullopt;
}

Message PasteRefusalMessage(const PasteRefusal& refusal) {
    const Bilingual* column =
        &kMemoryHeadings[At(std::clamp(refusal.column, 0, kMemoryColumns - 1))];
    return {&kPasteRefusedText, {std::to_string(refusal.channel), column, refusal.text}};
}

void ClearChannels(EditorState& editor, const std::vector<int>& rows) {
    for (int row : ChannelNumbers(rows)) {
        ClearMemoryChannel(editor, row);
    }
}

bool MoveChannels(EditorState& editor, std::vector<int> rows, bool up) {
    rows = ChannelNumbers(std::move(rows));
    if (rows.empty() || (up ? rows.front() == 1 : rows.back() == kChannelCount)) {
        return false;
    }
    if (!up) {
        std::reverse(rows.begin(), rows.end());
    }
    for (int row : rows) {
        const int other = up ? row - 1 : row + 1;
        std::swap(MemoryChannelOf(editor, row), MemoryChannelOf(editor, other));
    }
    return true;
}

bool IsFillColumn(int column) {
    return IsToneColumn(column) || column == kColumnBandwidth || column == kColumnAddScan ||
           column == kColumnTxPower;
}

void FillDown(EditorState& editor, std::vector<int> rows, int column) {
    rows = ChannelNumbers(std::move(rows));
    if (rows.empty() || !IsFillColumn(column) || !ChannelInUse(editor, rows.front())) {
        return;
    }
    const MemoryChannel first = MemoryChannelOf(editor, rows.front());
    for (int row : rows) {
        MemoryChannel& channel = MemoryChannelOf(editor, row);
        if (!channel.inUse()) {
            continue;
        }
        if (IsToneColumn(column)) {
            ToneField(channel, column) = ToneField(first, column);
        } else {
            SetListPosition(channel, column, ListPositionOf(first, column));
        }
    }
}

}  // namespace m742
