// Text as a terminal may show it: without control characters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace m742::cli {

// The text with control characters written as \xNN, so that a damaged image cannot send
// terminal control sequences. Bytes that are not UTF-8 count as the character of that code.
std::string Printable(std::string_view utf8);

}  // namespace m742::cli
