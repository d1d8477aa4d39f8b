// Text laid out for a terminal. Printable (radio_data/text_codes.h) keeps control characters
// from it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace m742::cli {

// Rows of cells in columns as wide as their widest cell on a terminal (a Chinese character
// takes two places), `gap` blanks apart, each line after `indent` blanks, without blanks at
// its end.
std::string AlignedColumns(const std::vector<std::vector<std::string>>& rows, std::size_t indent,
                           std::size_t gap);

}  // namespace m742::cli
