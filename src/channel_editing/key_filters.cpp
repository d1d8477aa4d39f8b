#include "channel_editing/key_filters.h"

namespace m742 {

namespace {

bool IsDigitKey(int key) {
    return key >= '0' && key <= '9';
}

bool IsFrequencyKey(int key) {
    return IsDigitKey(key) || key == '.' || key == kBackspaceKey;
}

bool RoomForKey(int key, std::string_view text, std::size_t selectedLength) {
    return key == kBackspaceKey || text.size() < kFrequencyBoxLength || selectedLength > 0;
}

}  // namespace

bool FrequencyBoxKeyPasses(int key, std::string_view text, std::size_t selectedLength) {
    return IsFrequencyKey(key) && RoomForKey(key, text, selectedLength);
}

bool DebugFrequencyKeyPasses(int key, std::string_view text, std::size_t selectedLength) {
    const bool secondPoint = key == '.' && text.find('.') != std::string_view::npos;
    return FrequencyBoxKeyPasses(key, text, selectedLength) && !secondPoint;
}

std::string PastedFrequency(std::string_view rest, std::string_view inserted, bool debugBox) {
    const std::size_t room =
        rest.size() < kFrequencyBoxLength ? kFrequencyBoxLength - rest.size() : 0;
    bool point = debugBox && rest.find('.') != std::string_view::npos;
    std::string kept;
    for (char c : inserted) {
        if (kept.size() == room) {
            break;
        }
        if (c == '.' && point) {
            continue;
        }
        if (IsDigitKey(c) || c == '.') {
            kept += c;
            point = point || (debugBox && c == '.');
        }
    }
    return kept;
}

std::optional<char> ToneKeyFilter::Key(int key) {
    if (IsDigitKey(key) || key == '.' || key == kBackspaceKey) {
        return static_cast<char>(key);
    }
    static constexpr std::string_view kLetters = "DIN";
    const int upper = key >= 'a' && key <= 'z' ? key - 'a' + 'A' : key;
    for (std::size_t i = 0; i < kLetters.size(); ++i) {
        if (upper == kLetters[i]) {
            if (m_pressed[i]) {
                return std::nullopt;
            }
            m_pressed[i] = true;
            return kLetters[i];
        }
    }
    return std::nullopt;
}

std::string ToneKeyFilter::Text(std::string_view pasted) {
    std::string kept;
    for (char c : pasted) {
        if (c == kBackspaceKey) {
            continue;  // a pasted control character is no key press
        }
        if (const auto passed = Key(static_cast<unsigned char>(c))) {
            kept += *passed;
        }
    }
    return kept;
}

}  // namespace m742
