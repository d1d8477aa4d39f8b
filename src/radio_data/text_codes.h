// Character codes of the password and ANI fields. The radio stores one byte per character;
// the editor holds UTF-8 text, so a stored byte is the character with that code (U+0000 to
// U+00FF) and a character is stored as the low byte of its code.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "radio_data/status.h"

namespace m742 {

// The UTF-8 text of the character with code `code`.
std::string CharacterOfCode(std::uint8_t code);

// The character codes of a UTF-8 text; a byte that does not start a valid UTF-8 sequence
// counts as the character with that byte's code.
std::vector<std::uint32_t> CharacterCodes(std::string_view utf8);

// The UTF-8 form of one character code.
std::string Utf8Of(std::uint32_t code);

// The columns a terminal, or the report's monospaced font, needs for the text: two for a wide
// (CJK, full-width) character, one for any other.
int DisplayWidth(std::string_view utf8);

// The text with control characters written as \xNN, so that a damaged image cannot send
// terminal control sequences. Bytes that are not UTF-8 count as the character of that code.
std::string Printable(std::string_view utf8);

// The text whole when it has at most `longest` bytes; else cut, never inside a character, so
// that with "..." added it has at most `longest` bytes.
std::string Shortened(std::string_view text, std::size_t longest);

// The text with the letters A-Z made lower case, and nothing else changed.
std::string AsciiLower(std::string_view text);

// `pattern` with %1, %2, ... replaced by `values` in order.
std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> values);
std::string FillText(std::string_view pattern, std::span<const std::string_view> values);

}  // namespace m742
