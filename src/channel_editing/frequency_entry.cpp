#include "channel_editing/frequency_entry.h"

#include <array>

#include "channel_editing/snap.h"
#include "radio_data/lists.h"
#include "radio_data/text_codes.h"
#include "texts/message_style.h"
#include "texts/plan_texts.h"

namespace m742 {

namespace {

constexpr Bilingual kOutOfBand{"超出频段范围", "Beyond the frequency range"};

// The list positions of a new channel in columns 5-8: busy lock Off, band Wide, add scan Yes,
// power High.
constexpr std::array<std::int16_t, 4> kNewChannelPositions{0, 0, 1, 1};

void StartChannel(EditorState& editor, std::size_t row) {
    const Lang lang = LanguageOf(editor.LanguageFlag);
    auto& cells = editor.mfgrid1[row];
    cells[kColumnTx] = cells[kColumnRx];
    cells[2] = OffWord(lang);
    cells[4] = OffWord(lang);
    for (int col = kFirstListColumn; col <= kLastListColumn; ++col) {
        const std::int16_t position =
            kNewChannelPositions[static_cast<std::size_t>(col - kFirstListColumn)];
        cells[static_cast<std::size_t>(col)] = ListItem(GridColumnList(col), position, lang);
        editor.CellListIndex[row][static_cast<std::size_t>(col)] = position;
    }
}

}  // namespace

EntryMessage OutOfBandMessage(Lang lang) {
    return {std::string(kOutOfBand.in(lang)), kStylePlain, ""};
}

std::string BandHint(BandLimits band, Lang lang) {
    return FillText(kBandHint.in(lang), {std::to_string(band.low), std::to_string(band.high)});
}

FrequencyCommit CommitFrequency(EditorState& editor, int row, int column, std::string_view entered,
                                BandLimits band) {
    if (row < 1 || row > kChannelCount || (column != kColumnRx && column != kColumnTx)) {
        return {};
    }
    if (entered.empty()) {
        if (column != kColumnRx) {
            return {};
        }
        ClearNO(editor, row);
        return {FrequencyOutcome::kChannelDeleted, std::nullopt};
    }
    if (!IsNumberText(entered)) {
        return {};
    }
    // The limits are whole MHz and no entry is negative, so comparing the whole part decides
    // low <= value < high exactly.
    const auto wholeMHz = ScaledValue(entered, 0, Rounding::kDown);
    // What the cell would hold is checked too: rounding to five decimals can carry an entry
    // just below the top (479.999999) up to 480.00000, which the radio does not take.
    const auto steps = FrequencySteps(entered);
    const std::int64_t stored = steps ? SnapSteps(*steps) : -1;
    if (!wholeMHz || *wholeMHz < band.low || *wholeMHz >= band.high ||
        stored < band.low * kStepsPerMHz || stored >= band.high * kStepsPerMHz) {
        return {FrequencyOutcome::kOutOfBand, OutOfBandMessage(LanguageOf(editor.LanguageFlag))};
    }

    const auto r = static_cast<std::size_t>(row);
    auto& cells = editor.mfgrid1[r];
    cells[static_cast<std::size_t>(column)] = FormatSteps(stored);
    if (column == kColumnRx && cells[kColumnTx].empty()) {
        StartChannel(editor, r);
        return {FrequencyOutcome::kChannelStarted, std::nullopt};
    }
    return {FrequencyOutcome::kWritten, std::nullopt};
}

}  // namespace m742
