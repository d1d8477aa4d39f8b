// Text as a terminal shows it: UTF-8, with CJK characters two columns wide.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace m742::cli {

// The UTF-8 form of one character code.
std::string Utf8Of(std::uint32_t code);

// The text with control characters written as \xNN, so that a damaged image cannot send
// terminal control sequences. Bytes that are not UTF-8 count as the character of that code.
std::string Printable(std::string_view utf8);

// The columns a terminal needs for the text: two for a wide (CJK, full-width) character, one
// for any other.
int DisplayWidth(std::string_view utf8);

}  // namespace m742::cli
