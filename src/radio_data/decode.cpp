#include <algorithm>
#include <string>

#include "radio_data/codec.h"
#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "radio_data/text_codes.h"
#include "radio_data/tones.h"

namespace m742 {

namespace {

int FieldBits(std::uint8_t byte, int lowBit, int bitCount) {
    return (byte >> lowBit) & ((1 << bitCount) - 1);
}

// The two hexadecimal digits of a byte read as a decimal number, reading stopping at the
// first character that is not a decimal digit: 05h gives 5, 0Ah gives 0, 1Ah gives 1, FFh 0.
int DigitsAsDecimal(std::uint8_t byte) {
    const int high = byte >> 4;
    const int low = byte & 0x0F;
    if (high > 9) {
        return 0;
    }
    return low > 9 ? high : 10 * high + low;
}

std::uint16_t StoredWord(const RadioImage& image, int address) {
    return static_cast<std::uint16_t>(image[static_cast<std::size_t>(address)] |
                                      image[static_cast<std::size_t>(address + 1)] << 8);
}

MemoryChannel DecodeMemoryChannel(const RadioImage& image, int n) {
    const int base = MemoryChannelAddress(n);
    MemoryChannel channel;
    channel.rx = FrequencyCellOfBytes(FrequencyBytesAt(image, base + kRxOffset));
    if (!channel.inUse()) {
        return channel;
    }
    channel.tx = FrequencyCellOfBytes(FrequencyBytesAt(image, base + kTxOffset));
    channel.decodeTone = ToneCellOfCode(StoredWord(image, base + kDecodeToneOffset), true);
    channel.encodeTone =
        ToneCellOfCode(StoredWord(image, base + kEncodeToneOffset), !IsEmpty(channel.tx));
    const std::uint8_t flags = image[static_cast<std::size_t>(base + kFlagsOffset)];
    for (const FlagField& field : kFlagFields) {
        int position = FieldBits(flags, field.lowBit, field.bitCount);
        if (field.field == ChannelField::kBusyLock) {
            position = BusyLockPosition(static_cast<std::uint8_t>(position));
        }
        SetListPosition(channel, field.field, static_cast<ListPosition>(position));
    }
    return channel;
}

// The position a stored value selects, or nothing when the setting keeps its position.
std::optional<int> DecodeSetting(const SettingField& field, std::uint8_t byte) {
    const int v = FieldBits(byte, field.lowBit, field.bitCount);
    switch (field.read) {
        case ReadRule::kBits:
        case ReadRule::kByteAsIs:
            return v;
        case ReadRule::kByteOrFallback:
            return v <= field.max ? v : field.fallback;
        case ReadRule::kDecimalLevel: {
            const int n = DigitsAsDecimal(byte);
            return n > field.max ? field.fallback : n - 1;
        }
        case ReadRule::kDecimalOrKeep: {
            const int n = DigitsAsDecimal(byte);
            return n <= field.max ? std::optional<int>(n) : std::nullopt;
        }
        case ReadRule::kSideKey:
            return v <= field.max ? v : field.fallback;
    }
    return std::nullopt;
}

}  // namespace

void DecodeImage(const RadioImage& image, RadioPlan& plan) {
    for (int n = 1; n <= kChannelCount; ++n) {
        MemoryChannelOf(plan, n) = DecodeMemoryChannel(image, n);
        DebugChannel& debug = DebugChannelOf(plan, n);
        debug.rx =
            FrequencyCellOfBytes(FrequencyBytesAt(image, DebugChannelAddress(n) + kRxOffset));
        debug.tx =
            FrequencyCellOfBytes(FrequencyBytesAt(image, DebugChannelAddress(n) + kTxOffset));
    }
    plan.ani.clear();
    for (int i = 0; i < kAniLength; ++i) {
        const std::uint8_t code = image[static_cast<std::size_t>(kAniAddress + i)];
        if (code != 0xFF) {
            plan.ani += CharacterOfCode(code);
        }
    }
    for (const SettingField& field : SettingFields()) {
        if (field.address == kNoAddress) {
            continue;
        }
        const auto position = DecodeSetting(field, image[static_cast<std::size_t>(field.address)]);
        if (position) {
            field.value(plan) = static_cast<ListPosition>(*position);
        }
    }
}

void DecodeImage(const RadioImage& image, EditorState& editor) {
    DecodeImage(image, static_cast<RadioPlan&>(editor));
    for (const SettingField& field : SettingFields()) {
        if (field.dialogControl != nullptr) {
            *field.dialogControl(editor.dialogs) = SettingValue(field, editor);
        }
    }
}

std::string PasswordOfImage(const RadioImage& image) {
    std::string password;
    for (int i = 0; i < kPasswordLength; ++i) {
        const std::uint8_t code = image[static_cast<std::size_t>(kPasswordAddress + i)];
        if (code != 0xFF) {
            password += CharacterOfCode(code);
        }
    }
    return password;
}

bool DecodeImage(std::string_view imageHex, EditorState& editor) {
    const auto image = ImageFromHex(imageHex);
    if (!image) {
        return false;
    }
    DecodeImage(*image, editor);
    return true;
}

}  // namespace m742
