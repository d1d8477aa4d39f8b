// The radio's programmable memory and the text form the tool carries it in.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace m742 {

inline constexpr std::size_t kImageSize = 1024;
inline constexpr std::size_t kImageHexLength = 2 * kImageSize;

// The 1024 bytes at addresses 000h-3FFh. Unused bytes hold FFh.
using RadioImage = std::array<std::uint8_t, kImageSize>;

// The image as 2048 upper-case hexadecimal digits, two per byte, in address order,
// high digit first. The byte at address A is at string index 2A and 2A+1.
using ImageHex = std::string;

// An image with every byte FFh, what an erased radio holds.
RadioImage BlankImage();

// Two upper-case digits per byte.
ImageHex ImageToHex(const RadioImage& image);

// Parses an ImageHex; nothing unless the text is exactly 2048 upper-case hexadecimal digits
// (the radio link and the decoder rely on upper case).
std::optional<RadioImage> ImageFromHex(std::string_view hex);

// Two upper-case hexadecimal digits of the low byte of a 16-bit signed value:
// 5 -> "05", 171 -> "AB", 300 -> "2C", -1 -> "FF".
std::string Hex2(std::int16_t value);

// True for "0"-"9" and "A"-"F" (upper case only, as in an ImageHex).
bool IsUpperHexDigit(char c);

}  // namespace m742
