#include "channel_editing/debug_panel.h"

#include <utility>

#include "channel_editing/snap.h"
#include "radio_data/status.h"
#include "radio_data/text_codes.h"
#include "texts/edit_texts.h"

namespace m742 {

namespace {

bool IsDebugRow(int row) {
    return row >= 1 && row <= kChannelCount;
}

bool Store(FrequencyCell& cell, std::string_view entered) {
    const auto text = StoredFrequencyText(entered);
    if (!text) {
        return false;
    }
    cell = FrequencyCellOf(*text);
    return true;
}

}  // namespace

DebugStore StoreDebugChannel(EditorState& editor, int row, std::string_view rxText,
                             std::string_view txText) {
    if (!IsDebugRow(row)) {
        return {};
    }
    DebugChannel& channel = DebugChannelOf(editor, row);
    const bool rx = Store(channel.rx, rxText);
    const bool tx = Store(channel.tx, txText);
    return {rx, tx};
}

std::optional<Message> DeleteChannelCaption(int row) {
    if (!IsDebugRow(row)) {
        return std::nullopt;
    }
    return Message{&kDeleteDebugChannelText, {std::to_string(row)}};
}

void DeleteDebugChannel(EditorState& editor, int row) {
    if (!IsDebugRow(row)) {
        return;
    }
    DebugChannelOf(editor, row) = DebugChannel{};
}

}  // namespace m742
