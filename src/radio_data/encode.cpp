#include <functional>
#include <string>

#include "radio_data/codec.h"
#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "radio_data/text_codes.h"
#include "radio_data/tones.h"

namespace m742 {

namespace {

enum class GridId { kMemory, kDebug };

// "memory channel 5, RX Frequency: "4x0.1"": the cell a refusal is about.
std::string CellName(GridId grid, int row, int column, std::string_view text, Lang lang) {
    static constexpr Bilingual kGrid[] = {{"记忆信道", "memory channel"},
                                          {"调试信道", "debug channel"}};
    const Bilingual column_name = grid == GridId::kMemory
                                      ? kMemoryHeadings[static_cast<std::size_t>(column)]
                                      : kDebugHeadings[static_cast<std::size_t>(column)];
    const std::string separator = lang == Lang::English ? ", " : "，";
    const std::string colon = lang == Lang::English ? ": \"" : "：“";
    const std::string close = lang == Lang::English ? "\"" : "”";
    return std::string(kGrid[static_cast<int>(grid)].in(lang)) + " " + std::to_string(row) +
           separator + std::string(column_name.in(lang)) + colon + std::string(text) + close;
}

// Writes the eight storage-order digits of a FreqCode at `address`.
void PutFrequency(RadioImage& image, int address, const std::string& digits) {
    for (int i = 0; i < 4; ++i) {
        image[static_cast<std::size_t>(address + i)] = static_cast<std::uint8_t>(
            std::stoi(digits.substr(2 * static_cast<std::size_t>(i), 2), nullptr, 16));
    }
}

void PutWord(RadioImage& image, int address, std::uint16_t value) {
    image[static_cast<std::size_t>(address)] = static_cast<std::uint8_t>(value & 0xFF);
    image[static_cast<std::size_t>(address + 1)] = static_cast<std::uint8_t>(value >> 8);
}

// Stores a frequency cell, or says why it cannot.
Status EncodeFrequency(RadioImage& image, int address, GridId grid, int row, int column,
                       const std::string& text, Lang lang, bool* present) {
    const auto digits = FreqToHex(text, lang);
    if (!digits.ok()) {
        Status refused = digits.status();
        refused.where = CellName(grid, row, column, text, lang);
        return refused;
    }
    PutFrequency(image, address, digits.value());
    if (present != nullptr) {
        *present = digits.value() != "FFFFFFFF";
    }
    return Status::Ok();
}

Status EncodeTone(RadioImage& image, int address, int row, int column, const std::string& text,
                  Lang lang) {
    const auto code = ToneCodeOf(text);
    if (!code) {
        return {ErrorCode::kToneRefused, ToneMessage(lang),
                CellName(GridId::kMemory, row, column, text, lang)};
    }
    PutWord(image, address, *code);
    return Status::Ok();
}

// The value a setting stores, before it is shifted into its bits.
int StoredValue(const SettingField& field, std::int16_t position) {
    switch (field.read) {
        case ReadRule::kDecimalLevel:
            return position + 1;
        case ReadRule::kSideKey:
            return position == 3 ? 8 : position;
        default:
            return position;
    }
}

void EncodeSetting(RadioImage& image, const SettingField& field, std::int16_t position) {
    const int mask = ((1 << field.bitCount) - 1) << field.lowBit;
    // Out-of-range positions keep only their low bits: a byte never spills into its neighbour.
    const int bits = (StoredValue(field, position) << field.lowBit) & mask;
    auto& byte = image[static_cast<std::size_t>(field.address)];
    byte = static_cast<std::uint8_t>((byte & ~mask) | bits);
}

}  // namespace

Outcome<RadioImage> EncodeImage(const EditorState& editor) {
    const Lang lang = LanguageOf(editor.LanguageFlag);
    RadioImage image = BlankImage();

    const auto password = CharacterCodes(editor.Text2);
    for (std::size_t i = 0; i < password.size() && i < kPasswordLength; ++i) {
        image[kPasswordAddress + i] = static_cast<std::uint8_t>(password[i] & 0xFF);
    }

    for (int n = 1; n <= kChannelCount; ++n) {
        const int base = MemoryChannelAddress(n);
        const auto& cells = editor.mfgrid1[static_cast<std::size_t>(n)];
        for (const auto& [column, offset] :
             {std::pair{kColumnRx, kRxOffset}, std::pair{kColumnTx, kTxOffset}}) {
            Status status = EncodeFrequency(image, base + offset, GridId::kMemory, n, column,
                                            cells[static_cast<std::size_t>(column)], lang, nullptr);
            if (!status.ok()) {
                return Failed(std::move(status));
            }
        }
        for (const auto& [column, offset] : {std::pair{kColumnDecodeTone, kDecodeToneOffset},
                                             std::pair{kColumnEncodeTone, kEncodeToneOffset}}) {
            Status status = EncodeTone(image, base + offset, n, column,
                                       cells[static_cast<std::size_t>(column)], lang);
            if (!status.ok()) {
                return Failed(std::move(status));
            }
        }
        const auto& positions = editor.CellListIndex[static_cast<std::size_t>(n)];
        int flags = 0xE0;
        for (const FlagField& field : kFlagFields) {
            const int position = positions[static_cast<std::size_t>(field.column)];
            const int bits =
                field.column == kColumnBusyLock ? BusyLockBits(position) : (position & 1);
            flags |= bits << field.lowBit;
        }
        image[static_cast<std::size_t>(base + kFlagsOffset)] = static_cast<std::uint8_t>(flags);
    }

    for (int n = 1; n <= kChannelCount; ++n) {
        const int base = DebugChannelAddress(n);
        const auto& cells = editor.mfgrid2[static_cast<std::size_t>(n)];
        bool rx = false;
        bool tx = false;
        Status status =
            EncodeFrequency(image, base + kRxOffset, GridId::kDebug, n, 1, cells[1], lang, &rx);
        if (status.ok()) {
            status =
                EncodeFrequency(image, base + kTxOffset, GridId::kDebug, n, 2, cells[2], lang, &tx);
        }
        if (!status.ok()) {
            return Failed(std::move(status));
        }
        if (rx && tx) {
            PutWord(image, base + kDebugMarkerOffset, 0x0101);
        }
    }

    const auto ani = CharacterCodes(editor.Text3);
    for (std::size_t i = 0; i < ani.size() && i < kAniLength; ++i) {
        image[kAniAddress + i] = static_cast<std::uint8_t>(ani[i] & 0xFF);
    }

    for (const SettingField& field : SettingFields()) {
        if (field.address != kNoAddress) {
            EncodeSetting(image, field, SettingValue(field, editor));
        }
    }
    return image;
}

void ForEachHeldValue(const EditorState& a, const EditorState& b,
                      const std::function<void(const HeldBits&, bool same)>& visit) {
    visit({kPasswordAddress, kPasswordLength, 0xFF}, a.Text2 == b.Text2);
    for (std::size_t n = 1; n <= kChannelCount; ++n) {
        const int base = MemoryChannelAddress(static_cast<int>(n));
        const auto& cellsA = a.mfgrid1[n];
        const auto& cellsB = b.mfgrid1[n];
        // A channel that comes into use or goes out of it takes all its values along: an empty
        // channel's lists are not values of the plan.
        const bool sameUse = cellsA[kColumnRx].empty() == cellsB[kColumnRx].empty();
        const auto sameCell = [&](int column) {
            return sameUse && cellsA[static_cast<std::size_t>(column)] ==
                                  cellsB[static_cast<std::size_t>(column)];
        };
        visit({base + kRxOffset, 4, 0xFF}, sameCell(kColumnRx));
        visit({base + kTxOffset, 4, 0xFF}, sameCell(kColumnTx));
        visit({base + kDecodeToneOffset, 2, 0xFF}, sameCell(kColumnDecodeTone));
        visit({base + kEncodeToneOffset, 2, 0xFF}, sameCell(kColumnEncodeTone));
        for (const FlagField& field : kFlagFields) {
            const auto column = static_cast<std::size_t>(field.column);
            visit({base + kFlagsOffset, 1,
                   static_cast<std::uint8_t>(((1 << field.bitCount) - 1) << field.lowBit)},
                  sameUse && a.CellListIndex[n][column] == b.CellListIndex[n][column]);
        }
        const int debug = DebugChannelAddress(static_cast<int>(n));
        const bool sameRx = a.mfgrid2[n][kDebugColumnRx] == b.mfgrid2[n][kDebugColumnRx];
        const bool sameTx = a.mfgrid2[n][kDebugColumnTx] == b.mfgrid2[n][kDebugColumnTx];
        visit({debug + kRxOffset, 4, 0xFF}, sameRx);
        visit({debug + kTxOffset, 4, 0xFF}, sameTx);
        visit({debug + kDebugMarkerOffset, 2, 0xFF}, sameRx && sameTx);
    }
    visit({kAniAddress, kAniLength, 0xFF}, a.Text3 == b.Text3);
    for (const SettingField& field : SettingFields()) {
        if (field.address != kNoAddress) {
            visit({field.address, 1,
                   static_cast<std::uint8_t>(((1 << field.bitCount) - 1) << field.lowBit)},
                  SettingValue(field, a) == SettingValue(field, b));
        }
    }
}

const ImageMask& ModeledBits() {
    static const ImageMask mask = [] {
        ImageMask bits{};
        const EditorState any;
        ForEachHeldValue(any, any, [&bits](const HeldBits& held, bool /*same*/) {
            for (int i = 0; i < held.length; ++i) {
                bits[static_cast<std::size_t>(held.address + i)] |= held.mask;
            }
        });
        return bits;
    }();
    return mask;
}

Outcome<RadioImage> EncodeOverBase(const EditorState& editor, const EditorState& baseEditor,
                                   const RadioImage& base) {
    const auto encoded = EncodeImage(editor);
    if (!encoded.ok()) {
        return Failed(encoded.status());
    }
    RadioImage merged = base;
    ForEachHeldValue(editor, baseEditor, [&](const HeldBits& held, bool same) {
        if (same) {
            return;
        }
        for (int i = 0; i < held.length; ++i) {
            auto& byte = merged[static_cast<std::size_t>(held.address + i)];
            const auto fresh = encoded.value()[static_cast<std::size_t>(held.address + i)];
            byte = static_cast<std::uint8_t>((byte & ~held.mask) | (fresh & held.mask));
        }
    });
    return merged;
}

}  // namespace m742
