// What differs between two channel plans, by what it is: a memory channel's field (or the whole
// channel when it is in use in one plan only), a debug channel's frequency, a setting of the
// panel or of a dialog, the password, the ANI code; and the bytes no such line accounts for.
// "m742-cli diff" prints it, the window's "Compare with File…" shows it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "plan_formats/plan_keys.h"
#include "radio_data/image.h"
#include "radio_data/lists.h"
#include "radio_data/status.h"

namespace m742 {

enum class DiffSection {
    kChannels,       // memory channels
    kDebugChannels,  // debug channels
    kSettings,       // the settings panel
    kDialogs,        // side keys, DTMF timing, power levels
    kPassword,
    kAni,
};

// One side's value: what the program shows of it, and the value a plan holds (nothing for an
// empty field or no selection). Shown is, in this order: the fields of a whole channel one
// after the other; the item at `position` of `list`, in the interface language; the text as it
// stands ("460.12500", "D023N", a password); the "empty" word when that is empty too.
struct DiffValue {
    std::string text;
    std::optional<ListId> list;
    int position = -1;
    std::vector<DiffValue> cells;
    PlanValue plan;
    bool operator==(const DiffValue&) const = default;
};

// A field of a memory channel by its plan name, for a channel in use in one plan only.
using ChannelFields = std::vector<std::pair<std::string_view, PlanValue>>;

struct PlanDifference {
    DiffSection section = DiffSection::kChannels;
    int channel = 0;  // 1-16 for memory and debug channels, else 0
    // A channel's field (a debug channel's kRx or kTx); none for a whole memory channel and
    // for the other sections.
    std::optional<ChannelField> field;
    const PlanSetting* setting = nullptr;  // for settings and dialogs
    DiffValue a;
    DiffValue b;
    // A whole memory channel: the fields of the side that has it; empty for the other side.
    ChannelFields fieldsA;
    ChannelFields fieldsB;

    // The plan name: "rx_mhz", "squelch_level", "password", "ani"; "" for a whole channel.
    std::string_view key() const;
};

// Consecutive bytes, within one 16-byte line, that differ in bits no difference above
// accounts for: bytes the editor does not hold, the data file's header, and held bits that
// store one value in two ways (a busy lock of 00 or 11 both read as Off).
enum class ByteArea { kHeader, kImage };
struct ByteDifference {
    ByteArea area;
    int first;  // the offset in the file's header, or the image address
    std::vector<std::uint8_t> a;
    std::vector<std::uint8_t> b;
    int last() const { return first + static_cast<int>(a.size()) - 1; }
};

struct PlanDiff {
    std::vector<PlanDifference> items;  // in section order, channels by number and column
    std::vector<ByteDifference> otherBytes;
    bool equal() const { return items.empty() && otherBytes.empty(); }
};

// Compares the first kDataFileSize bytes of two data files' contents (the header and the
// image); each must hold at least that many.
PlanDiff CompareDataFiles(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b);

// Bytes as text: "FF 00 1A".
std::string HexText(std::span<const std::uint8_t> bytes);

// A number in `digits` hexadecimal digits and an "h": "3C0h".
std::string Hex(int value, int digits);

}  // namespace m742
