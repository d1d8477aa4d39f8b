// The radio's channel plan as values: what a radio, a data file or the editor holds, whatever
// the interface language. The image codec (codec.h) maps memory images to plans and back;
// views turn the values into texts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "radio_data/image.h"

namespace m742 {

inline constexpr int kChannelCount = 16;  // memory channels and debug channels alike

// A frequency the radio can store: eight decimal digits in 10 Hz steps, 000.00000 to
// 999.99999 MHz. 460.125 MHz is 46012500.
struct Frequency {
    std::int32_t tensOfHz = 0;
    bool operator==(const Frequency&) const = default;
};

// A stored frequency whose digits are not all decimal (a damaged image): kept as its four
// bytes so that it is shown as its nibbles ("4A0.12500") and stored back unchanged.
struct UndecodedFrequency {
    std::array<std::uint8_t, 4> bytes{};  // in storage order
    bool operator==(const UndecodedFrequency&) const = default;
};

// A frequency kept as the text it was given in, because that text is not the form the radio's
// own frequencies take: a debug channel of 5 MHz ("5.00000") or a version-1 JSON cell
// ("460.1", "4600.1"). The encoder stores it when it can and refuses it otherwise.
struct FrequencyAsTyped {
    std::string text;
    bool operator==(const FrequencyAsTyped&) const = default;
};

// A frequency field: nothing (the channel or direction is not in use) or one of the above.
using FrequencyCell = std::variant<std::monostate, Frequency, UndecodedFrequency, FrequencyAsTyped>;

inline bool IsEmpty(const FrequencyCell& cell) {
    return std::holds_alternative<std::monostate>(cell);
}

// The text of a frequency field: "460.12500", "4A0.12500", the text as typed, "" for none.
std::string FrequencyCellText(const FrequencyCell& cell);

// The text of four stored bytes: their nibbles as "ddd.ddddd", "" for FFh four times.
std::string FrequencyBytesText(const std::array<std::uint8_t, 4>& bytes);

// The field four stored bytes hold, and the bytes a field stores (nothing for a text as typed
// that the radio cannot store).
FrequencyCell FrequencyCellOfBytes(const std::array<std::uint8_t, 4>& bytes);
std::optional<std::array<std::uint8_t, 4>> FrequencyCellBytes(const FrequencyCell& cell);

// The field a text stands for: "" nothing; the radio's own form of a frequency that it stores
// ("460.12500", "4A0.12500") the frequency; any other text as typed.
FrequencyCell FrequencyCellOf(std::string_view text);

// Squelch tones (texts/grid_cells.h reads a tone from a text). A tone field is nothing (no
// frequency in its direction), Off, a CTCSS tone, a DCS code, or a text as typed that is not one of
// these in the radio's own form.
struct ToneOff {
    bool operator==(const ToneOff&) const = default;
};
// A CTCSS tone in 0.1 Hz: 885 is 88.5 Hz. The radio stores its four decimal digits.
struct CtcssTone {
    std::int16_t tenthsOfHz = 0;
    bool operator==(const CtcssTone&) const = default;
};
// A DCS code: its three digits as the radio stores them (0x023 is D023), and the polarity.
struct DcsCode {
    std::uint16_t digits = 0;
    bool inverted = false;
    bool operator==(const DcsCode&) const = default;
};
struct ToneAsTyped {
    std::string text;
    bool operator==(const ToneAsTyped&) const = default;
};
using ToneCell = std::variant<std::monostate, ToneOff, CtcssTone, DcsCode, ToneAsTyped>;

inline bool IsEmpty(const ToneCell& cell) {
    return std::holds_alternative<std::monostate>(cell);
}

// The text of a tone field; Off is `offWord` in the interface language.
std::string ToneCellText(const ToneCell& cell, std::string_view offWord);

// The tone a stored code gives: FFFFh is Off when the channel has a frequency in the same
// direction (`frequencyPresent`), else nothing; 8xyzh and Cxyzh DCS codes; four decimal digits
// a CTCSS tone; any other code nothing.
ToneCell ToneCellOfCode(std::uint16_t code, bool frequencyPresent);

// The 16-bit code the radio stores for a tone; nothing for a text it cannot store.
std::optional<std::uint16_t> ToneCodeOfCell(const ToneCell& cell);

// A position in one of the radio's lists; -1 is no selection. What each position means is
// given where the setting is declared.
using ListPosition = std::int16_t;
inline constexpr ListPosition kNoSelection = -1;

// The lists of a memory channel. Their values are list positions; a value outside the list
// (a version-1 JSON plan may hold -1) is kept and stored as its low bits.
enum class BusyLock : std::int16_t { kOff = 0, kCarrier = 1, kTone = 2 };
enum class Bandwidth : std::int16_t { kWide = 0, kNarrow = 1 };
enum class ScanList : std::int16_t { kLeftOut = 0, kAdded = 1 };
enum class TxPower : std::int16_t { kLow = 0, kHigh = 1 };

struct MemoryChannel {
    FrequencyCell rx;  // the channel is in use exactly when it has an RX frequency
    FrequencyCell tx;
    ToneCell decodeTone;  // received
    ToneCell encodeTone;  // sent
    BusyLock busyLock = BusyLock::kOff;
    Bandwidth bandwidth = Bandwidth::kWide;
    ScanList scan = ScanList::kLeftOut;
    TxPower power = TxPower::kLow;

