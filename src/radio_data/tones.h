// Frequency and squelch-tone codes of the radio's channel records, and the tone list.
//
// FreqCode: 4 bytes of packed decimal digits in 10 Hz steps, low pair first. 460.12500 MHz
// is d1..d8 = 4 6 0 1 2 5 0 0, stored as 00h 25h 01h 46h; FFFFFFFFh means no frequency.
//
// ToneCode: a little-endian 16-bit value. FFFFh Off; 8xyzh DCS code xyz normal ("DxyzN");
// Cxyzh DCS inverted ("DxyzI"); four decimal digits abcd a CTCSS tone of abc.d Hz.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "radio_data/image.h"
#include "radio_data/status.h"

namespace m742 {

inline constexpr int kCtcssCount = 50;
inline constexpr int kDcsCount = 105;
inline constexpr int kToneListSize = 1 + kCtcssCount + 2 * kDcsCount;  // 261

// CTCSS tones in list order (positions 1-50), as the grid shows them.
extern const std::array<std::string_view, kCtcssCount> kCtcssTones;
// DCS codes in list order: positions 51-155 with "N", 156-260 with "I".
extern const std::array<std::string_view, kDcsCount> kDcsCodes;

// The four bytes of the frequency stored at `address`.
std::array<std::uint8_t, 4> FrequencyBytesAt(const RadioImage& image, int address);

// The grid text of the frequency at `address`: "ddd.ddddd", or empty for FFFFFFFFh.
// The digits are not checked: a damaged image shows whatever its nibbles hold (A-F too).
std::string FrequencyText(const RadioImage& image, int address);

// The four bytes of a frequency text in storage order ("460.125" -> 00h 25h 01h 46h), FFh
// four times for a blank text. Nothing for a text with fewer than three or more than three
// characters before the point, or whose digits would not be upper-case hexadecimal.
std::optional<std::array<std::uint8_t, 4>> FrequencyBytesOfText(std::string_view text);

// The 16-bit code of a tone text: "" is FFFFh (the Off word is read as Off before a text
// comes here).
// Nothing when the text does not give four hexadecimal digits.
std::optional<std::uint16_t> ToneCodeOf(std::string_view text);

}  // namespace m742
