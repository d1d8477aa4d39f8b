#include "radio_data/text_codes.h"

#include <cstdio>

namespace m742 {

namespace {

// The East Asian wide and full-width ranges that occur in practice.
bool IsWide(std::uint32_t code) {
    return (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0x303E) ||
           (code >= 0x3041 && code <= 0xA4CF) || (code >= 0xAC00 && code <= 0xD7A3) ||
           (code >= 0xF900 && code <= 0xFAFF) || (code >= 0xFE30 && code <= 0xFE4F) ||
           (code >= 0xFF00 && code <= 0xFF60) || (code >= 0xFFE0 && code <= 0xFFE6) ||
           (code >= 0x20000 && code <= 0x3FFFD);
}

bool IsControl(std::uint32_t code) {
    return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

}  // namespace

std::string CharacterOfCode(std::uint8_t code) {
    return Utf8Of(code);
}

std::vector<std::uint32_t> CharacterCodes(std::string_view utf8) {
    std::vector<std::uint32_t> codes;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x06 ? 2
                                   : (lead >> 4) == 0x0E ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = length != 0 && i + length <= utf8.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) {
            codes.push_back(lead);
            ++i;
            continue;
        }
        codes.push_back(code);
        i += length;
    }
    return codes;
}

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

int DisplayWidth(std::string_view utf8) {
    int width = 0;
    for (const std::uint32_t code : CharacterCodes(utf8)) {
        width += IsWide(code) ? 2 : 1;
    }
    return width;
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

std::string Shortened(std::string_view text, std::size_t longest) {
    constexpr std::string_view kEllipsis = "...";
    if (text.size() <= longest) {
        return std::string(text);
    }
    std::size_t cut = longest > kEllipsis.size() ? longest - kEllipsis.size() : 0;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;  // not inside a UTF-8 character
    }
    return std::string(text.substr(0, cut)) + std::string(kEllipsis);
}

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return lower;
}

std::string FillText(std::string_view pattern, std::span<const std::string_view> values) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            text += values[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> values) {
    return FillText(pattern, std::span<const std::string_view>(values.begin(), values.size()));
}

}  // namespace m742
