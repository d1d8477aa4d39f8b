#include "channel_editing/tone_entry.h"

#include <algorithm>

#include "channel_editing/snap.h"
#include "radio_data/lists.h"
#include "texts/grid_cells.h"
#include "texts/list_texts.h"

namespace m742 {

namespace {

// CTCSS tones in tenths of a hertz: 67.0 to 254.1 Hz.
constexpr std::int64_t kLowestTone = 670;
constexpr std::int64_t kHighestTone = 2541;
// DCS codes have three octal-looking digits, but any three digits below 778 are taken.
constexpr int kDcsDigits = 3;
constexpr int kDcsLimit = 778;

std::optional<std::string> CtcssEntry(std::string_view entered) {
    const std::string_view number = entered.substr(0, LeadingNumberLength(entered));
    if (!IsNumberText(number)) {
        return std::nullopt;  // no number at the start: its value 0 is below the range
    }
    // The range is tested on the value as typed; only the written text is rounded.
    const auto below = ScaledValue(number, 1, Rounding::kDown);
    const auto above = ScaledValue(number, 1, Rounding::kUp);
    if (!below || *below < kLowestTone || *above > kHighestTone) {
        return std::nullopt;
    }
    const std::int64_t tenths = *ScaledValue(number, 1);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::optional<std::string> DcsEntry(std::string_view entered) {
    const char suffix = entered.size() >= 2 ? entered.back() : '\0';
    if (suffix != 'N' && suffix != 'I') {
        return std::nullopt;
    }
    const std::string_view digits = entered.substr(1, entered.size() - 2);
    if (digits.size() > kDcsDigits ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    std::string code(static_cast<std::size_t>(kDcsDigits) - digits.size(), '0');
    code += digits;
    if (std::stoi(code) >= kDcsLimit) {
        return std::nullopt;
    }
    return "D" + code + suffix;
}

}  // namespace

std::optional<std::string> NormalisedTone(std::string_view entered) {
    if (entered == OffWord(Lang::English) || entered == OffWord(Lang::Chinese)) {
        return std::nullopt;
    }
    if (!entered.starts_with('D')) {
        return CtcssEntry(entered);
    }
    return DcsEntry(entered);
}

bool CommitTone(EditorState& editor, int row, int column, std::string_view entered) {
    if (row < 1 || row > kChannelCount || (column != 2 && column != 4)) {
        return false;
    }
    const auto tone = NormalisedTone(entered);
    if (!tone) {
        return false;
    }
    SetMemoryCellText(editor, row, column, *tone);
    return true;
}

}  // namespace m742
