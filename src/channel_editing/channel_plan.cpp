#include "channel_editing/channel_plan.h"

#include <array>
#include <string>
#include <string_view>

namespace m742 {

namespace {

// The debug channels the radio is tuned on at the factory: RX, TX of rows 1-8.
constexpr std::array<std::array<std::string_view, 2>, 8> kDefaultDebugChannels{{
    {"460.10000", "460.00000"},
    {"450.10000", "450.00000"},
    {"469.90000", "469.97500"},
    {"460.30000", "460.30000"},
    {"460.35000", "460.35000"},
    {"460.40000", "460.40000"},
    {"460.35000", "460.35000"},
    {"460.45000", "460.45000"},
}};

}  // namespace

void ResetChannelPlan(EditorState& editor) {
    for (std::size_t row = 1; row <= kChannelCount; ++row) {
        editor.mfgrid1[row][0] = std::to_string(row);
        editor.mfgrid2[row][0] = std::to_string(row);
    }
    for (std::size_t i = 0; i < kDefaultDebugChannels.size(); ++i) {
        editor.mfgrid2[i + 1][1] = kDefaultDebugChannels[i][0];
        editor.mfgrid2[i + 1][2] = kDefaultDebugChannels[i][1];
    }
    RadioSettings& s = editor.settings;
    s.pttId = 1;            // Start TX
    s.transmitTimeout = 2;  // 60 s
    s.squelchLevel = 5;
    s.batterySave = 1;      // on
    s.beep = 1;             // on
    s.priorityChannel = 0;  // channel 1
    s.endBeep = 0;          // off
    s.tailElimination = 0;  // 120 degrees
    s.voiceSwitch = 0;      // on
    s.voiceLevel = 0;       // level 1
    s.voicePrompt = 0;      // off
}

EditorState StartupEditor(std::int16_t languageFlag) {
    EditorState editor;
    editor.LanguageFlag = languageFlag;
    editor.settings.band = 0;
    CreateDialogControls(editor);
    ResetChannelPlan(editor);
    return editor;
}

}  // namespace m742
