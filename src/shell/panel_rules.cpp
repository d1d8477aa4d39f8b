#include "shell/panel_rules.h"

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
        if ((c >= '0' && c <= '9') || c == '*' || c == '#' || (c >= 'A' && c <= 'D')) {
            kept += c;
        } else if (c >= 'a' && c <= 'd') {
            kept += static_cast<char>(c - 32);
        }
    }
    return kept;
}

}  // namespace m742