    bool inUse() const { return !IsEmpty(rx); }
    bool operator==(const MemoryChannel&) const = default;
};

// A memory channel's fields, in the order the memory grid shows them and a plan lists them. A
// debug channel has the two frequencies, kRx and kTx.
enum class ChannelField { kRx, kRxTone, kTx, kTxTone, kBusyLock, kBandwidth, kScan, kPower };
inline constexpr std::array<ChannelField, 8> kChannelFields{
    ChannelField::kRx,       ChannelField::kRxTone,    ChannelField::kTx,   ChannelField::kTxTone,
    ChannelField::kBusyLock, ChannelField::kBandwidth, ChannelField::kScan, ChannelField::kPower};
constexpr bool IsFrequencyField(ChannelField field) {
    return field == ChannelField::kRx || field == ChannelField::kTx;
}
constexpr bool IsToneField(ChannelField field) {
    return field == ChannelField::kRxTone || field == ChannelField::kTxTone;
}
constexpr bool IsListField(ChannelField field) {
    return field >= ChannelField::kBusyLock;
}

// The frequency of kRx or kTx, the tone of kRxTone or kTxTone.
inline FrequencyCell& FrequencyOf(MemoryChannel& channel, ChannelField field) {
    return field == ChannelField::kTx ? channel.tx : channel.rx;
}
inline const FrequencyCell& FrequencyOf(const MemoryChannel& channel, ChannelField field) {
    return field == ChannelField::kTx ? channel.tx : channel.rx;
}
inline ToneCell& ToneOf(MemoryChannel& channel, ChannelField field) {
    return field == ChannelField::kTxTone ? channel.encodeTone : channel.decodeTone;
}
inline const ToneCell& ToneOf(const MemoryChannel& channel, ChannelField field) {
    return field == ChannelField::kTxTone ? channel.encodeTone : channel.decodeTone;
}

// The list position of one of the four list fields, and setting it.
ListPosition ListPositionOf(const MemoryChannel& channel, ChannelField field);
void SetListPosition(MemoryChannel& channel, ChannelField field, ListPosition position);

struct DebugChannel {
    FrequencyCell rx;
    FrequencyCell tx;
    bool inUse() const { return !IsEmpty(rx) || !IsEmpty(tx); }
    bool operator==(const DebugChannel&) const = default;
};

inline FrequencyCell& FrequencyOf(DebugChannel& channel, ChannelField field) {
    return field == ChannelField::kTx ? channel.tx : channel.rx;
}
inline const FrequencyCell& FrequencyOf(const DebugChannel& channel, ChannelField field) {
    return field == ChannelField::kTx ? channel.tx : channel.rx;
}

// The radio-wide settings of the main window's panel.
struct RadioSettings {
    ListPosition band = kNoSelection;             // the single item 400-480 MHz; not stored
    ListPosition pttId = kNoSelection;            // Off, start of TX, end of TX, both
    ListPosition transmitTimeout = kNoSelection;  // Off, 30 s .. 300 s in 30 s steps
    ListPosition squelchLevel = kNoSelection;     // level 0-9
    ListPosition beep = kNoSelection;             // Off, On
    ListPosition priorityChannel = kNoSelection;  // channel 1-16
    ListPosition batterySave = kNoSelection;      // Off, On
    ListPosition endBeep = kNoSelection;          // Off, On
    ListPosition tailElimination = kNoSelection;  // 120, 180, 240 degrees, by frequency
    ListPosition voiceSwitch = kNoSelection;      // On, Off (On comes first)
    ListPosition voiceLevel = kNoSelection;       // level 1-9
    ListPosition voicePrompt = kNoSelection;      // Off, Chinese, English
    bool operator==(const RadioSettings&) const = default;
};

// The side keys' functions: Off, monitor, scan on/off, priority scan, high/low power, talk
// around, reverse, voice operated switch.
struct SideKeys {
    ListPosition pf1Short = 1;
    ListPosition pf1Long = 7;
    ListPosition pf2Short = 4;
    ListPosition pf2Long = 2;
    bool operator==(const SideKeys&) const = default;
};

// DTMF timing: the first digit's delay in 50 ms steps from 50 ms, the others in 25 ms steps
// from 25 ms.
struct DtmfTiming {
    ListPosition firstDigitDelay = 0;  // 50 ms
    ListPosition digitInterval = 2;    // 75 ms
    ListPosition digitDelay = 2;       // 75 ms
    bool operator==(const DtmfTiming&) const = default;
};

// The transmitter's power levels, 0-255.
struct PowerLevels {
    ListPosition low = 92;
    ListPosition high = 208;
    bool operator==(const PowerLevels&) const = default;
};

// What the radio holds for all channels.
struct RadioWideSettings {
    RadioSettings settings;
    SideKeys sideKeys;
    DtmfTiming dtmf;
    PowerLevels powerLevels;
    std::string password;  // UTF-8; the radio stores one byte per character
    std::string ani;       // the ANI code, DTMF characters
    bool operator==(const RadioWideSettings&) const = default;
};

struct RadioPlan : RadioWideSettings {
    std::array<MemoryChannel, kChannelCount> memory;
    std::array<DebugChannel, kChannelCount> debug;
    bool operator==(const RadioPlan&) const = default;
};

// Memory channel `number` (1-16) and debug channel `number`.
inline MemoryChannel& MemoryChannelOf(RadioPlan& plan, int number) {
    return plan.memory[static_cast<std::size_t>(number - 1)];
}
inline const MemoryChannel& MemoryChannelOf(const RadioPlan& plan, int number) {
    return plan.memory[static_cast<std::size_t>(number - 1)];
}
inline DebugChannel& DebugChannelOf(RadioPlan& plan, int number) {
    return plan.debug[static_cast<std::size_t>(number - 1)];
}
inline const DebugChannel& DebugChannelOf(const RadioPlan& plan, int number) {
    return plan.debug[static_cast<std::size_t>(number - 1)];
}

// The channel numbers among `numbers` in ascending order, each once; those outside 1-16 are
// left out.
std::vector<int> ChannelNumbers(std::vector<int> numbers);

}  // namespace m742
