#include "channel_editing/frequency_entry.h"

#include <array>

#include "channel_editing/snap.h"
#include "radio_data/lists.h"
#include "radio_data/text_codes.h"
#include "texts/edit_texts.h"
#include "texts/grid_cells.h"
#include "texts/message_style.h"
#include "texts/plan_texts.h"

namespace m742 {

namespace {

// A new channel: TX as RX, both tones Off, busy lock Off, band Wide, added to the scan, high
// power.
void StartChannel(MemoryChannel& channel) {
    channel.tx = channel.rx;
    channel.decodeTone = ToneOff{};
    channel.encodeTone = ToneOff{};
    channel.busyLock = BusyLock::kOff;
    channel.bandwidth = Bandwidth::kWide;
    channel.scan = ScanList::kAdded;
    channel.power = TxPower::kHigh;
}

}  // namespace

EntryMessage OutOfBandMessage() {
    return {{&kOutOfBandText, {}}, kStylePlain, ""};
}

FrequencyCommit CommitFrequency(EditorState& editor, int row, int column, std::string_view entered,
                                BandLimits band) {
    if (row < 1 || row > kChannelCount || (column != kColumnRx && column != kColumnTx)) {
        return {};
    }
    if (entered.empty()) {
        if (column != kColumnRx) {
            return {};
        }
        ClearMemoryChannel(editor, row);
        return {FrequencyOutcome::kChannelDeleted, std::nullopt};
    }
    if (!IsNumberText(entered)) {
        return {};
    }
    // The limits are whole MHz and no entry is negative, so comparing the whole part decides
    // low <= value < high exactly.
    const auto wholeMHz = ScaledValue(entered, 0, Rounding::kDown);
    // What the cell would hold is checked too: rounding to five decimals can carry an entry
    // just below the top (479.999999) up to 480.00000, which the radio does not take.
    const auto steps = FrequencySteps(entered);
    const std::int64_t stored = steps ? SnapSteps(*steps) : -1;
    if (!wholeMHz || *wholeMHz < band.low || *wholeMHz >= band.high ||
        stored < band.low * kStepsPerMHz || stored >= band.high * kStepsPerMHz) {
        return {FrequencyOutcome::kOutOfBand, OutOfBandMessage()};
    }

    MemoryChannel& channel = MemoryChannelOf(editor, row);
    FrequencyField(channel, column) = FrequencyCellOf(FormatSteps(stored));
    if (column == kColumnRx && IsEmpty(channel.tx)) {
        StartChannel(channel);
        return {FrequencyOutcome::kChannelStarted, std::nullopt};
    }
    return {FrequencyOutcome::kWritten, std::nullopt};
}

}  // namespace m742
