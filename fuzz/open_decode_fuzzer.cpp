// Fuzzes "Open" and "Save": the input is the content of a *.DAT data file. A file the tool
// accepts is decoded into a start-up editor in both interface languages, encoded again and
// decoded once more, and the properties below must hold for every input. A violation traps,
// so libFuzzer and the replay runner both report it as a crash.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "channel_editing/channel_plan.h"
#include "memory_rows.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "radio_data/image.h"
#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "texts/grid_cells.h"
#include "texts/list_texts.h"
#include "texts/store_refusal.h"

namespace {

using namespace m742;

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

std::uint8_t At(const RadioImage& image, int address) {
    return image[static_cast<std::size_t>(address)];
}

std::uint32_t Bytes(const RadioImage& image, int address, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | At(image, address + i);
    }
    return value;
}

constexpr std::uint32_t kNoFrequency = 0xFFFFFFFF;
constexpr std::uint16_t kToneOff = 0xFFFF;

// A tone code the grid can show: Off, a DCS code (8xyzh or Cxyzh) or four decimal digits.
// Every other code shows as an empty cell and is therefore written back as Off.
bool ToneCodeShows(std::uint16_t code) {
    const int top = code >> 12;
    if (code == kToneOff || top == 0x8 || top == 0xC) {
        return true;
    }
    for (int shift = 0; shift < 16; shift += 4) {
        if (((code >> shift) & 0xF) > 9) {
            return false;
        }
    }
    return true;
}

// What a decoded channel writes back into its flags byte: the fill bits set, the four fields
// kept, except that the busy-lock pattern 00 (read as Off) is written as Off, 11.
std::uint8_t FlagsWrittenBack(std::uint8_t flags) {
    const int busy = flags & 0x03;
    return static_cast<std::uint8_t>(0xE0 | (flags & 0x1C) | (busy == 0 ? 0x03 : busy));
}

// Every list position the decoder chose lies in its list, and every dialog shows what its
// global holds. Only "V_C Level" may be left without a selection.
void CheckSettingsInRange(EditorState& editor) {
    for (const SettingField& field : SettingFields()) {
        const int position = SettingValue(field, editor);
        if (field.read == ReadRule::kDecimalLevel && position == -1) {
            continue;
        }
        Check(position >= 0 && position < ListSize(field.list));
        if (field.dialogControl != nullptr) {
            Check(*field.dialogControl(editor.dialogs) == position);
        }
    }
    for (int n = 1; n <= kChannelCount; ++n) {
        for (const FlagField& flag : kFlagFields) {
            const int position = ListPositionOf(MemoryChannelOf(editor, n), flag.field);
            const int column = ColumnOf(flag.field);
            Check(position >= 0 && position < ListSize(ChannelFieldList(flag.field)));
            if (ChannelInUse(editor, n)) {
                Check(MemoryCellText(editor, n, column, Lang::English) ==
                      ListItem(ChannelFieldList(flag.field), position, Lang::English));
            } else {
                Check(position == 0 && MemoryCellText(editor, n, column, Lang::English).empty());
            }
        }
    }
}

