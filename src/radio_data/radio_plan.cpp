#include "radio_data/radio_plan.h"

#include <algorithm>

#include "radio_data/tones.h"

namespace m742 {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

bool IsDecimal(std::uint8_t nibble) {
    return nibble <= 9;
}

bool AllDecimal(const std::array<std::uint8_t, 4>& bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](std::uint8_t b) { return IsDecimal(b >> 4) && IsDecimal(b & 0x0F); });
}

std::array<std::uint8_t, 4> BytesOf(Frequency frequency) {
    std::array<std::uint8_t, 4> bytes{};
    std::int32_t rest = frequency.tensOfHz;
    for (auto& byte : bytes) {
        const int low = rest % 10;
        rest /= 10;
        const int high = rest % 10;
        rest /= 10;
        byte = static_cast<std::uint8_t>(high << 4 | low);
    }
    return bytes;
}

}  // namespace

std::string FrequencyBytesText(const std::array<std::uint8_t, 4>& bytes) {
    std::string digits;
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
        digits += Hex2(*it);
    }
    if (digits == "FFFFFFFF") {
        return {};
    }
    return digits.substr(0, 3) + "." + digits.substr(3);
}

FrequencyCell FrequencyCellOfBytes(const std::array<std::uint8_t, 4>& bytes) {
    if (std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0xFF; })) {
        return std::monostate{};
    }
    if (!AllDecimal(bytes)) {
        return UndecodedFrequency{bytes};
    }
    std::int32_t tensOfHz = 0;
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
        tensOfHz = tensOfHz * 100 + (*it >> 4) * 10 + (*it & 0x0F);
    }
    return Frequency{tensOfHz};
}

std::optional<std::array<std::uint8_t, 4>> FrequencyCellBytes(const FrequencyCell& cell) {
    return std::visit(
        Overloaded{
            [](std::monostate) -> std::optional<std::array<std::uint8_t, 4>> {
                return std::array<std::uint8_t, 4>{0xFF, 0xFF, 0xFF, 0xFF};
            },
            [](const Frequency& f) -> std::optional<std::array<std::uint8_t, 4>> {
                return BytesOf(f);
            },
            [](const UndecodedFrequency& f) -> std::optional<std::array<std::uint8_t, 4>> {
                return f.bytes;
            },
            [](const FrequencyAsTyped& f) { return FrequencyBytesOfText(f.text); },
        },
        cell);
}

std::string FrequencyCellText(const FrequencyCell& cell) {
    if (const auto* typed = std::get_if<FrequencyAsTyped>(&cell)) {
        return typed->text;
    }
    return FrequencyBytesText(*FrequencyCellBytes(cell));
}

FrequencyCell FrequencyCellOf(std::string_view text) {
    if (text.empty()) {
        return std::monostate{};
    }
    const auto bytes = FrequencyBytesOfText(text);
    if (bytes && FrequencyBytesText(*bytes) == text) {
        return FrequencyCellOfBytes(*bytes);
    }
    return FrequencyAsTyped{std::string(text)};
}

ToneCell ToneCellOfCode(std::uint16_t code, bool frequencyPresent) {
    if (code == 0xFFFF && frequencyPresent) {
        return ToneOff{};
    }
    const int kind = code >> 12;
    if (kind == 0x8 || kind == 0xC) {
        return DcsCode{static_cast<std::uint16_t>(code & 0x0FFF), kind == 0xC};
    }
    int tenths = 0;
    for (int shift = 12; shift >= 0; shift -= 4) {
        const int digit = (code >> shift) & 0x0F;
        if (digit > 9) {
            return std::monostate{};
        }
        tenths = tenths * 10 + digit;
    }
    return CtcssTone{static_cast<std::int16_t>(tenths)};
}

std::optional<std::uint16_t> ToneCodeOfCell(const ToneCell& cell) {
    return std::visit(Overloaded{
                          [](std::monostate) -> std::optional<std::uint16_t> { return 0xFFFF; },
                          [](ToneOff) -> std::optional<std::uint16_t> { return 0xFFFF; },
                          [](CtcssTone tone) -> std::optional<std::uint16_t> {
                              int code = 0;
                              int rest = tone.tenthsOfHz;
                              for (int shift = 0; shift < 16; shift += 4) {
                                  code |= (rest % 10) << shift;
                                  rest /= 10;
                              }
                              return static_cast<std::uint16_t>(code);
                          },
                          [](DcsCode dcs) -> std::optional<std::uint16_t> {
                              return static_cast<std::uint16_t>((dcs.inverted ? 0xC000 : 0x8000) |
                                                                (dcs.digits & 0x0FFF));
                          },
                          [](const ToneAsTyped& typed) { return ToneCodeOf(typed.text); },
                      },
                      cell);
}

std::string ToneCellText(const ToneCell& cell, std::string_view offWord) {
    return std::visit(Overloaded{
                          [](std::monostate) { return std::string(); },
                          [offWord](ToneOff) { return std::string(offWord); },
                          [](CtcssTone tone) {
                              const std::string digits =
                                  Hex2(static_cast<std::int16_t>(*ToneCodeOfCell(tone) >> 8)) +
                                  Hex2(static_cast<std::int16_t>(*ToneCodeOfCell(tone) & 0xFF));
                              const std::string text = digits.substr(0, 3) + "." + digits.substr(3);
                              return text[0] == '0' ? text.substr(1) : text;
                          },
                          [](DcsCode dcs) {
                              const std::string digits =
                                  Hex2(static_cast<std::int16_t>(dcs.digits >> 8)) +
                                  Hex2(static_cast<std::int16_t>(dcs.digits & 0xFF));
                              return "D" + digits.substr(1) + (dcs.inverted ? "I" : "N");
                          },
                          [](const ToneAsTyped& typed) { return typed.text; },
                      },
                      cell);
}

std::vector<int> ChannelNumbers(std::vector<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    std::erase_if(numbers, [](int n) { return n < 1 || n > kChannelCount; });
    return numbers;
}

ListPosition ListPositionOf(const MemoryChannel& channel, ChannelField field) {
    switch (field) {
        case ChannelField::kBusyLock:
            return static_cast<ListPosition>(channel.busyLock);
        case ChannelField::kBandwidth:
            return static_cast<ListPosition>(channel.bandwidth);
        case ChannelField::kScan:
            return static_cast<ListPosition>(channel.scan);
        default:
            return static_cast<ListPosition>(channel.power);
    }
}

void SetListPosition(MemoryChannel& channel, ChannelField field, ListPosition position) {
    switch (field) {
        case ChannelField::kBusyLock:
            channel.busyLock = static_cast<BusyLock>(position);
            break;
        case ChannelField::kBandwidth:
            channel.bandwidth = static_cast<Bandwidth>(position);
            break;
        case ChannelField::kScan:
            channel.scan = static_cast<ScanList>(position);
            break;
        default:
            channel.power = static_cast<TxPower>(position);
            break;
    }
}

}  // namespace m742
