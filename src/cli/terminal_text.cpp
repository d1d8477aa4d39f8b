#include "cli/terminal_text.h"

#include <algorithm>

#include "radio_data/text_codes.h"

namespace m742::cli {

std::string AlignedColumns(const std::vector<std::vector<std::string>>& rows, std::size_t indent,
                           std::size_t gap) {
    std::vector<int> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
        }
    }
    std::string text;
    for (const auto& row : rows) {
        std::string line(indent, ' ');
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            line.append(static_cast<std::size_t>(widths[c] - DisplayWidth(row[c])) + gap, ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
    }
    return text;
}

}  // namespace m742::cli
