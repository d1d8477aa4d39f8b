#include "channel_editing/snap.h"

#include <algorithm>

namespace m742 {

namespace {

constexpr std::size_t kMaxWholeDigits = 13;  // 10^13 MHz in steps still fits 64 bits
constexpr std::int64_t kBlockSteps = 10000;  // 100 kHz: the part of a frequency the raster moves
constexpr std::int64_t kRaster5 = 500;       // 5 kHz
constexpr std::int64_t kRaster6 = 625;       // 6.25 kHz

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool IsNumberText(std::string_view text) {
    return LeadingNumberLength(text) == text.size() &&
           std::any_of(text.begin(), text.end(), IsDigit);
}

std::size_t LeadingNumberLength(std::string_view text) {
    bool point = false;
    std::size_t length = 0;
    for (char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (!IsDigit(c)) {
            break;
        }
        ++length;
    }
    return length;
}

std::optional<std::int64_t> ScaledValue(std::string_view text, int decimals, Rounding rounding) {
    if (!IsNumberText(text) || decimals < 0 || decimals > kFrequencyDecimals) {
        return std::nullopt;
    }
    const std::size_t point = std::min(text.find('.'), text.size());
    std::string_view whole = text.substr(0, point);
    const std::string_view fraction = text.substr(std::min(point + 1, text.size()));
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.size() > kMaxWholeDigits) {
        return std::nullopt;
    }
    std::int64_t units = 0;
    for (char c : whole) {
        units = units * 10 + (c - '0');
    }
    const auto kept = static_cast<std::size_t>(decimals);
    for (std::size_t i = 0; i < kept; ++i) {
        units = units * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    }
    const std::string_view beyond = fraction.substr(std::min(kept, fraction.size()));
    switch (rounding) {
        case Rounding::kHalfAwayFromZero:
            units += !beyond.empty() && beyond.front() >= '5' ? 1 : 0;
            break;
        case Rounding::kDown:
            break;
        case Rounding::kUp:
            units += beyond.find_first_not_of('0') != std::string_view::npos ? 1 : 0;
            break;
    }
    return units;
}

std::int64_t SnapSteps(std::int64_t steps) {
    if (steps < 0) {
        return steps;
    }
    const std::int64_t inBlock = steps % kBlockSteps;
    const std::int64_t off5 = inBlock % kRaster5;
    const std::int64_t off6 = inBlock % kRaster6;
    if (off5 == 0 || off6 == 0) {
        return steps;
    }
    return steps - std::min(off5, off6);
}

std::string FormatSteps(std::int64_t steps) {
    const bool negative = steps < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(steps) : static_cast<std::uint64_t>(steps);
    std::string decimals = std::to_string(magnitude % kStepsPerMHz);
    decimals.insert(0, static_cast<std::size_t>(kFrequencyDecimals) - decimals.size(), '0');
    return (negative ? "-" : "") + std::to_string(magnitude / kStepsPerMHz) + "." + decimals;
}

std::optional<std::string> StoredFrequencyText(std::string_view entered) {
    const auto steps = FrequencySteps(entered);
    if (!steps) {
        return std::nullopt;
    }
    return FormatSteps(SnapSteps(*steps));
}

}  // namespace m742
