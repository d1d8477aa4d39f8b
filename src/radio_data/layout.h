// Where everything lives in the radio's 1024-byte memory. docs/memory-map.md draws the same.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "radio_data/editor_state.h"
#include "radio_data/lists.h"
#include "radio_data/status.h"

namespace m742 {

// 000h-00Fh: password, one character code per byte, FFh where there is none. The read
// exchange compares the first six bytes with the password box.
inline constexpr int kPasswordAddress = 0x000;
inline constexpr int kPasswordLength = 16;

// 010h-10Fh: memory channel n (1-16) is a 16-byte record at 16*n.
constexpr int MemoryChannelAddress(int n) {
    return 16 * n;
}
// 110h-20Fh: debug channel n (1-16) is a 16-byte record at 256 + 16*n.
constexpr int DebugChannelAddress(int n) {
    return 256 + 16 * n;
}

// Memory channel record.
inline constexpr int kRxOffset = 0;           // FreqCode; FFFFFFFFh marks the channel empty
inline constexpr int kTxOffset = 4;           // FreqCode; FFFFFFFFh no TX frequency
inline constexpr int kDecodeToneOffset = 8;   // ToneCode
inline constexpr int kEncodeToneOffset = 10;  // ToneCode
inline constexpr int kFlagsOffset = 12;       // bits 7-5 fill 111, then the fields below
// offsets 13-15: fill FFh

// Debug channel record: RX FreqCode at 0, TX at 4, fill, then an in-use marker at 13-14:
// 01h 01h when both frequencies are present, FFh FFh otherwise. Only written, never read.
inline constexpr int kDebugMarkerOffset = 13;

// One of a memory channel's list fields in its flags byte.
struct FlagField {
    ChannelField field;
    int lowBit;
    int bitCount;
};
inline constexpr std::array<FlagField, 4> kFlagFields{{
    {ChannelField::kBusyLock, 0, 2},   // Off 11, Carrier 01, QT/DQT 10 (00 reads as Off)
    {ChannelField::kBandwidth, 2, 1},  // 0 wide, 1 narrow
    {ChannelField::kScan, 3, 1},       // 0 left out, 1 added
    {ChannelField::kPower, 4, 1},      // 0 low, 1 high
}};

// Busy lock positions to the two bits stored, and back.
constexpr std::uint8_t BusyLockBits(int position) {
    return position == 1 ? 0b01 : position == 2 ? 0b10 : 0b11;
}
constexpr int BusyLockPosition(std::uint8_t bits) {
    return bits == 3 ? 0 : bits;
}

// 3B0h-3B7h: ANI code, one character code per byte, FFh where there is none.
inline constexpr int kAniAddress = 0x3B0;
inline constexpr int kAniLength = 8;

// How the decoder turns a stored value into a list position; the encoder writes the inverse.
enum class ReadRule {
    kBits,            // the bits are the position
    kByteOrFallback,  // 0..max as it is, any other value selects `fallback`
    kByteAsIs,        // the byte is the position, unchecked (the list has 256 entries)
    kDecimalLevel,    // digits read as a decimal n: n > max selects `fallback`, else n - 1
                      // (0 leaves no selection); the byte holds position + 1
    kDecimalOrKeep,   // digits read as a decimal n: n <= max selects n, else keeps the position
    kSideKey,         // a 4-bit function code: 0-7 select themselves, 8-15 "Priority Scan";
                      // "Priority Scan" (position 3) is stored as code 8
};

enum class Section {
    kPanel,   // a list of the settings panel
    kGlobal,  // a dialog-held global
};

inline constexpr int kNoAddress = -1;

// One radio-wide setting.
struct SettingField {
    std::string_view name;  // the control or global that holds it
    Section section;
    int address;  // kNoAddress: kept by the tool only
    int lowBit;
    int bitCount;
    ListId list;
    ReadRule read;
    int max;
    int fallback;
    ListPosition& (*value)(RadioWideSettings&);
    // The dialog's own selection the decoder sets along with a dialog-held setting, or null.
    ListPosition* (*dialogControl)(DialogSelections&);
};

// Every radio-wide setting, in the order the settings panel and the dialogs show them.
std::span<const SettingField> SettingFields();

inline ListPosition SettingValue(const SettingField& field, const RadioWideSettings& values) {
    // `value` only hands out a reference; reading through it leaves the values unchanged.
    return field.value(const_cast<RadioWideSettings&>(values));
}

// Addresses [first, end) of the image that one write exchange sends.
struct AddressRange {
    int first;
    int end;
};

// 000h-20Fh and 3B0h-3CFh; 3F0h-3FFh too while the power parameters are unlocked. The write
// exchange moves exactly these blocks.
std::vector<AddressRange> WrittenRanges(bool powerUnlocked);

}  // namespace m742
