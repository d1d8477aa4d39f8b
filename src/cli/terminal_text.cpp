#include "cli/terminal_text.h"

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

}  // namespace m742::cli
