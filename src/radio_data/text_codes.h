// Character codes of the password and ANI fields. The radio stores one byte per character;
// the editor holds UTF-8 text, so a stored byte is the character with that code (U+0000 to
// U+00FF) and a character is stored as the low byte of its code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace m742 {

// The UTF-8 text of the character with code `code`.
std::string CharacterOfCode(std::uint8_t code);

// The character codes of a UTF-8 text; a byte that does not start a valid UTF-8 sequence
// counts as the character with that byte's code.
std::vector<std::uint32_t> CharacterCodes(std::string_view utf8);

}  // namespace m742
