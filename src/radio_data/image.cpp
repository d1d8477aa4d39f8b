#include "radio_data/image.h"

namespace m742 {

namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// The nibble table the codec splits bytes with: value v is characters 4v .. 4v+3.
constexpr std::string_view kNibbleBits =
    "0000000100100011010001010110011110001001101010111100110111101111";

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

}  // namespace

RadioImage BlankImage() {
    RadioImage image;
    image.fill(0xFF);
    return image;
}

ImageHex ImageToHex(const RadioImage& image) {
    ImageHex hex;
    hex.reserve(kImageHexLength);
    for (std::uint8_t byte : image) {
        hex.push_back(kHexDigits[byte >> 4]);
        hex.push_back(kHexDigits[byte & 0x0F]);
    }
    return hex;
}

std::optional<RadioImage> ImageFromHex(std::string_view hex) {
    if (hex.size() != kImageHexLength) {
        return std::nullopt;
    }
    RadioImage image{};
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (!IsUpperHexDigit(hex[2 * i]) || !IsUpperHexDigit(hex[2 * i + 1])) {
            return std::nullopt;
        }
        image[i] = static_cast<std::uint8_t>(HexValue(hex[2 * i]) * 16 + HexValue(hex[2 * i + 1]));
    }
    return image;
}

std::string Hex2(std::int16_t value) {
    const auto byte = static_cast<std::uint8_t>(static_cast<std::uint16_t>(value) & 0xFF);
    return {kHexDigits[byte >> 4], kHexDigits[byte & 0x0F]};
}

std::string Hex2Bin(std::string_view hex) {
    std::string bits;
    bits.reserve(4 * hex.size());
    for (char c : hex) {
        const int v = HexValue(c);
        bits += kNibbleBits.substr(4 * static_cast<std::size_t>(v < 0 ? 0 : v), 4);
    }
    return bits;
}

std::string Bin2Hex(std::string_view bits) {
    std::string padded((4 - bits.size() % 4) % 4, '0');
    padded += bits;
    std::string hex;
    for (std::size_t i = 0; i < padded.size(); i += 4) {
        int v = 0;
        for (std::size_t j = 0; j < 4; ++j) {
            v = 2 * v + (padded[i + j] == '1' ? 1 : 0);
        }
        hex.push_back(kHexDigits[static_cast<std::size_t>(v)]);
    }
    return hex;
}

bool IsUpperHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

}  // namespace m742