// What the first encoding keeps of the file's image, and what it writes afresh.
void CheckWrittenImage(const RadioImage& original, const RadioImage& written) {
    for (int n = 1; n <= kChannelCount; ++n) {
        const int base = MemoryChannelAddress(n);
        if (Bytes(original, base + kRxOffset, 4) == kNoFrequency) {
            // An empty channel: no frequencies, no tones, flags from positions 0 (E3h).
            for (int i = 0; i < 16; ++i) {
                Check(At(written, base + i) == (i == kFlagsOffset ? 0xE3 : 0xFF));
            }
            continue;
        }
        Check(Bytes(written, base + kRxOffset, 4) == Bytes(original, base + kRxOffset, 4));
        Check(Bytes(written, base + kTxOffset, 4) == Bytes(original, base + kTxOffset, 4));
        for (const int offset : {kDecodeToneOffset, kEncodeToneOffset}) {
            const auto code = static_cast<std::uint16_t>(Bytes(original, base + offset, 2));
            Check(Bytes(written, base + offset, 2) == (ToneCodeShows(code) ? code : kToneOff));
        }
        Check(At(written, base + kFlagsOffset) ==
              FlagsWrittenBack(At(original, base + kFlagsOffset)));
        Check(Bytes(written, base + 13, 3) == 0xFFFFFF);
    }
    for (int n = 1; n <= kChannelCount; ++n) {
        const int base = DebugChannelAddress(n);
        const std::uint32_t rx = Bytes(original, base + kRxOffset, 4);
        const std::uint32_t tx = Bytes(original, base + kTxOffset, 4);
        Check(Bytes(written, base + kRxOffset, 4) == rx);
        Check(Bytes(written, base + kTxOffset, 4) == tx);
        const bool both = rx != kNoFrequency && tx != kNoFrequency;
        Check(Bytes(written, base + kDebugMarkerOffset, 2) == (both ? 0x0101u : 0xFFFFu));
    }
    // The ANI characters keep their order; the gaps close up.
    std::vector<std::uint8_t> ani;
    for (int i = 0; i < kAniLength; ++i) {
        if (At(original, kAniAddress + i) != 0xFF) {
            ani.push_back(At(original, kAniAddress + i));
        }
    }
    ani.resize(kAniLength, 0xFF);
    Check(std::equal(ani.begin(), ani.end(), written.begin() + kAniAddress));
    // Values stored as they are come back unchanged; every other setting is written within the
    // range that reads back as the same position, and the bits of a settings byte that belong
    // to no setting are written as 1.
    std::array<std::uint8_t, kImageSize> settingBits{};
    for (const SettingField& field : SettingFields()) {
        if (field.address == kNoAddress) {
            continue;
        }
        const int stored =
            (At(written, field.address) >> field.lowBit) & ((1 << field.bitCount) - 1);
        switch (field.read) {
            case ReadRule::kByteAsIs:
                Check(At(written, field.address) == At(original, field.address));
                break;
            case ReadRule::kSideKey:  // "Priority Scan" is code 8, never 3
                Check(stored <= 8 && stored != 3);
                break;
            case ReadRule::kByteOrFallback:
            case ReadRule::kDecimalLevel:
            case ReadRule::kDecimalOrKeep:
                Check(stored <= field.max);
                break;
            case ReadRule::kBits:
                break;
        }
        settingBits[static_cast<std::size_t>(field.address)] |=
            static_cast<std::uint8_t>(((1 << field.bitCount) - 1) << field.lowBit);
    }
    for (std::size_t a = 0; a < kImageSize; ++a) {
        if (settingBits[a] != 0) {
            Check((written[a] | settingBits[a]) == 0xFF);
        }
    }
    // The start-up editor's empty password, and the bytes the tool never uses.
    const auto unused = [&](int first, int last) {
        for (int a = first; a <= last; ++a) {
            Check(At(written, a) == 0xFF);
        }
    };
    unused(kPasswordAddress, kPasswordAddress + kPasswordLength - 1);
    unused(0x210, 0x3AF);
    unused(0x3B8, 0x3BF);
    unused(0x3C2, 0x3C2);
    unused(0x3CC, 0x3EF);
    unused(0x3F1, 0x3F7);
    unused(0x3FA, 0x3FF);
}

// The decoded editor with every tone cell that showed nothing but writes back as Off shown as
// Off: what decoding the written image must give.
EditorState WithUnshownTonesOff(EditorState editor) {
    const std::string off(OffWord(Lang::English));
    for (int n = 1; n <= kChannelCount; ++n) {
        MemoryChannel& channel = MemoryChannelOf(editor, n);
        if (!channel.inUse()) {
            continue;
        }
        if (IsEmpty(channel.decodeTone)) {
            channel.decodeTone = ToneOff{};
        }
        if (IsEmpty(channel.encodeTone) && !IsEmpty(channel.tx)) {
            channel.encodeTone = ToneOff{};
        }
    }
    return editor;
}

// Open, save, open again.
void RoundTrip(const RadioImage& image) {
    EditorState first = StartupEditor();
    DecodeImage(image, first);
    CheckSettingsInRange(first);

    // The text form the radio link carries decodes the same.
    EditorState fromHex = StartupEditor();
    Check(DecodeImage(ImageToHex(image), fromHex));
    Check(fromHex == first);

    const auto written = EncodeImage(first, Lang::English);
    Check(written.ok());
    CheckWrittenImage(image, written.value());

    EditorState second = StartupEditor();
    DecodeImage(written.value(), second);
    Check(second == WithUnshownTonesOff(first));

    // An image the tool wrote decodes the same whatever the editor held before.
    EditorState reused = first;
    DecodeImage(written.value(), reused);
    Check(reused == second);

    const auto rewritten = EncodeImage(second, Lang::English);
    Check(rewritten.ok());
    Check(rewritten.value() == written.value());

    // Saving the written image and opening the file gives it back.
    const auto saved = DataFileBytes(written.value());
    const auto reopened = ImageOfDataFile(saved, "fuzz.dat");
    Check(saved.size() == kDataFileSize && reopened.ok() && reopened.value() == written.value());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> content(data, size);
    const auto image = ImageOfDataFile(content, "fuzz.dat");
    if (size < kDataFileSize) {
        Check(!image.ok() && image.status().code == ErrorCode::kFileTooShort);
        return 0;
    }
    // The header is never checked, and bytes after the image are never read.
    Check(image.ok());
    Check(std::equal(image.value().begin(), image.value().end(),
                     content.begin() + kDataFileHeaderSize));

    RoundTrip(image.value());
    return 0;
}
