#include "cli/terminal_text.h"

#include <algorithm>
#include <cstdio>

#include "radio_data/text_codes.h"

namespace m742::cli {

namespace {

bool IsControl(std::uint32_t code) {
    return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

}  // namespace

std::string Printable(std::string_view utf8) {
    std::string text;
    for (const std::uint32_t code : CharacterCodes(utf8)) {
        if (IsControl(code)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(code));
            text += escaped;
        } else {
            text += Utf8Of(code);
        }
    }
    return text;
}

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
