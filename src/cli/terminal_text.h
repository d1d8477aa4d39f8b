// Text as a terminal may show it: without control characters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace m742::cli {

// The text with control characters written as \xNN, so that a damaged image cannot send
// terminal control sequences. Bytes that are not UTF-8 count as the character of that code.
std::string Printable(std::string_view utf8);

// Rows of cells in columns as wide as their widest cell on a terminal (a Chinese character
// takes two places), `gap` blanks apart, each line after `indent` blanks, without blanks at
// its end.
std::string AlignedColumns(const std::vector<std::vector<std::string>>& rows, std::size_t indent,
                           std::size_t gap);

}  // namespace m742::cli
