#include "shell/panel_rules.h"

#include <algorithm>

namespace m742 {

std::string FilterPassword(std::string_view text) {
    std::string kept;
    for (char c : text) {
        if (((c >= '0' && c <= '9') || c == '.') && kept.size() < kPasswordBoxLength) {
            kept += c;
        }
    }
    return kept;
}

std::string FilterAni(std::string_view text) {
    std::string kept;
    for (char c : text) {
        if (kept.size() >= kAniBoxLength) {
            break;
        }
        if ((c >= '0' && c <= '9') || c == '*' || c == '#' || (c >= 'A' && c <= 'D')) {
            kept += c;
        } else if (c >= 'a' && c <= 'd') {
            kept += static_cast<char>(c - 32);
        }
    }
    return kept;
}

KeptEntry KeepEntry(std::string_view text, std::size_t cursor,
                    std::string (*filter)(std::string_view), std::size_t length) {
    cursor = std::min(cursor, text.size());
    const std::string after = filter(text.substr(cursor));
    std::string before = filter(text.substr(0, cursor));
    before.resize(std::min(before.size(), length - std::min(length, after.size())));
    return {before + after, before.size()};
}

}  // namespace m742
