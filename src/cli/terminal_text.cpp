#include "cli/terminal_text.h"

#include <cstdio>

#include "radio_data/text_codes.h"

namespace m742::cli {

namespace {

bool IsControl(std::uint32_t code) {
    return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

// The East Asian wide and full-width ranges that occur in practice.
bool IsWide(std::uint32_t code) {
    return (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0x303E) ||
           (code >= 0x3041 && code <= 0xA4CF) || (code >= 0xAC00 && code <= 0xD7A3) ||
           (code >= 0xF900 && code <= 0xFAFF) || (code >= 0xFE30 && code <= 0xFE4F) ||
           (code >= 0xFF00 && code <= 0xFF60) || (code >= 0xFFE0 && code <= 0xFFE6) ||
           (code >= 0x20000 && code <= 0x3FFFD);
}

}  // namespace

std::string Utf8Of(std::uint32_t code) {
    std::string text;
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
    return text;
}

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

int DisplayWidth(std::string_view utf8) {
    int width = 0;
    for (const std::uint32_t code : CharacterCodes(utf8)) {
        width += IsWide(code) ? 2 : 1;
    }
    return width;
}

}  // namespace m742::cli
