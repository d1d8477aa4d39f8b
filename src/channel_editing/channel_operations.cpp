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
#include "texts/message_text.h"

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

// The channel a line's first field names, as Copy puts it: a whole number 1-16. No frequency
// of the band reads so.
std::optional<int> ChannelNumberOf(const std::string& field) {
    if (field.empty() || field.size() > 2 ||
        field.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const int number = std::stoi(field);
    return number >= 1 && number <= kChannelCount ? std::optional<int>(number) : std::nullopt;
}

// A line of the grid's headings, in either language, as Copy puts it first.
bool IsHeadingLine(std::string_view line) {
    const std::string first = Split(line, '\t').front();
    for (int column : {kColumnChannel, kColumnRx}) {
        const Bilingual& heading = kMemoryHeadings[At(column)];
        if (first == heading.in(Lang::English) || first == heading.in(Lang::Chinese)) {
            return true;
        }
    }
    return false;
}

// Pastes one line into `row`; the first refused cell, if any.
std::optional<PasteRefusal> PasteLine(EditorState& editor, int row, std::string_view line,
                                      BandLimits band) {
    std::vector<std::string> cells = Split(line, '\t');
    if (ChannelNumberOf(cells.front())) {
        cells.erase(cells.begin());
    }
    cells.resize(At(kLastListColumn));  // missing cells are empty, extra ones are dropped
    auto cell = [&cells](int column) -> const std::string& { return cells[At(column - 1)]; };
    auto refused = [&](int column, PasteProblem problem) {
        return PasteRefusal{row, column, cell(column), problem};
    };
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
        if (commit.outcome == FrequencyOutcome::kOutOfBand) {
            return refused(column, PasteProblem::kOutOfBand);
        }
        if (commit.outcome != FrequencyOutcome::kWritten &&
            commit.outcome != FrequencyOutcome::kChannelStarted) {
            return refused(column, PasteProblem::kNotAFrequency);
        }
    }
    for (int column : {kColumnDecodeTone, kColumnEncodeTone}) {
        const std::string& tone = cell(column);
        if (IsOffWord(tone)) {
            ToneField(MemoryChannelOf(editor, row), column) = ToneOff{};
        } else if (!tone.empty() && !CommitTone(editor, row, column, ToneKeyFilter().Text(tone))) {
            return refused(column, PasteProblem::kNotATone);
        }
    }
    for (int column = kFirstListColumn; column <= kLastListColumn; ++column) {
        if (cell(column).empty()) {
            continue;
        }
        if (!PickListItem(editor, row, column, PositionNamed(column, cell(column)))) {
            return refused(column, PasteProblem::kNotInList);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<PasteRefusal> PasteChannels(EditorState& editor, int firstRow, std::string_view text,
                                          BandLimits band, PasteTarget target) {
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
        if (IsHeadingLine(line)) {
            continue;
        }
        if (const auto number = ChannelNumberOf(Split(line, '\t').front());
            number && target == PasteTarget::kSameChannels) {
            row = *number;
        }
        if (row > kChannelCount) {
            return PasteRefusal{row, kColumnRx, line, PasteProblem::kPastLastChannel};
        }
        if (auto refusal = PasteLine(pasted, row, line, band)) {
            return refusal;
        }
        ++row;
    }
    editor = std::move(pasted);
    return std::nullopt;
}

Message PasteRefusalMessage(const PasteRefusal& refusal, BandLimits band) {
    const Bilingual* column =
        &kMemoryHeadings[At(std::clamp(refusal.column, 0, kMemoryColumns - 1))];
    Message reason;
    switch (refusal.problem) {
        case PasteProblem::kNotAFrequency:
            reason = Text(kPasteNotAFrequency);
            break;
        case PasteProblem::kOutOfBand:
            reason = {&kPasteOutOfBand, {std::to_string(band.low), std::to_string(band.high)}};
            break;
        case PasteProblem::kNotATone:
            reason = Text(kPasteNotATone);
            break;
        case PasteProblem::kNotInList: {
            std::vector<MessagePart> items;
            const ListId list = GridColumnList(refusal.column);
            for (int position = 0; position < ListSize(list); ++position) {
                if (position > 0) {
                    items.emplace_back(&kListSeparator);
                }
                items.emplace_back(ChannelListItemWords(list, position));
            }
            reason = {&kPasteNotInList, {Inner(Concatenated(std::move(items)))}};
            break;
        }
        case PasteProblem::kPastLastChannel:
            reason = Text(kPastePastLastChannel);
            break;
    }
    return {&kPasteRefusedText,
            {std::to_string(refusal.channel), column, refusal.text, Inner(std::move(reason))}};
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

bool InsertChannel(EditorState& editor, int row) {
    if (row < 1 || row > kChannelCount || ChannelInUse(editor, kChannelCount)) {
        return false;
    }
    for (int below = kChannelCount; below > row; --below) {
        MemoryChannelOf(editor, below) = MemoryChannelOf(editor, below - 1);
    }
    ClearMemoryChannel(editor, row);
    return true;
}

void DeleteChannels(EditorState& editor, const std::vector<int>& rows) {
    const std::vector<int> deleted = ChannelNumbers(rows);
    std::vector<MemoryChannel> kept;
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!std::binary_search(deleted.begin(), deleted.end(), row)) {
            kept.push_back(MemoryChannelOf(editor, row));
        }
    }
    for (int row = 1; row <= kChannelCount; ++row) {
        if (At(row) <= kept.size()) {
            MemoryChannelOf(editor, row) = kept[At(row - 1)];
        } else {
            ClearMemoryChannel(editor, row);
        }
    }
}

bool IsFillColumn(int column) {
    return IsToneColumn(column) || IsListColumn(column);
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
