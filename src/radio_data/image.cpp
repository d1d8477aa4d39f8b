#include "radio_data/image.h"

namespace m742 {

namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

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

bool IsUpperHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

}  // namespace m742
