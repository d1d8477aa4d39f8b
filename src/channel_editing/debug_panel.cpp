#include "channel_editing/debug_panel.h"

#include <utility>

#include "channel_editing/snap.h"
#include "radio_data/status.h"

namespace m742 {

namespace {

bool IsDebugRow(int row) {
    return row >= 1 && row <= kChannelCount;
}

bool Store(std::string& cell, std::string_view entered) {
    auto text = StoredFrequencyText(entered);
    if (!text) {
        return false;
    }
    cell = std::move(*text);
    return true;
}

}  // namespace

DebugStore StoreDebugChannel(EditorState& editor, int row, std::string_view rxText,
                             std::string_view txText) {
    if (!IsDebugRow(row)) {
        return {};
    }
    auto& cells = editor.mfgrid2[static_cast<std::size_t>(row)];
    const bool rx = Store(cells[1], rxText);
    const bool tx = Store(cells[2], txText);
    return {rx, tx};
}

std::optional<std::string> DeleteChannelCaption(std::int16_t languageFlag, int row) {
    if (!IsDebugRow(row)) {
        return std::nullopt;
    }
    const std::string number = std::to_string(row);
    if (LanguageOf(languageFlag) == Lang::English) {
        return "Delete debugging channel" + number + "data";
    }
    return "删除调试信道" + number + "的数据";
}

void DeleteDebugChannel(EditorState& editor, int row) {
    if (!IsDebugRow(row)) {
        return;
    }
    auto& cells = editor.mfgrid2[static_cast<std::size_t>(row)];
    cells[1].clear();
    cells[2].clear();
}

}  // namespace m742
