// Numbers as the channel editors read them, and frequency texts as both grids hold them: MHz
// with five decimals ("460.12500"), snapped onto the radio's channel raster.
//
// The arithmetic runs on whole 10 Hz steps (the last decimal of a frequency text), so a binary
// fraction never shifts a digit: 460.00625 stays 460.00625.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace m742 {

inline constexpr int kFrequencyDecimals = 5;
inline constexpr std::int64_t kStepsPerMHz = 100000;  // 10 Hz steps

// A number as the editors take it: digits with at most one point, and at least one digit.
// The point may lead or end the text (".5" is 0.5, "460." is 460), as a classic numeric test
// allows; a point alone, a second point ("4..5"), signs, blanks and exponents make no number.
bool IsNumberText(std::string_view text);

// The length of the number at the start of `text`: its leading digits with at most one point
// ("88.5Hz" -> 4, "4..5" -> 2, "D23" -> 0). The prefix may be a point alone, which is no number.
std::size_t LeadingNumberLength(std::string_view text);

enum class Rounding {
    kHalfAwayFromZero,  // as formatting with "0.00000" or "0.0" rounds
    kDown,              // drops the digits beyond
    kUp,                // any non-zero digit beyond adds one unit
};

// The value of a number text in units of 10^-decimals (decimals 0 to 5). Nothing when the text
// is no number, or when its whole part has more than 13 significant digits, far beyond the
// nine characters any editor lets through.
std::optional<std::int64_t> ScaledValue(std::string_view text, int decimals,
                                        Rounding rounding = Rounding::kHalfAwayFromZero);

// The value of a number text in 10 Hz steps, rounded at the fifth decimal as "0.00000" rounds.
inline std::optional<std::int64_t> FrequencySteps(std::string_view text) {
    return ScaledValue(text, kFrequencyDecimals);
}

// Moves a frequency down to the nearer of the 5 kHz and 6.25 kHz raster points below it, within
// its 100 kHz block (the last four digits, 0 to 9999 steps): a frequency on either raster stays,
// none ever moves up or into the block below. Negative steps are returned as they are.
std::int64_t SnapSteps(std::int64_t steps);

// The frequency text of a number of steps: whole MHz, a point and five decimals ("0.00000").
std::string FormatSteps(std::int64_t steps);

// An entered frequency as a grid stores it: formatted with "0.00000", snapped, formatted again
// ("460.007" -> "460.00625", "460" -> "460.00000"). Nothing when the entry is no number.
std::optional<std::string> StoredFrequencyText(std::string_view entered);

}  // namespace m742
